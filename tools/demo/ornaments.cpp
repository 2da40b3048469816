// Motifs the covers are built from.
#include "ornaments.h"

#include <QFontMetricsF>
#include <QLinearGradient>
#include <QPainterPath>
#include <QRadialGradient>

#include "paint_kit.h"

namespace pictures {

qreal drawLabelMark(QPainter& p, QPointF at, qreal height, QColor ink, Anchor anchor) {
    p.save();
    const QFont font = sansFont(height * 0.5, QFont::Bold);
    QFont spaced = font;
    spaced.setLetterSpacing(QFont::PercentageSpacing, 118);
    const QString name = QStringLiteral("SONVELLA DEMO");
    const qreal textWidth = QFontMetricsF(spaced).horizontalAdvance(name);
    const qreal width = height * 1.25 + textWidth;
    const qreal left = anchor == Anchor::Left    ? at.x()
                       : anchor == Anchor::Right ? at.x() - width
                                                 : at.x() - width / 2;

    // The disc: a ring, a centre dot and a wave running through it.
    const QPointF centre(left + height / 2, at.y() + height / 2);
    const qreal r = height * 0.46;
    p.setPen(QPen(ink, height * 0.08));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(centre, r, r);
    p.setBrush(ink);
    p.setPen(Qt::NoPen);
    p.drawEllipse(centre, r * 0.18, r * 0.18);
    QPainterPath wave;
    wave.moveTo(centre + QPointF(-r * 0.8, r * 0.1));
    wave.cubicTo(centre + QPointF(-r * 0.35, -r * 0.7), centre + QPointF(-r * 0.1, r * 0.9),
                 centre + QPointF(r * 0.25, -r * 0.05));
    wave.cubicTo(centre + QPointF(r * 0.45, -r * 0.5), centre + QPointF(r * 0.65, -r * 0.2),
                 centre + QPointF(r * 0.8, -r * 0.1));
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(ink, height * 0.07, Qt::SolidLine, Qt::RoundCap));
    p.drawPath(wave);

    p.setPen(ink);
    p.setFont(spaced);
    p.drawText(QRectF(left + height * 1.25, at.y(), textWidth + 2, height),
               Qt::AlignLeft | Qt::AlignVCenter, name);
    p.restore();
    return width;
}

qreal drawStaff(QPainter& p, const QRectF& box, QColor ink, qreal penWidth) {
    const qreal gap = box.height() / 4;
    p.setPen(QPen(ink, penWidth));
    for (int i = 0; i < 5; ++i) {
        const qreal y = box.top() + i * gap;
        p.drawLine(QPointF(box.left(), y), QPointF(box.right(), y));
    }
    return gap;
}

void drawMelody(QPainter& p, const QRectF& staffBox, const QList<Note>& notes, QColor ink) {
    const qreal gap = drawStaff(p, staffBox, ink, staffBox.height() / 90);
    const qreal stepX = staffBox.width() / (notes.size() + 1);
    const qreal bottom = staffBox.bottom();
    p.save();
    for (int i = 0; i < notes.size(); ++i) {
        const Note& note = notes[i];
        const QPointF head(staffBox.left() + stepX * (i + 1), bottom - note.step * gap / 2);
        if (note.step <= -2) {  // ledger line
            p.setPen(QPen(ink, gap / 10));
            p.drawLine(head + QPointF(-gap * 0.9, 0), head + QPointF(gap * 0.9, 0));
        }
        p.save();
        p.translate(head);
        p.rotate(-22);
        p.setPen(QPen(ink, gap * 0.14));
        p.setBrush(note.half ? Qt::NoBrush : QBrush(ink));
        p.drawEllipse(QPointF(0, 0), gap * 0.62, gap * 0.42);
        p.restore();
        // Stems up below the middle line, down from it on.
        p.setPen(QPen(ink, gap * 0.1));
        if (note.step < 4)
            p.drawLine(head + QPointF(gap * 0.56, -gap * 0.1),
                       head + QPointF(gap * 0.56, -gap * 3.3));
        else
            p.drawLine(head + QPointF(-gap * 0.56, gap * 0.1),
                       head + QPointF(-gap * 0.56, gap * 3.3));
    }
    p.restore();
}

