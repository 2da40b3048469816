#include "covers/picture_intake.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QImageReader>
#include <QPainter>

#include <algorithm>
#include <iterator>

namespace covers {

namespace {

// The formats a cover may come in, as QImageReader names them (WebP through Qt's image-formats
// plugins).
const char* const kFormats[] = {"jpeg", "png", "bmp", "gif", "webp"};

// Qt's own limit (128 MB) refuses RGB photos from about 32 megapixels, which some formats decode
// whole before they are scaled: allow what the largest picture taken needs at 8 bytes a pixel.
constexpr int kAllocationLimitMb = static_cast<int>(kMaxPixels * 8 / (1024 * 1024)) + 1;

bool isCoverFormat(const QByteArray& format) {
    return std::any_of(std::begin(kFormats), std::end(kFormats),
                       [&](const char* f) { return format == f; });
}

bool fits(QSize size) {
    return std::max(size.width(), size.height()) <= kLongSide;
}

QSize fitted(QSize size) {
    return size.scaled(kLongSide, kLongSide, Qt::KeepAspectRatio).expandedTo(QSize(1, 1));
}

Picture refused(const QString& reason) {
    Picture picture;
    picture.error = reason;
    return picture;
}

Picture notAPicture(const QString& source) {
    return refused(QStringLiteral("%1: not a picture Sonvella can read.").arg(source));
}

Picture damaged(const QString& source) {
    return refused(QStringLiteral("%1: the picture is damaged or incomplete, and Sonvella cannot "
                                  "read it.")
                       .arg(source));
}

// Checked before a pixel is read: the header's size alone decides.
bool tooLarge(QSize size) {
    return static_cast<qint64>(size.width()) * size.height() > kMaxPixels;
}

Picture refusedAsTooLarge(const QString& source, QSize size) {
    return refused(QStringLiteral("%1: the picture has %2 x %3 pixels, more than the 100 "
                                  "megapixels Sonvella takes.")
                       .arg(source)
                       .arg(size.width())
                       .arg(size.height()));
}

Picture encoded(QImage image, const QString& source) {
    if (!fits(image.size())) {
        image = image.scaled(fitted(image.size()), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    }
    if (image.hasAlphaChannel()) {
        // JPEG has no transparency: what shows through is white, as on paper.
        QImage flat(image.size(), QImage::Format_RGB32);
        flat.fill(Qt::white);
        QPainter(&flat).drawImage(0, 0, image);
        image = flat;
    } else if (image.format() != QImage::Format_Grayscale8) {
        image.convertTo(QImage::Format_RGB32);
    }
    Picture picture;
    QBuffer buffer(&picture.jpeg);
    buffer.open(QIODevice::WriteOnly);
    if (!image.save(&buffer, "JPEG", kJpegQuality)) {
        return refused(QStringLiteral("%1: the picture cannot be converted to JPEG.").arg(source));
    }
    return picture;
}

Picture fromDevice(QIODevice& device, const QString& source) {
    QImageReader reader(&device);
    reader.setDecideFormatFromContent(true);
    // Asked first: the reader forgets it once it has read the picture.
    const QByteArray format = reader.format();
    if (!isCoverFormat(format)) return notAPicture(source);
    const QSize size = reader.size();
    if (!size.isValid()) return damaged(source);
    if (tooLarge(size)) return refusedAsTooLarge(source, size);

    reader.setAutoTransform(true);
    // No rotation and no mirroring: the EXIF orientation is missing, unreadable or 1.
    const bool upright = reader.transformation() == QImageIOHandler::TransformationNone;
    if (!fits(size)) reader.setScaledSize(fitted(size));
    reader.setAllocationLimit(kAllocationLimitMb);
    const QImage image = reader.read();
    if (image.isNull()) return damaged(source);

    if (format == "jpeg" && upright && fits(size) && device.seek(0)) {
        Picture picture;
        picture.jpeg = device.readAll();
        picture.copied = true;
        return picture;
    }
    return encoded(image, source);
}

}  // namespace

Picture pictureFromFile(const QString& path) {
    const QString source = QDir::toNativeSeparators(path);
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return refused(
            QStringLiteral("%1: cannot be opened (%2).").arg(source, file.errorString()));
    }
    return fromDevice(file, source);
}

Picture pictureFromData(const QByteArray& data, const QString& source) {
    QBuffer buffer;
    buffer.setData(data);
    buffer.open(QIODevice::ReadOnly);
    return fromDevice(buffer, source);
}

Picture pictureFromImage(const QImage& image, const QString& source) {
    if (image.isNull()) return notAPicture(source);
    if (tooLarge(image.size())) return refusedAsTooLarge(source, image.size());
    return encoded(image, source);
}

}  // namespace covers
