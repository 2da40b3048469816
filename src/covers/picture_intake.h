#pragma once
// A picture from a file, a drop or the clipboard turned into the JPEG bytes stored as a cover:
// a small upright JPEG as it is, anything else scaled down, turned upright and encoded anew.

#include <QByteArray>
#include <QImage>
#include <QString>

namespace covers {

// The longest side a stored cover has; larger pictures are scaled down to it, never up.
inline constexpr int kLongSide = 1600;
// Larger pictures are refused before any of their pixels are read.
inline constexpr qint64 kMaxPixels = 100'000'000;
inline constexpr int kJpegQuality = 90;

// The JPEG to store, or why the picture was refused (a sentence naming its source).
struct Picture {
    QByteArray jpeg;
    QString error;
    bool copied = false;  // `jpeg` holds the original bytes, not a new encoding
    bool ok() const { return error.isEmpty(); }
};

// `path` is shown in the reasons as given.
Picture pictureFromFile(const QString& path);
// Encoded bytes (from a drop); `source` names them in the reasons, e.g. "The dropped picture".
Picture pictureFromData(const QByteArray& data, const QString& source);
// A decoded picture (from the clipboard or a drop); always encoded anew.
Picture pictureFromImage(const QImage& image, const QString& source);

}  // namespace covers
