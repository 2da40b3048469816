#pragma once
// Which icon shows the kind of medium named in a record's Identity, and what that kind is called.

#include <QByteArrayView>
#include <QString>
#include <QStringList>

namespace record {

// The icon file (a bare name, found in the current directory) for an Identity as stored, blank
// padding included; the empty text when no kind of medium is named. The tests are made in order,
// case-sensitively, and the first that matches wins.
QString mediaIconFor(QByteArrayView identity);

// The kinds of medium the icons tell apart, by the same tests: their names ("CD", "LP", ...) in
// the order of the tests, and which of them an Identity names (-1: none of them).
constexpr int kMediaKinds = 13;
const QStringList& mediaKindNames();
int mediaKindOf(QByteArrayView identity);
// The icon file of a kind (0 to kMediaKinds - 1).
QString mediaIconFile(int kind);

}  // namespace record
