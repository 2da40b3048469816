#pragma once
// How names compare and fold, in one place: the code page's fold (case, Greek accents and
// diaeresis, final sigma), the order of the sort tools over the code page's bytes, and the
// alphabetical order of the pick lists. The searches do not use any of it: they match bytes
// exactly.

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringList>
#include <array>

namespace store {

// --- The fold -----------------------------------------------------------------------------
// For each byte of the code page the byte of the same letter in small case without accents or
// diaeresis: 'B' -> 'b', 'Ά' -> 'α', 'ΐ' -> 'ι', final 'ς' -> 'σ'. Every other byte maps to itself.
const std::array<unsigned char, 256>& foldTable();
inline unsigned char foldByte(unsigned char byte) {
    return foldTable()[byte];
}
QByteArray folded(QByteArrayView bytes);

// --- The order of the sort tools ----------------------------------------------------------
// First without case and accents (Latin letters before Greek ones), then byte for byte.

// The field with each byte replaced by its rank at the first comparison: upper and lower case
// share a rank, Greek accented vowels share their plain vowel's, final sigma shares sigma's.
// Comparing two such keys byte for byte (unsigned) gives the first comparison.
QByteArray primaryKey(QByteArrayView field);

// Negative, zero or positive as `a` sorts before, with or after `b`: the first comparison, and on
// a tie the exact bytes. Zero only for identical fields.
int compareFields(QByteArrayView a, QByteArrayView b);

// --- The order of the pick lists ----------------------------------------------------------
// Alphabetical and case-insensitive by the user's locale, as a drop-down list of the desktop
// sorts its items; equal names keep the order they came in.
void sortNames(QStringList& names);
// Inserts a name at its alphabetical place (after equal names) and returns that place.
qsizetype insertName(QStringList& names, const QString& name);

}  // namespace store
