#pragma once
// The marker of an import under way. An import appends many records in blocks; within the program
// a failure takes them back, but a killed process cannot. So before its first block the import
// leaves a small file beside the collection ("Clasical.dat.import") with the length the collection
// had and the length it will have, and removes it after its last block. A marker found at the next
// start means an import that did not finish: the collection is cut back to its old length.

#include <QString>
#include <cstdint>

namespace store {

QString importMarkerPath(const QString& collectionPath);

// Writes the marker whole (under a temporary name, then renamed). Throws StoreError (WriteFailed).
void writeImportMarker(const QString& collectionPath, std::int64_t oldLength,
                       std::int64_t finalLength);
// Removes the marker; a marker that is not there is no failure.
void removeImportMarker(const QString& collectionPath);

struct ImportRecovery {
    enum class Outcome {
        None,      // no marker
        Removed,   // an unfinished import was taken back: `records` records removed
        SetAside,  // a marker that does not fit the collection was moved to `setAsidePath`
        Failed,    // the collection could not be cut back: `reason` says why; the marker stays
    };
    Outcome outcome = Outcome::None;
    std::int64_t records = 0;
    QString setAsidePath;
    QString reason;
};

// Looks for the marker of the collection at `collectionPath` before it is opened. A marker whose
// two lengths hold the file's length between them marks an unfinished import: the file is cut
// back to the old length and the marker removed. Any other marker (unreadable, or lengths that do
// not fit the file) never cuts anything: it is moved aside to "Clasical.dat.import.bad".
ImportRecovery recoverUnfinishedImport(const QString& collectionPath);

}  // namespace store
