#pragma once
// How a record is tied to its cover pictures: the file names come from the first seven characters
// of the Identity.

#include <QByteArrayView>
#include <QString>

namespace record {

// The first 7 characters of the Identity as stored (blank-padded); the 7th is dropped when it is
// a blank. "CD 4711 Deutsche" gives "CD 4711", "LP 123" gives "LP 123".
QString coverName(const QString& identity);
// "Cover of " and the first 7 characters, the 7th kept even when it is a blank.
QString coverLabel(const QString& identity);

// Whether a cover name can only name a file inside the Covers folder: no path separators, no
// "..", nothing a file name cannot hold.
bool isSafeCoverName(const QString& name);

// Full paths, as messages show them. The back cover adds "B" to the name.
QString frontCoverFile(const QString& identity);
QString backCoverFile(const QString& identity);

}  // namespace record
