#pragma once
// Reading a picture file (a media icon, a cover) without ever waiting on it: only a regular file
// is opened, so a FIFO in a picture's place cannot hold the window.

#include <QImage>
#include <QString>

namespace record {

// The picture, or a null image when the file cannot be opened or decoded.
QImage readPictureFile(const QString& path);

}  // namespace record