namespace {

// The outline of a violin-family body, one unit high with its top at y = 0.
QPainterPath bodyOutline() {
    QPainterPath path;
    path.moveTo(0, 0);
    path.cubicTo(0.15, 0, 0.26, 0.05, 0.255, 0.19);
    path.cubicTo(0.25, 0.30, 0.20, 0.33, 0.175, 0.36);
    path.cubicTo(0.15, 0.40, 0.15, 0.50, 0.18, 0.54);
    path.cubicTo(0.21, 0.58, 0.31, 0.60, 0.305, 0.76);
    path.cubicTo(0.30, 0.93, 0.16, 1.0, 0, 1.0);
    path.cubicTo(-0.16, 1.0, -0.30, 0.93, -0.305, 0.76);
    path.cubicTo(-0.31, 0.60, -0.21, 0.58, -0.18, 0.54);
    path.cubicTo(-0.15, 0.50, -0.15, 0.40, -0.175, 0.36);
    path.cubicTo(-0.20, 0.33, -0.25, 0.30, -0.255, 0.19);
    path.cubicTo(-0.26, 0.05, -0.15, 0, 0, 0);
    return path;
}

void drawSoundHole(QPainter& p, qreal x, qreal side, QColor ink) {
    QPainterPath f;
    f.moveTo(x + side * 0.02, 0.42);
    f.cubicTo(x - side * 0.03, 0.48, x + side * 0.05, 0.56, x - side * 0.01, 0.64);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(ink, 0.012, Qt::SolidLine, Qt::RoundCap));
    p.drawPath(f);
    p.setPen(Qt::NoPen);
    p.setBrush(ink);
    p.drawEllipse(QPointF(x + side * 0.025, 0.418), 0.014, 0.014);
    p.drawEllipse(QPointF(x - side * 0.015, 0.645), 0.014, 0.014);
}

}  // namespace

void drawBowedInstrument(QPainter& p, QPointF centre, qreal height, qreal angle, QColor varnish,
                         bool endPin) {
    // The drawing is made in units of the body's length; scroll to body end is 1.62 of them.
    const qreal unit = height / 1.62;
    p.save();
    p.translate(centre);
    p.rotate(angle);
    p.scale(unit, unit);
    p.translate(0, -0.5);

    const QColor ebony(28, 22, 20);
    if (endPin) {
        p.setPen(QPen(QColor(200, 200, 205), 0.018, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(0, 1.0), QPointF(0, 1.16));
    }
    // Neck and scroll.
    p.setPen(Qt::NoPen);
    p.setBrush(varnish.darker(115));
    p.drawRect(QRectF(-0.035, -0.58, 0.07, 0.6));
    p.drawEllipse(QPointF(0, -0.6), 0.055, 0.06);
    p.setBrush(varnish.darker(160));
    p.drawEllipse(QPointF(0, -0.6), 0.028, 0.03);
    p.setPen(QPen(ebony, 0.012));
    for (int i = 0; i < 2; ++i) {
        const qreal y = -0.5 + i * 0.07;
        p.drawLine(QPointF(-0.085, y), QPointF(0.085, y));
    }

    QRadialGradient glow(QPointF(-0.08, 0.3), 0.9);
    glow.setColorAt(0, varnish.lighter(150));
    glow.setColorAt(0.5, varnish);
    glow.setColorAt(1, varnish.darker(190));
    p.setPen(QPen(varnish.darker(260), 0.012));
    p.setBrush(glow);
    p.drawPath(bodyOutline());
    // Purfling just inside the edge.
    p.save();
    p.translate(0, 0.025);
    p.scale(0.94, 0.95);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(varnish.darker(220), 0.006));
    p.drawPath(bodyOutline());
    p.restore();

    drawSoundHole(p, -0.11, -1, ebony);
    drawSoundHole(p, 0.11, 1, ebony);

    // Fingerboard, tailpiece, bridge and strings.
    QPolygonF board;
    board << QPointF(-0.03, -0.46) << QPointF(0.03, -0.46) << QPointF(0.055, 0.38)
          << QPointF(-0.055, 0.38);
    p.setPen(Qt::NoPen);
    p.setBrush(ebony);
    p.drawPolygon(board);
    QPolygonF tail;
    tail << QPointF(-0.07, 0.72) << QPointF(0.07, 0.72) << QPointF(0.03, 0.97)
         << QPointF(-0.03, 0.97);
    p.drawPolygon(tail);
    p.setPen(QPen(QColor(235, 215, 170), 0.014));
    p.drawLine(QPointF(-0.09, 0.6), QPointF(0.09, 0.6));
    p.setPen(QPen(QColor(235, 230, 215), 0.004));
    for (int i = 0; i < 4; ++i) {
        const qreal x0 = -0.018 + i * 0.012;
        const qreal x1 = -0.045 + i * 0.03;
        p.drawLine(QPointF(x0, -0.5), QPointF(x1, 0.74));
    }
    p.restore();
}

