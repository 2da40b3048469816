#pragma once
// A folder as a collection: what it must hold (Clasical.dat and the eight name lists) to be
// opened, and a new one made from the starter lists.

#include <QString>
#include <QStringList>

namespace collections {

struct FolderCheck {
    bool readable = true;  // false: the folder, or a file it must hold, cannot be read
    QString unreadable;    // what cannot be read, as shown
    QStringList missing;   // the files it lacks, in the order of the lists, Clasical.dat last
    bool holdsCollection() const { return readable && missing.isEmpty(); }
};

FolderCheck checkCollectionFolder(const QString& folder);

// The message that says why `folder` cannot be opened: the missing-files message of the start,
// with what is missing instead of the program's end.
QString missingFilesText(const QString& folder, const FolderCheck& check);

// Puts the eight name lists and the media icons of `starterFolder` and an empty Clasical.dat into
// `folder`, which is made when missing and must be empty. False, with the reason, when that fails;
// what was put there by then is taken away again.
bool makeCollection(const QString& folder, const QString& starterFolder, QString* error);

}  // namespace collections
