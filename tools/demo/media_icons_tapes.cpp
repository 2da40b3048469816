// The icons of the tapes and cartridges: the open reel, the four cassettes and the MiniDisc.
#include <QConicalGradient>
#include <QLinearGradient>
#include <QPainterPath>

#include "media_icon_parts.h"

namespace pictures::icons {

namespace {

// A plastic shell with a soft top-to-bottom shade and rounded corners.
void drawShell(QPainter& p, const QRectF& box, QColor colour, qreal corner = 2.5) {
    QLinearGradient shade(box.topLeft(), box.bottomLeft());
    shade.setColorAt(0, colour.lighter(135));
    shade.setColorAt(1, colour.darker(125));
    p.setPen(QPen(colour.darker(220), 0.8));
    p.setBrush(shade);
    p.drawRoundedRect(box, corner, corner);
}

// A tape hub seen through a window: a white ring round a dark spindle hole.
void drawHub(QPainter& p, QPointF centre, qreal radius) {
    p.setPen(QPen(QColor(90, 90, 90), 0.5));
    p.setBrush(QColor(245, 245, 240));
    p.drawEllipse(centre, radius, radius);
    p.setBrush(QColor(40, 40, 40));
    p.drawEllipse(centre, radius * 0.55, radius * 0.55);
}

// Brushed metal: a grey gradient with fine horizontal lines.
void drawMetal(QPainter& p, const QRectF& box) {
    QLinearGradient steel(box.topLeft(), box.bottomLeft());
    steel.setColorAt(0, QColor(235, 237, 240));
    steel.setColorAt(0.5, QColor(175, 180, 188));
    steel.setColorAt(1, QColor(215, 218, 224));
    p.setPen(QPen(QColor(100, 105, 112), 0.6));
    p.setBrush(steel);
    p.drawRect(box);
    p.setPen(QPen(QColor(255, 255, 255, 90), 0.5));
    for (qreal y = box.top() + 2; y < box.bottom() - 1; y += 2)
        p.drawLine(QPointF(box.left() + 1, y), QPointF(box.right() - 1, y));
}

// A window of smoked plastic.
void drawWindow(QPainter& p, const QRectF& box) {
    p.setPen(QPen(QColor(20, 20, 20), 0.6));
    p.setBrush(QColor(60, 58, 55));
    p.drawRoundedRect(box, 1.5, 1.5);
}

}  // namespace

void drawCompactCassette(QPainter& p) {
    const QRectF body(1, 8, 46, 32);
    drawShell(p, body, QColor(80, 80, 88));
    // The head opening at the bottom edge.
    QPainterPath ramp;
    ramp.moveTo(10, 40);
    ramp.lineTo(13.5, 33.5);
    ramp.lineTo(34.5, 33.5);
    ramp.lineTo(38, 40);
    p.setPen(QPen(QColor(30, 30, 34), 0.6));
    p.setBrush(QColor(110, 110, 118));
    p.drawPath(ramp);
    p.setBrush(QColor(30, 30, 34));
    p.drawEllipse(QPointF(17, 37), 1.1, 1.1);
    p.drawEllipse(QPointF(31, 37), 1.1, 1.1);

    const QRectF label(4, 10.5, 40, 21);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(250, 240, 215));
    p.drawRoundedRect(label, 1.5, 1.5);
    p.setBrush(QColor(215, 50, 40));
    p.drawRect(QRectF(label.left(), label.top() + 0.5, label.width(), 2));
    drawCaption(p, QRectF(4, 13, 40, 9), QStringLiteral("MC"), QColor(170, 30, 25), 10);
    drawWindow(p, QRectF(12, 22.5, 24, 8));
    drawHub(p, QPointF(16.5, 26.5), 3.3);
    drawHub(p, QPointF(31.5, 26.5), 3.3);
    // Brown tape wound on the left hub.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(110, 70, 40));
    p.drawChord(QRectF(19.5, 23, 6, 7), -90 * 16, 180 * 16);
}

void drawDcc(QPainter& p) {
    const QRectF body(1, 8, 46, 32);
    drawShell(p, body, QColor(150, 158, 172));
    const QRectF label(4, 10.5, 40, 13);
    p.setPen(QPen(QColor(15, 30, 80), 0.6));
    p.setBrush(QColor(25, 55, 135));
    p.drawRoundedRect(label, 1.5, 1.5);
    drawCaption(p, label, QStringLiteral("DCC"), Qt::white, 11);
    // The sliding metal shutter over the whole front edge.
    drawMetal(p, QRectF(2, 25.5, 44, 13));
    p.setPen(QPen(QColor(80, 85, 92), 0.8));
    p.drawLine(QPointF(9, 32), QPointF(39, 32));
}

void drawDatCassette(QPainter& p) {
    const QRectF body(5, 8, 38, 31);
    drawShell(p, body, QColor(38, 38, 44), 2);
    drawWindow(p, QRectF(9, 11, 30, 9));
    p.setBrush(QColor(25, 25, 25));
    drawHub(p, QPointF(16.5, 15.5), 2.8);
    drawHub(p, QPointF(31.5, 15.5), 2.8);
    const QRectF label(8, 23, 32, 13);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(245, 245, 245));
    p.drawRoundedRect(label, 1.5, 1.5);
    drawCaption(p, label, QStringLiteral("DAT"), QColor(20, 20, 20), 11);
}