void drawKeyboard(QPainter& p, const QRectF& box, int whiteKeys, QColor white, QColor black) {
    const qreal w = box.width() / whiteKeys;
    p.save();
    p.setPen(QPen(black, qMax<qreal>(1, w * 0.06)));
    p.setBrush(white);
    for (int i = 0; i < whiteKeys; ++i)
        p.drawRect(QRectF(box.left() + i * w, box.top(), w, box.height()));
    p.setPen(Qt::NoPen);
    p.setBrush(black);
    // Black keys follow the white ones from C: after C, D, F, G and A.
    for (int i = 0; i < whiteKeys - 1; ++i) {
        const int inOctave = i % 7;
        if (inOctave == 2 || inOctave == 6) continue;
        p.drawRect(
            QRectF(box.left() + (i + 1) * w - w * 0.3, box.top(), w * 0.6, box.height() * 0.6));
    }
    p.restore();
}

void drawBarcode(QPainter& p, const QRectF& box, unsigned seed, QColor ink) {
    p.save();
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    p.drawRect(box);
    const QRectF bars = box.adjusted(box.width() * 0.08, box.height() * 0.08, -box.width() * 0.08,
                                     -box.height() * 0.3);
    Dice dice(seed);
    const qreal module = bars.width() / 95;
    qreal x = bars.left();
    bool dark = true;
    p.setBrush(ink);
    while (x < bars.right() - module * 3) {
        const qreal width = module * (1 + static_cast<int>(dice.next() * 3));
        if (dark) p.drawRect(QRectF(x, bars.top(), width, bars.height()));
        x += width;
        dark = !dark;
    }
    QString digits;
    for (int i = 0; i < 13; ++i) digits += QChar(u'0' + static_cast<int>(dice.next() * 10));
    digits.insert(7, u' ').insert(1, u' ');
    p.setPen(ink);
    p.setFont(sansFont(box.height() * 0.18));
    p.drawText(QRectF(box.left(), bars.bottom(), box.width(), box.bottom() - bars.bottom()),
               Qt::AlignCenter, digits);
    p.restore();
}

void drawStars(QPainter& p, const QRectF& box, int count, unsigned seed, QColor colour) {
    Dice dice(seed);
    p.save();
    p.setPen(Qt::NoPen);
    for (int i = 0; i < count; ++i) {
        const QPointF at(dice.between(box.left(), box.right()),
                         dice.between(box.top(), box.bottom()));
        const qreal r = dice.between(0.5, 1.8);
        QColor c = colour;
        c.setAlphaF(dice.between(0.35, 1.0));
        p.setBrush(c);
        p.drawEllipse(at, r, r);
    }
    p.restore();
}

}  // namespace pictures
