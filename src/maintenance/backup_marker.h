#pragma once
// The marker file "Backup.txt" that names a folder of data files in the backup's file dialogs: the
// program folder's, and the one of a folder the user keeps a collection in.

#include <QString>

namespace maintenance {

// The program folder's marker, with the platform's separators.
QString defaultBackupMarker();

// Creates the marker (and the program's folder) when there is none; an existing marker is left as
// it is. False when it is missing and could not be made.
bool ensureBackupMarker();

// The same for the marker of an existing folder, whose path it answers; empty when the marker is
// missing and could not be made.
QString ensureBackupMarkerIn(const QString& folder);

}  // namespace maintenance
