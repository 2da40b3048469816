#pragma once
// Writing a whole buffer to a device: a write that stops short (a full disk, a file-size limit)
// returns what it wrote without an error, and only the next write, for the rest, tells why.

#include <QByteArrayView>
#include <QIODevice>

namespace common {

// Writes all of `data`; false when a write fails, and the device's errorString() says why.
bool writeAll(QIODevice& device, QByteArrayView data);

}  // namespace common
