#pragma once
// Finding a help file by the name the program gives it. The program names WinHelp files
// ("Sonvel400.HLP"), which this platform cannot show; their HTML twins ("Sonvel400.html") are
// shown instead. HTML and text files named directly are shown as they are.

#include <QString>
#include <QStringList>

namespace info {

// The file that stands for a help file name: the name itself when it is an HTML or text file,
// otherwise the same name with ".html" in place of its extension.
QString shownHelpFileName(const QString& helpFile);

// Whether a help file is plain text (shown as it stands) rather than HTML.
bool isPlainTextHelp(const QString& path);

// The first folder of `folders`, in order, that holds the shown file of `helpFile`; the full path
// of that file, or the empty text when no folder holds it.
QString findHelpFile(const QString& helpFile, const QStringList& folders);

}  // namespace info
