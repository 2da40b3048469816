#pragma once
// Small drawing helpers shared by every picture: fonts by pixel size, text that shrinks to fit its
// box, saving a JPEG, and a repeatable sequence of pseudo-random numbers.

#include <QColor>
#include <QFont>
#include <QImage>
#include <QPainter>
#include <QRectF>
#include <QSizeF>
#include <QString>
#include <cstdint>

namespace pictures {

// The two families the pictures use; DejaVu has Greek letters as well as Latin ones.
QFont serifFont(qreal pixelSize, int weight = QFont::Normal, bool italic = false);
QFont sansFont(qreal pixelSize, int weight = QFont::Normal);

// Draws text into a box with the given alignment, shrinking the font (never below half its size)
// until the text fits the box's width. Returns the font it drew with.
QFont drawFitted(QPainter& p, const QRectF& box, int flags, const QString& text, QFont font);

// drawFitted() in the given colour.
void drawInk(QPainter& p, const QRectF& box, int flags, const QString& text, const QFont& font,
             QColor ink);

// Scales the painter so that a picture designed in `design` units fills a picture of `size`.
void scaleToDesign(QPainter& p, QSizeF size, QSizeF design);

// Draws text with letters spaced apart by `spacing` percent (100 is normal), shrunk to fit as
// drawFitted() does.
void drawSpaced(QPainter& p, const QRectF& box, int flags, const QString& text, QFont font,
                qreal spacing);

// Text in capitals, as they are set on a cover: Greek capitals lose their accents.
QString capitals(const QString& text);

// A fresh image of that size, filled with a colour, ready for an antialiased painter.
QImage canvas(int width, int height, QColor fill);

// Saves a picture as a baseline JPEG; throws std::runtime_error when that fails.
void saveJpeg(const QImage& image, const QString& path, int quality);
void savePng(const QImage& image, const QString& path);

// A small linear congruential generator: the same seed gives the same numbers everywhere.
class Dice {
public:
    explicit Dice(std::uint32_t seed) : state_(seed) {}
    // A number from 0 up to (not including) 1.
    qreal next();
    qreal between(qreal low, qreal high) { return low + (high - low) * next(); }

private:
    std::uint32_t state_;
};

}  // namespace pictures
