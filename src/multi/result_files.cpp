#include "multi/result_files.h"

#include "common/numbers.h"
#include "multi/multi_window.h"
#include "multi/text_file.h"
#include "platform/dialogs.h"
#include "platform/program_directory.h"

namespace multi {

QString mySearchFile() {
    return platform::programFile(QStringLiteral("MySearch.doc"));
}

QString searchShortFile() {
    return platform::programFile(QStringLiteral("SearchShort.doc"));
}

void FileTrouble::report(const QString& path, const QString& reason) {
    if (failed_.contains(path)) return;
    failed_.insert(path);
    dialogs_.show(title_, path + QStringLiteral(" could not be written:\n") + reason,
                  platform::Icon::Exclamation);
}

bool createEmpty(const QString& path, FileTrouble& trouble) {
    TextFile file;
    if (file.open(path, TextFile::Mode::Create) && file.close()) return true;
    trouble.report(path, file.error());
    return false;
}

namespace {

bool appendRows(const QString& path, FileTrouble& trouble, QByteArray (*line)(const ShownRow&),
                const MultiWindow& window) {
    TextFile file;
    if (file.open(path, TextFile::Mode::Append)) {
        for (const ShownRow& row : window.ShownTable) file.writeLine(line(row));
    }
    if (file.close()) return true;
    trouble.report(path, file.error());
    return false;
}

// Composer and Title, Orchestra, Soloists, Cover, the Identity line, three blanks and a rule.
QByteArray longLine(const ShownRow& row) {
    return row[1] + row[2] + row[3] + row[4] + row[0] + "   " + QByteArray(80, '_');
}

// Composer, Title, Orchestra and Soloists, trimmed, three blanks between them.
QByteArray shortLine(const ShownRow& row) {
    QByteArray line;
    line += store::trimBlankBytes(row[5]);
    line += "   ";
    line += store::trimBlankBytes(row[6]);
    line += "   ";
    line += store::trimBlankBytes(row[2]);
    line += "   ";
    line += store::trimBlankBytes(row[3]);
    return line;
}

}  // namespace

bool Export(MultiWindow& window, FileTrouble& trouble, OnFailure onFailure) {
    const bool longWritten = appendRows(mySearchFile(), trouble, longLine, window);
    if (!longWritten && onFailure == OnFailure::Stop) return false;
    const bool shortWritten = appendRows(searchShortFile(), trouble, shortLine, window);
    return longWritten && shortWritten;
}

void showRecordedUpTo(MultiWindow& window, bool recorded) {
    window.status = QStringLiteral("Search Results up to Opus Number <") +
                    common::numberText(window.current) +
                    (recorded ? QStringLiteral(" > were recorded in file ")
                              : QStringLiteral(" > could not be recorded in file ")) +
                    mySearchFile();
    window.notify();
}

}  // namespace multi
