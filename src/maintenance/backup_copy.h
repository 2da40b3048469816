#pragma once
// Copying one file over another for the backup, so that the destination name only ever holds the
// old file whole or the new one whole.

#include <QString>

namespace maintenance {

enum class CopyOutcome {
    Copied,
    DestinationFull,  // the destination ran out of room (disk full, quota, largest file size)
    ReadOnly,         // the destination holds a read-only file of that name: it stays as it is
    Failed,           // anything else: a missing source, a folder that cannot be written...
};

// Copies `from` into a temporary file beside `to` and renames it over `to` once it is complete.
// On any failure the temporary file is removed and `to` is left as it was. A read-only `to` (no
// write bit for anybody, which the superuser could otherwise write over) is not replaced.
CopyOutcome copyReplacing(const QString& from, const QString& to);

}  // namespace maintenance
