#pragma once
// Which icon shows the kind of medium named in a record's Identity.

#include <QByteArrayView>
#include <QString>

namespace record {

// The icon file (a bare name, found in the current directory) for an Identity as stored, blank
// padding included; the empty text when no kind of medium is named. The tests are made in order,
// case-sensitively, and the first that matches wins.
QString mediaIconFor(QByteArrayView identity);

}  // namespace record
