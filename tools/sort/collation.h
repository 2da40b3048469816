#pragma once
// The order of the sort tools: how two blank-padded fields in Windows-1253 compare.
// First without case and accents (Latin letters before Greek ones), then byte for byte.

#include <QByteArray>
#include <QByteArrayView>

namespace sorting {

// The field with each byte replaced by its rank at the first comparison: upper and lower case
// share a rank, Greek accented vowels share their plain vowel's, final sigma shares sigma's.
// Comparing two such keys byte for byte (unsigned) gives the first comparison.
QByteArray primaryKey(QByteArrayView field);

// Negative, zero or positive as `a` sorts before, with or after `b`: the first comparison, and on
// a tie the exact bytes. Zero only for identical fields.
int compareFields(QByteArrayView a, QByteArrayView b);

}  // namespace sorting
