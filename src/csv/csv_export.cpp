#include "csv/csv_export.h"

#include <QDir>
#include <QScopeGuard>

#include "csv/csv_line.h"
#include "csv/progress.h"
#include "csv/text_encoding.h"
#include "exporting/file_trouble.h"
#include "exporting/record_export.h"
#include "exporting/text_file.h"
#include "platform/dialogs.h"
#include "platform/program_directory.h"
#include "record/record_window.h"
#include "store/opus_record.h"
#include "store/store_error.h"

namespace csv {

using platform::Answer;
using platform::Icon;

namespace {

QString writtenText(std::int64_t count, const QString& path) {
    return (count == 1 ? QStringLiteral("1 record was written to:")
                       : QStringLiteral("%1 records were written to:").arg(count)) +
           QLatin1Char('\n') + QDir::toNativeSeparators(path);
}

}  // namespace

void mnuExportCsv(record::RecordWindow& window, Progress& progress) {
    platform::Dialogs& dialogs = window.dialogs();
    // No keeps the deleted records, so that the rows match the Opus Numbers.
    const Answer answer = dialogs.ask(kExportTitle, QStringLiteral("Leave out deleted records?"),
                                      Icon::Question, platform::Buttons::YesNoCancel);
    if (answer == Answer::Cancel) return;
    const QString path =
        dialogs.saveFile({kExportTitle, QStringLiteral("CSV files (*.csv)"),
                          platform::programFile(QStringLiteral("Collection.csv"))});
    if (path.isEmpty()) return;
    // The collection is exported as it is stored: the export changes nothing in it, not even the
    // leading blanks of the record shown, which saving it would take away.

    exporting::FileTrouble trouble(dialogs, kExportTitle);
    exporting::TextFile file;
    if (!file.open(path, exporting::TextFile::Mode::Replace)) {
        trouble.report(QDir::toNativeSeparators(path), file.error());
        return;
    }
    file.write(QByteArrayView(kUtf8Mark));
    file.writeLine(CsvLine::header());

    const CsvLine format;
    bool cancelled = false;
    std::int64_t written = 0;
    {
        record::BusyScope busy(window);
        progress.begin(QStringLiteral("Exporting the collection ..."), window.state().N);
        const auto ended = qScopeGuard([&progress] { progress.end(); });
        try {
            written = exporting::exportRecords(
                window.file(), window.state().N,
                {.format = format,
                 .passes = answer == Answer::Yes
                               ? std::function<bool(const char*)>([](const char* record) {
                                     return !store::isDeletedRecord(record);
                                 })
                               : std::function<bool(const char*)>(),
                 .progress = {},
                 .stop =
                     [&](std::int32_t opusNumber) {
                         cancelled = !progress.advance(opusNumber);
                         return cancelled;
                     }},
                file);
        } catch (const store::StoreError& e) {
            file.discard();
            dialogs.show(kExportTitle, e.message(), Icon::Exclamation);
            return;
        }
    }
    if (cancelled) {
        file.discard();
        return;
    }
    if (!file.close()) {
        trouble.report(QDir::toNativeSeparators(path), file.error());
        return;
    }
    dialogs.show(kExportTitle, writtenText(written, path), Icon::Information);
}

}  // namespace csv
