// The application icon, in the colours of the splash picture: a dark record with a red label and
// a golden note.
#include "app_icon.h"

#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

namespace pictures {

namespace {

void drawRecord(QPainter& p, QPointF centre, qreal radius) {
    const QColor body(30, 30, 34);
    QRadialGradient shine(centre - QPointF(radius * 0.25, radius * 0.25), radius * 1.3);
    shine.setColorAt(0.0, body.lighter(230));
    shine.setColorAt(0.4, body);
    shine.setColorAt(1.0, body.darker(160));
    p.setBrush(shine);
    p.setPen(QPen(QColor(8, 8, 10), radius * 0.02));
    p.drawEllipse(centre, radius, radius);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(255, 255, 255, 40), radius * 0.008));
    for (qreal r = radius * 0.4; r < radius * 0.96; r += radius * 0.045)
        p.drawEllipse(centre, r, r);
    // Light caught by the grooves above left and below right.
    QPainterPath ring;
    ring.addEllipse(centre, radius * 0.95, radius * 0.95);
    ring.addEllipse(centre, radius * 0.38, radius * 0.38);
    QConicalGradient sheen(centre, 135);
    const QColor bright(255, 255, 255, 80), none(255, 255, 255, 0);
    sheen.setColorAt(0.0, bright);
    sheen.setColorAt(0.07, none);
    sheen.setColorAt(0.43, none);
    sheen.setColorAt(0.5, bright);
    sheen.setColorAt(0.57, none);
    sheen.setColorAt(0.93, none);
    sheen.setColorAt(1.0, bright);
    p.setPen(Qt::NoPen);
    p.setBrush(sheen);
    p.drawPath(ring);

    QRadialGradient label(centre, radius * 0.32);
    label.setColorAt(0, QColor(228, 70, 60));
    label.setColorAt(1, QColor(176, 30, 30));
    p.setBrush(label);
    p.drawEllipse(centre, radius * 0.32, radius * 0.32);
    p.setPen(QPen(QColor(255, 215, 120, 160), radius * 0.012));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(centre, radius * 0.27, radius * 0.27);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(240, 240, 240));
    p.drawEllipse(centre, radius * 0.045, radius * 0.045);
}

// An eighth note: a tilted head, a stem and a flag, `h` high with its head at `at`.
QPainterPath notePath(QPointF at, qreal h) {
    QPainterPath head;
    head.addEllipse(QPointF(0, 0), h * 0.25, h * 0.17);
    QTransform tilt;
    tilt.translate(at.x(), at.y());
    tilt.rotate(-22);
    QPainterPath note = tilt.map(head);
    const qreal stemX = at.x() + h * 0.205;
    note.addRect(QRectF(stemX, at.y() - h, h * 0.07, h * 0.96));
    QPainterPath flag;
    flag.moveTo(stemX, at.y() - h);
    flag.cubicTo(stemX + h * 0.06, at.y() - h * 0.78, stemX + h * 0.42, at.y() - h * 0.7,
                 stemX + h * 0.3, at.y() - h * 0.38);
    flag.cubicTo(stemX + h * 0.34, at.y() - h * 0.62, stemX + h * 0.12, at.y() - h * 0.72,
                 stemX + h * 0.05, at.y() - h * 0.74);
    flag.closeSubpath();
    return note.united(flag);
}

}  // namespace

QImage drawAppIcon(int size) {
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const qreal s = size / 256.0;
    p.scale(s, s);

    drawRecord(p, QPointF(112, 114), 102);

    const QPainterPath note = notePath(QPointF(170, 216), 144);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 70));
    p.drawPath(note.translated(4, 5));
    QLinearGradient gold(130, 60, 230, 240);
    gold.setColorAt(0, QColor(255, 232, 150));
    gold.setColorAt(1, QColor(232, 168, 60));
    p.setPen(QPen(QColor(110, 70, 20), 4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(gold);
    p.drawPath(note);
    return image;
}

}  // namespace pictures
