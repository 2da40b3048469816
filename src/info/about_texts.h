#pragma once
// The texts of the about window that come from the program and the collection: its version, and
// the number of records in the collection file.

#include <QString>

namespace info {

// "Sonvella Version:  4.0.0": the program's major, minor and revision numbers.
QString versionText();

// "My Collection Version:   " and the records of the collection file at `path` (the bare name
// "Clasical.dat" by default, so the current directory's), written with the blank of its sign:
// 345 records give "My Collection Version:    345". An empty or missing file gives 0.
QString collectionVersionText(const QString& path = QStringLiteral("Clasical.dat"));

}  // namespace info
