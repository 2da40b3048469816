#pragma once
// The program's own folder as a place to work in: on an account that has never run Sonvella it
// is made and given the starter files (the eight lists, the media icons, and the demo collection
// with its covers when there is no collection yet). A missing list or icon comes back at a later
// start, the demo never does; a file the user already has is never overwritten.

#include <QString>
#include <QStringList>

namespace app {

// Makes the program's folder, copies what is missing into it from the first starter folder that
// exists (platform::starterFolders()), and makes it the current directory. False, with the reason,
// when that fails.
bool prepareHomeFolder(const QStringList& starterFolders, QString* error);

}  // namespace app
