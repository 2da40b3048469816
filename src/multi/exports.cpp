#include "multi/exports.h"

#include <QFile>
#include <QStringBuilder>
#include <array>
#include <charconv>

#include "common/numbers.h"
#include "multi/multi_window.h"
#include "multi/result_files.h"
#include "multi/text_file.h"
#include "platform/dialogs.h"
#include "platform/program_directory.h"
#include "store/codepage.h"
#include "store/record_scanner.h"
#include "store/store_error.h"

namespace multi {

using store::Field;

namespace {

struct ExportCommand {
    const char* title;
    const char* questionFirstLine;
    const char* questionSecondLine;
    const char* longFile;
    const char* shortFile;
    // The fields of a long line in their order; a short line has the first `shortFields`.
    std::array<Field, 6> order;
    int shortFields;
};

const ExportCommand kByComposer = {"Sonvella 4.0 - Export by Composer",
                                   "Shall I Export Collection by Composer in Files",
                                   "'Collection.doc' and 'ShortCollect.doc'?",
                                   "Collection.doc",
                                   "ShortCollect.doc",
                                   {Field::Composer, Field::Title, Field::Orchestra,
                                    Field::Soloists, Field::Cover, Field::Identity},
                                   4};

const ExportCommand kByIdentity = {"Sonvella 4.0 - Export by Identity",
                                   "Shall I Export Collection by Identity in Files",
                                   "'IdCollection.doc' and 'IdShortCollect.doc'?",
                                   "IdCollection.doc",
                                   "IdShortCollect.doc",
                                   {Field::Identity, Field::Composer, Field::Title,
                                    Field::Orchestra, Field::Soloists, Field::Cover},
                                   5};

// A field without its leading and trailing blanks, in the bytes of the record.
QByteArrayView trimmedField(const char* record, Field f) {
    return store::trimBlankBytes(
        QByteArrayView(record + store::fieldOffset(f), store::fieldWidth(f)));
}

void appendFields(QByteArray& line, const char* record, const ExportCommand& command, int count) {
    for (int i = 0; i < count; ++i) {
        if (i > 0) line += "   ";
        line += trimmedField(record, command.order[i]);
    }
}

bool passesFilter(const char* record, const QByteArray& filter) {
    if (filter.isEmpty()) return true;
    const QByteArrayView identity(record + store::fieldOffset(Field::Identity),
                                  store::fieldWidth(Field::Identity));
    return identity.contains(filter);
}

// The Opus Number as this program writes numbers (a blank for the sign, then the digits), into a
// small buffer: this runs twice for every record of the collection.
QByteArrayView numberDigits(std::int32_t n, char (&buffer)[16]) {
    buffer[0] = ' ';
    const auto end = std::to_chars(buffer + 1, buffer + sizeof buffer, n).ptr;
    return QByteArrayView(buffer, end - buffer);
}

// One pass over the collection, writing the long or the short line of every record that passes.
// Returns the records written.
std::int64_t exportPass(MultiWindow& window, const ExportCommand& command, const QByteArray& filter,
                        bool longLines, TextFile& file) {
    BusyScope busy(window);
    static const QByteArray kRule = "   " + QByteArray(79, '_');
    static const QString kProgress = QStringLiteral("Examining/Saving... Opus No <");
    std::int64_t written = 0;
    QByteArray line;
    char digits[16];
    store::RecordScanner records(window.file(), 1, window.N);
    window.current = 0;
    while (const char* record = records.next()) {
        window.current = records.number();
        if (!passesFilter(record, filter)) continue;
        ++written;
        const QByteArrayView number = numberDigits(window.current, digits);
        line.clear();
        if (longLines) {
            appendFields(line, record, command, 6);
            line += "   Opus No=";
            line += number;
            line += kRule;
        } else {
            appendFields(line, record, command, command.shortFields);
        }
        file.writeLine(line);
        // The text is rebuilt in place: no allocation for every record.
        window.status.resize(kProgress.size());
        if (window.status != kProgress) window.status = kProgress;
        window.status += QLatin1StringView(number.data(), number.size());
        window.status += QLatin1Char('>');
        window.notify();
    }
    return written;
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
    QFile::remove(longPath);
    QFile::remove(shortPath);

    // Both passes pass the same records: the count is taken from the first one that runs.
    std::int64_t count = -1;
    try {
        for (const bool longLines : {true, false}) {
            const QString& path = longLines ? longPath : shortPath;
            TextFile file;
            if (!file.open(path, TextFile::Mode::Create)) {
                trouble.report(path, file.error());
                continue;  // the other file is still made
            }
            const std::int64_t written =
                impossible ? 0 : exportPass(window, command, filter, longLines, file);
            if (count < 0) count = written;
            if (!file.close()) trouble.report(path, file.error());
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
