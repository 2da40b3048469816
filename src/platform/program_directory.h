#pragma once
// The program's own folder, where covers, result and export files and the backup marker live:
// $HOME/Sonvella400 on Linux (a visible folder: users drop covers into it and open the results),
// C:\Program Files\Sonvella400 on Windows.

#include <QString>
#include <QStringList>

namespace platform {

QString programDirectory();
// The path of a file in the program's folder, with the platform's separators (as messages show it).
QString programFile(const QString& name);
QString coversDirectory();

// Folders that may hold the starter files (the eight lists, the media icons, the demo), in the
// order they are tried: beside the executable (a build) and the installed data folder.
QStringList starterFolders();

// Creates the program's folder and its Covers folder when missing; false when that failed.
bool createProgramDirectories();

}  // namespace platform
