#pragma once
// Motifs the covers are built from: the made-up "Sonvella demo" label mark, staves and notes,
// stylised bowed instruments, a piano keyboard, a barcode and a night sky.

#include <QColor>
#include <QList>
#include <QPainter>
#include <QRectF>

namespace pictures {

// The label mark: a small disc with a wave through it and "SONVELLA DEMO" beside it, `height`
// pixels high, with its top at at.y() and its left edge, middle or right edge at at.x().
enum class Anchor { Left, Middle, Right };
qreal drawLabelMark(QPainter& p, QPointF at, qreal height, QColor ink,
                    Anchor anchor = Anchor::Left);

// Five staff lines filling the height of the box; returns the distance between two lines.
qreal drawStaff(QPainter& p, const QRectF& box, QColor ink, qreal penWidth);

// A melody on a staff drawn into the box: each step counts lines and spaces up from the bottom
// line (0 is the bottom line, -2 the ledger line below). A negative length draws a half note.
struct Note {
    int step;
    bool half = false;
};
void drawMelody(QPainter& p, const QRectF& staffBox, const QList<Note>& notes, QColor ink);

// A violin-family instrument standing on its end pin, `height` pixels from scroll to the bottom of
// its body, turned by `angle` degrees around `centre`, the middle of its body.
void drawBowedInstrument(QPainter& p, QPointF centre, qreal height, qreal angle, QColor varnish,
                         bool endPin);

// A piano keyboard of `whiteKeys` keys filling the box.
void drawKeyboard(QPainter& p, const QRectF& box, int whiteKeys, QColor white, QColor black);

// A barcode of made-up bars (the same for the same seed) with its digits beneath.
void drawBarcode(QPainter& p, const QRectF& box, unsigned seed, QColor ink);

// Small stars scattered over the box (the same for the same seed).
void drawStars(QPainter& p, const QRectF& box, int count, unsigned seed, QColor colour);

}  // namespace pictures
