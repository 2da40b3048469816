#include "multi/result_files.h"

#include "common/numbers.h"
#include "exporting/text_file.h"
#include "multi/multi_window.h"
#include "platform/program_directory.h"

namespace multi {

QString mySearchFile() {
    return platform::programFile(QStringLiteral("MySearch.doc"));
}

QString searchShortFile() {
    return platform::programFile(QStringLiteral("SearchShort.doc"));
}

namespace {

using exporting::TextFile;

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
    return row.composerAndTitle + row.orchestra + row.soloists + row.cover + row.identityLine +
           "   " + QByteArray(80, '_');
}

// Composer, Title, Orchestra and Soloists, trimmed, three blanks between them.
QByteArray shortLine(const ShownRow& row) {
    QByteArray line;
    line += store::trimBlankBytes(row.composer);
    line += "   ";
    line += store::trimBlankBytes(row.title);
    line += "   ";
    line += store::trimBlankBytes(row.orchestra);
    line += "   ";
    line += store::trimBlankBytes(row.soloists);
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
