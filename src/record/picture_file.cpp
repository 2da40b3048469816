#include "record/picture_file.h"

#include <QFile>
#include <QImageReader>

#include "common/regular_file.h"

namespace record {

QImage readPictureFile(const QString& path) {
    QFile file(path);
    if (!common::openRegularFile(file, QIODevice::ReadOnly)) return {};
    QImageReader reader(&file);
    return reader.read();
}

}  // namespace record