void drawVideoCassette(QPainter& p) {
    const QRectF body(0.5, 9, 47, 30);
    drawShell(p, body, QColor(34, 34, 38), 1.5);
    // Two large tape packs, one full and one nearly empty, under a wide window.
    const QRectF window(5, 11.5, 38, 14);
    drawWindow(p, window);
    p.save();
    p.setClipRect(window.adjusted(0.6, 0.6, -0.6, -0.6));
    p.setPen(QPen(QColor(15, 12, 10), 0.5));
    p.setBrush(QColor(96, 66, 42));
    p.drawEllipse(QPointF(14, 18.5), 9, 9);
    p.drawEllipse(QPointF(34, 18.5), 5, 5);
    drawHub(p, QPointF(14, 18.5), 3);
    drawHub(p, QPointF(34, 18.5), 3);
    p.restore();
    const QRectF label(3.5, 27.5, 41, 9.5);
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    p.drawRect(label);
    drawCaption(p, label, QStringLiteral("VIDEO"), QColor(20, 20, 20), 9);
}

void drawMiniDisc(QPainter& p) {
    // A nearly square cartridge of clear coloured plastic with the disc showing through it.
    const QRectF body(4.5, 3.5, 39, 41);
    QLinearGradient shade(body.topLeft(), body.bottomRight());
    shade.setColorAt(0, QColor(190, 120, 230));
    shade.setColorAt(1, QColor(100, 40, 150));
    p.setPen(QPen(QColor(60, 20, 90), 0.8));
    p.setBrush(shade);
    p.drawRoundedRect(body, 5, 5);

    const QPointF centre(24, 18.5);
    QConicalGradient silver(centre, 20);
    silver.setColorAt(0, QColor(235, 235, 240));
    silver.setColorAt(0.25, QColor(170, 200, 240));
    silver.setColorAt(0.5, QColor(240, 225, 245));
    silver.setColorAt(0.75, QColor(175, 175, 190));
    silver.setColorAt(1, QColor(235, 235, 240));
    p.setPen(QPen(QColor(70, 40, 100), 0.6));
    p.setBrush(silver);
    p.drawEllipse(centre, 13, 13);
    p.setBrush(QColor(200, 200, 206));
    p.drawEllipse(centre, 4.5, 4.5);
    p.setBrush(QColor(60, 60, 66));
    p.drawEllipse(centre, 1.5, 1.5);

    // The arrow that shows which way in, and the label.
    QPolygonF arrow;
    arrow << QPointF(7.5, 6.5) << QPointF(12.5, 6.5) << QPointF(10, 10.5);
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    p.drawPolygon(arrow);
    const QRectF label(8, 33, 32, 10);
    p.drawRoundedRect(label, 1.5, 1.5);
    drawCaption(p, label, QStringLiteral("MD"), QColor(90, 30, 130), 10);
}

void drawReel(QPainter& p) {
    const QPointF centre(kIconSize / 2.0, kIconSize / 2.0);
    const qreal flange = 22.5;
    // The wound tape behind the flange.
    p.setPen(QPen(QColor(50, 30, 20), 0.6));
    p.setBrush(QColor(110, 68, 40));
    p.drawEllipse(centre, 15.5, 15.5);
    p.setPen(QPen(QColor(150, 100, 60), 0.5));
    p.setBrush(Qt::NoBrush);
    for (qreal r = 8; r < 15; r += 2.2) p.drawEllipse(centre, r, r);

    // The metal flange with three wide windows.
    QPainterPath metal;
    metal.addEllipse(centre, flange, flange);
    QPainterPath windows;
    for (int i = 0; i < 3; ++i) {
        const qreal start = 90 + i * 120 + 20;
        QPainterPath window;
        window.arcMoveTo(QRectF(centre.x() - 19.5, centre.y() - 19.5, 39, 39), start);
        window.arcTo(QRectF(centre.x() - 19.5, centre.y() - 19.5, 39, 39), start, 80);
        window.arcTo(QRectF(centre.x() - 7.5, centre.y() - 7.5, 15, 15), start + 80, -80);
        window.closeSubpath();
        windows.addPath(window);
    }
    metal = metal.subtracted(windows);
    QLinearGradient alloy(0, 0, kIconSize, kIconSize);
    alloy.setColorAt(0, QColor(225, 230, 238));
    alloy.setColorAt(0.5, QColor(150, 160, 175));
    alloy.setColorAt(1, QColor(205, 212, 222));
    p.setPen(QPen(QColor(70, 78, 90), 0.8));
    p.setBrush(alloy);
    p.drawPath(metal);

    p.setBrush(QColor(245, 245, 245));
    p.drawEllipse(centre, 4.5, 4.5);
    p.setBrush(QColor(60, 60, 60));
    p.setPen(Qt::NoPen);
    p.drawEllipse(centre, 1.8, 1.8);
}

}  // namespace pictures::icons
