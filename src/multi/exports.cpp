#include "multi/exports.h"

#include <QFileInfo>
#include <QStringBuilder>

#include "common/numbered_text.h"
#include "common/numbers.h"
#include "exporting/line_format.h"
#include "exporting/record_export.h"
#include "exporting/text_file.h"
#include "multi/multi_window.h"
#include "multi/result_files.h"
#include "platform/dialogs.h"
#include "platform/program_directory.h"
#include "store/codepage.h"
#include "store/store_error.h"

namespace multi {

using exporting::FieldsLine;
using exporting::TextFile;
using store::Field;
using Ending = FieldsLine::Ending;

namespace {

struct ExportCommand {
    const char* title;
    const char* questionFirstLine;
    const char* questionSecondLine;
    const char* longFile;
    const char* shortFile;
    FieldsLine longLine;  // every field and the Opus Number
    FieldsLine shortLine;
};

const ExportCommand kByComposer = {
    "Sonvella 4.0 - Export by Composer",
    "Shall I Export Collection by Composer in Files",
    "'Collection.doc' and 'ShortCollect.doc'?",
    "Collection.doc",
    "ShortCollect.doc",
    FieldsLine({Field::Composer, Field::Title, Field::Orchestra, Field::Soloists, Field::Cover,
                Field::Identity},
               Ending::OpusNumberAndRule),
    FieldsLine({Field::Composer, Field::Title, Field::Orchestra, Field::Soloists}, Ending::None)};

const ExportCommand kByIdentity = {
    "Sonvella 4.0 - Export by Identity",
    "Shall I Export Collection by Identity in Files",
    "'IdCollection.doc' and 'IdShortCollect.doc'?",
    "IdCollection.doc",
    "IdShortCollect.doc",
    FieldsLine({Field::Identity, Field::Composer, Field::Title, Field::Orchestra, Field::Soloists,
                Field::Cover},
               Ending::OpusNumberAndRule),
    FieldsLine({Field::Identity, Field::Composer, Field::Title, Field::Orchestra, Field::Soloists},
               Ending::None)};

// One pass over the collection, writing a line in `format` for every record that passes the
// filter. The status counts along, and the current Opus Number follows every record.
std::int64_t exportPass(MultiWindow& window, const exporting::LineFormat& format,
                        const QByteArray& filter, TextFile& file) {
    BusyScope busy(window);
    common::NumberedText progressText(QStringLiteral("Examining/Saving... Opus No <"),
                                      QStringLiteral(">"));
    const auto passes = [&filter](const char* record) {
        const QByteArrayView identity(record + store::fieldOffset(Field::Identity),
                                      store::fieldWidth(Field::Identity));
        return identity.contains(filter);
    };
    const auto progress = [&window, &progressText](std::int32_t opusNumber, bool written) {
        window.current = opusNumber;
        if (!written) return;
        progressText.write(window.status, opusNumber);
        window.notify();
    };
    window.current = 0;
    return exporting::exportRecords(
        window.file(), window.N,
        {.format = format,
         .passes = filter.isEmpty() ? std::function<bool(const char*)>() : passes,
         .progress = progress},
        file);
}

void exportCollection(MultiWindow& window, const ExportCommand& command) {
    platform::Dialogs& dialogs = window.dialogs();
    const QString title = QString::fromLatin1(command.title);
    window.clearDrawing();
    const platform::Answer answer =
        dialogs.ask(title,
                    QLatin1String(command.questionFirstLine) + QLatin1Char('\n') +
                        QLatin1String(command.questionSecondLine),
                    platform::Icon::Question, platform::Buttons::OkCancel);
    if (answer != platform::Answer::Ok) return;
    const QString filterText =
        dialogs.input(QStringLiteral("Type the Special Character(s) to Search for in Identity or\n"
                                     "Click on <Cancel> to Export the Entire Collection:"),
                      title);
    // A filter the code page cannot hold stands in no Identity: nothing passes it.
    const bool impossible = !store::canStore(filterText);
    const QByteArray filter = store::toDisk(filterText);
    window.status.clear();
    window.notify();

    const QString longPath = platform::programFile(QLatin1String(command.longFile));
    const QString shortPath = platform::programFile(QLatin1String(command.shortFile));
    FileTrouble trouble(dialogs, title);
    // Each file replaces the export made before only once it is written whole: a full disk half
    // way through keeps the earlier one, which deleting it first would lose.
    const auto failed = [&trouble](const QString& path, const QString& reason, bool hadExport) {
        trouble.report(path, hadExport ? reason + QStringLiteral("\nThe earlier export in that "
                                                                 "file was kept.")
                                       : reason);
    };

    // Both passes pass the same records: the count is taken from the first one that runs.
    std::int64_t count = -1;
    try {
        for (const FieldsLine* format : {&command.longLine, &command.shortLine}) {
            const QString& path = format == &command.longLine ? longPath : shortPath;
            const bool hadExport = QFileInfo(path).isFile();
            TextFile file;
            if (!file.open(path, TextFile::Mode::Replace)) {
                failed(path, file.error(), hadExport);
                continue;  // the other file is still made
            }
            const std::int64_t written = impossible ? 0 : exportPass(window, *format, filter, file);
            if (count < 0) count = written;
            if (!file.close()) failed(path, file.error(), hadExport);
        }
    } catch (const store::StoreError& e) {
        dialogs.show(title, e.message(), platform::Icon::Exclamation);
        window.status.clear();
        window.notify();
        return;
    }

    // Only the files that were written are said to be saved.
    QStringList saved;
    for (const QString& path : {longPath, shortPath}) {
        if (!trouble.failed(path)) saved << path;
    }
    if (!saved.isEmpty()) {
        const QString head = filterText.isEmpty()
                                 ? QStringLiteral("All Opus Numbers have been Saved at:")
                                 : QStringLiteral("< ") + common::numberText(count) +
                                       QStringLiteral(" > Opus Numbers have been Saved at:");
        dialogs.show(title, head + QLatin1Char('\n') + saved.join(QLatin1Char('\n')),
                     platform::Icon::Information);
    }
    window.status.clear();
    window.notify();
}

}  // namespace

void mnuSaveAll(MultiWindow& window) {
    exportCollection(window, kByComposer);
}

void mnuSaveAllIdentity(MultiWindow& window) {
    exportCollection(window, kByIdentity);
}

}  // namespace multi
