#pragma once
// The marker file "Backup.txt" of the program's folder: the backup's default source, pointed at in
// the file dialogs to name a folder of data files.

#include <QString>

namespace maintenance {

// The program folder's marker, with the platform's separators.
QString defaultBackupMarker();

// Creates the marker (and the program's folder) when there is none; an existing marker is left as
// it is. False when it is missing and could not be made.
bool ensureBackupMarker();

}  // namespace maintenance
