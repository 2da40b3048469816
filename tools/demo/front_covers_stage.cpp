// The front covers of the records and the DVD of the demo collection. Each is drawn on a design
// of fixed units (700 square for the records, 540 by 760 for the DVD case) scaled to the picture.
#include <QLinearGradient>
#include <QPainterPath>
#include <QRadialGradient>
#include <QtMath>

#include "front_covers.h"
#include "ornaments.h"
#include "paint_kit.h"

namespace pictures {

using namespace Qt::StringLiterals;

namespace {

// A round tower on a square bastion with a statue on top, in silhouette.
void drawCastle(QPainter& p, QColor shade) {
    p.setPen(Qt::NoPen);
    p.setBrush(shade);
    p.drawRect(QRectF(120, 440, 460, 90));   // the bastion
    p.drawRect(QRectF(205, 330, 290, 115));  // the drum
    p.drawEllipse(QRectF(205, 315, 290, 30));
    p.drawRect(QRectF(285, 262, 130, 70));  // the upper storeys
    p.drawRect(QRectF(330, 228, 40, 36));   // the pavilion
    // The statue: a standing figure with spread wings.
    QPainterPath angel;
    angel.moveTo(344, 228);
    angel.lineTo(350, 184);
    angel.lineTo(356, 228);
    angel.closeSubpath();
    angel.addEllipse(QPointF(350, 180), 5, 5);
    angel.moveTo(350, 196);
    angel.lineTo(326, 170);
    angel.lineTo(340, 206);
    angel.closeSubpath();
    angel.moveTo(350, 196);
    angel.lineTo(374, 170);
    angel.lineTo(360, 206);
    angel.closeSubpath();
    p.drawPath(angel);
    // Battlements along the bastion and a few lit windows.
    for (int i = 0; i < 12; ++i) p.drawRect(QRectF(124 + i * 39, 430, 20, 12));
    p.setBrush(QColor(250, 200, 110, 200));
    for (int i = 0; i < 5; ++i) p.drawRect(QRectF(238 + i * 52, 372, 8, 14));
    p.drawRect(QRectF(312, 290, 7, 12));
    p.drawRect(QRectF(381, 290, 7, 12));
}

// The dark bridge before the castle, its arches open over the river.
void drawBridge(QPainter& p, QColor shade) {
    QPainterPath bridge;
    bridge.addRect(QRectF(0, 515, 700, 50));
    for (int i = 0; i < 5; ++i) {
        QPainterPath arch;
        arch.addEllipse(QRectF(30 + i * 135, 535, 100, 70));
        bridge = bridge.subtracted(arch);
    }
    p.setPen(Qt::NoPen);
    p.setBrush(shade);
    p.drawPath(bridge);
}

}  // namespace

void drawToscaFront(QPainter& p, QSizeF size) {
    scaleToDesign(p, size, {700, 700});
    QRadialGradient dusk(QPointF(480, 200), 700);
    dusk.setColorAt(0, QColor(140, 28, 36));
    dusk.setColorAt(0.5, QColor(64, 8, 20));
    dusk.setColorAt(1, QColor(14, 2, 8));
    p.fillRect(QRectF(0, 0, 700, 700), dusk);
    drawStars(p, QRectF(0, 0, 700, 330), 90, 1800, QColor(255, 230, 200));

    const QPointF moon(568, 180);
    QRadialGradient halo(moon, 170);
    halo.setColorAt(0, QColor(255, 230, 190, 150));
    halo.setColorAt(1, QColor(255, 230, 190, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(halo);
    p.drawEllipse(moon, 170, 170);
    p.setBrush(QColor(252, 238, 208));
    p.drawEllipse(moon, 70, 70);

    p.fillRect(QRectF(0, 540, 700, 160), QColor(36, 6, 16));
    const QColor shade(18, 4, 10);
    drawCastle(p, shade);
    drawBridge(p, shade);

    const QColor gold(232, 192, 112), cream(252, 238, 212);
    p.setPen(gold);
    drawSpaced(p, QRectF(50, 30, 400, 28), Qt::AlignLeft | Qt::AlignVCenter, u"GIACOMO PUCCINI"_s,
               sansFont(22, QFont::Bold), 135);
    drawInk(p, QRectF(44, 56, 420, 120), Qt::AlignLeft | Qt::AlignVCenter, u"Tosca"_s,
            serifFont(116, QFont::Bold, true), cream);

    p.setPen(Qt::white);
    drawSpaced(p, QRectF(0, 580, 700, 40), Qt::AlignCenter, u"MARIA CALLAS"_s,
               sansFont(34, QFont::Bold), 118);
    drawInk(p, QRectF(40, 620, 620, 28), Qt::AlignCenter, u"Giuseppe Di Stefano  ·  Tito Gobbi"_s,
            serifFont(22, QFont::Normal, true), cream);
    drawInk(p, QRectF(40, 648, 620, 24), Qt::AlignCenter,
            u"Coro e Orchestra del Teatro alla Scala  ·  Victor de Sabata"_s, sansFont(16), gold);
    drawLabelMark(p, QPointF(24, 674), 16, QColor(220, 200, 190));
    drawInk(p, QRectF(600, 672, 76, 20), Qt::AlignRight | Qt::AlignVCenter, u"2 LP"_s,
            sansFont(15, QFont::Bold), QColor(220, 200, 190));
}

void drawNinthFront(QPainter& p, QSizeF size) {
    scaleToDesign(p, size, {700, 700});
    QLinearGradient night(0, 0, 0, 700);
    night.setColorAt(0, QColor(12, 20, 52));
    night.setColorAt(1, QColor(34, 44, 96));
    p.fillRect(QRectF(0, 0, 700, 700), night);
    // A sunburst rising from below the picture.
    const QPointF origin(350, 820);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(232, 196, 110, 22));
    for (int i = 0; i < 36; i += 2) {
        QPainterPath ray;
        ray.moveTo(origin);
        ray.arcTo(QRectF(origin.x() - 1100, origin.y() - 1100, 2200, 2200), i * 5.0, 5.0);
        ray.closeSubpath();
        p.drawPath(ray);
    }

    const QColor gold(234, 198, 112), cream(246, 238, 220);
    p.setPen(gold);
    drawSpaced(p, QRectF(0, 46, 700, 100), Qt::AlignCenter, u"BEETHOVEN"_s,
               serifFont(84, QFont::Bold), 106);
    drawInk(p, QRectF(0, 146, 700, 60), Qt::AlignCenter, u"Symphonie Nr. 9"_s, serifFont(46),
            cream);

    // The joy theme: E E F G G F E D C C D E E D D.
    drawMelody(
        p, QRectF(70, 290, 560, 80),
        {{0}, {0}, {1}, {2}, {2}, {1}, {0}, {-1}, {-2}, {-2}, {-1}, {0}, {0}, {-1}, {-1, true}},
        gold);
    drawInk(p, QRectF(0, 418, 700, 44), Qt::AlignCenter, u"»An die Freude«"_s,
            serifFont(32, QFont::Normal, true), cream);

    drawInk(p, QRectF(40, 492, 620, 26), Qt::AlignCenter,
            u"Gundula Janowitz  ·  Hilde Roessel-Majdan  ·  Waldemar Kmentt  ·  Walter Berry"_s,
            sansFont(17), cream);
    drawInk(p, QRectF(40, 520, 620, 26), Qt::AlignCenter, u"Wiener Singverein"_s, sansFont(17),
            cream);
    p.setPen(gold);
    drawSpaced(p, QRectF(0, 566, 700, 32), Qt::AlignCenter, u"BERLINER PHILHARMONIKER"_s,
               sansFont(24, QFont::Bold), 118);
    p.setPen(Qt::white);
    drawSpaced(p, QRectF(0, 600, 700, 50), Qt::AlignCenter, u"HERBERT VON KARAJAN"_s,
               sansFont(38, QFont::Bold), 106);
    drawLabelMark(p, QPointF(350, 666), 18, gold, Anchor::Middle);
}

void drawFigaroFront(QPainter& p, QSizeF size) {
    scaleToDesign(p, size, {540, 760});
    const QColor gold(226, 186, 96), cream(250, 240, 220);
    p.fillRect(QRectF(0, 0, 540, 760), QColor(22, 6, 10));
    // The lit stage and its boards.
    QRadialGradient spot(QPointF(270, 420), 260);
    spot.setColorAt(0, QColor(255, 226, 150, 210));
    spot.setColorAt(0.6, QColor(150, 70, 40, 90));
    spot.setColorAt(1, QColor(22, 6, 10, 0));
    p.fillRect(QRectF(0, 60, 540, 560), spot);
    QLinearGradient boards(0, 560, 0, 640);
    boards.setColorAt(0, QColor(120, 72, 36));
    boards.setColorAt(1, QColor(60, 32, 16));
    p.fillRect(QRectF(0, 560, 540, 80), boards);
    p.setPen(QPen(QColor(40, 20, 10), 1));
    for (int i = 1; i < 5; ++i) p.drawLine(QPointF(0, 560 + i * 16), QPointF(540, 560 + i * 16));

    // Two wedding rings in the light.
    for (const qreal x : {238.0, 302.0}) {
        QLinearGradient metal(x - 50, 380, x + 50, 470);
        metal.setColorAt(0, QColor(255, 236, 160));
        metal.setColorAt(0.5, QColor(200, 150, 50));
        metal.setColorAt(1, QColor(255, 226, 140));
        p.setPen(QPen(QBrush(metal), 11));
        p.setBrush(Qt::NoBrush);
        p.drawEllipse(QPointF(x, 430), 48, 48);
    }

    // The curtains, drawn back and tied, with their folds.
    QLinearGradient folds(0, 0, 28, 0);
    folds.setSpread(QGradient::ReflectSpread);
    folds.setColorAt(0, QColor(180, 22, 34));
    folds.setColorAt(1, QColor(92, 6, 16));
    for (int side = 0; side < 2; ++side) {
        QPainterPath curtain;
        curtain.moveTo(0, 60);
        curtain.lineTo(190, 60);
        curtain.cubicTo(150, 260, 70, 380, 50, 460);
        curtain.cubicTo(70, 520, 100, 600, 120, 640);
        curtain.lineTo(0, 640);
        curtain.closeSubpath();
        p.save();
        if (side == 1) {
            p.translate(540, 0);
            p.scale(-1, 1);
        }
        p.setPen(Qt::NoPen);
        p.setBrush(folds);
        p.drawPath(curtain);
        p.setBrush(gold);
        p.drawRoundedRect(QRectF(30, 452, 34, 14), 6, 6);
        p.restore();
    }
    // The valance with its scalloped edge.
    QPainterPath valance;
    valance.addRect(QRectF(0, 60, 540, 60));
    for (int i = 0; i < 9; ++i) {
        QPainterPath scallop;
        scallop.addEllipse(QRectF(i * 60, 96, 60, 44));
        valance = valance.united(scallop);
    }
    p.setBrush(QColor(150, 16, 28));
    p.setPen(QPen(gold, 2));
    p.drawPath(valance);
    p.setPen(gold);
    drawSpaced(p, QRectF(0, 70, 540, 34), Qt::AlignCenter, u"WOLFGANG AMADEUS MOZART"_s,
               sansFont(19, QFont::Bold), 130);

    drawInk(p, QRectF(110, 176, 320, 70), Qt::AlignCenter, u"Le nozze"_s,
            serifFont(58, QFont::Bold, true), cream);
    drawInk(p, QRectF(110, 240, 320, 70), Qt::AlignCenter, u"di Figaro"_s,
            serifFont(58, QFont::Bold, true), cream);

    // The top and bottom bands of the case.
    p.fillRect(QRectF(0, 0, 540, 60), QColor(12, 10, 12));
    p.setPen(Qt::white);
    drawSpaced(p, QRectF(24, 0, 300, 60), Qt::AlignLeft | Qt::AlignVCenter, u"DVD VIDEO"_s,
               sansFont(22, QFont::Bold), 120);
    drawInk(p, QRectF(380, 0, 136, 60), Qt::AlignRight | Qt::AlignVCenter, u"2 DVD"_s,
            sansFont(20, QFont::Bold), gold);
    p.fillRect(QRectF(0, 640, 540, 120), QColor(12, 10, 12));
    drawInk(p, QRectF(24, 650, 492, 26), Qt::AlignCenter,
            u"Erwin Schrott  ·  Miah Persson  ·  Dorothea Roeschmann  ·  Gerald Finley"_s,
            sansFont(15), cream);
    drawInk(p, QRectF(24, 678, 492, 28), Qt::AlignCenter,
            u"Royal Opera House  ·  Antonio Pappano"_s, sansFont(19, QFont::Bold), gold);
    drawLabelMark(p, QPointF(270, 722), 16, QColor(210, 200, 190), Anchor::Middle);
}

void drawHeifetzFront(QPainter& p, QSizeF size) {
    scaleToDesign(p, size, {700, 700});
    const QColor ink(26, 26, 32);
    p.fillRect(QRectF(0, 0, 700, 700), QColor(241, 233, 215));
    // Two keys, two concertos: E minor in teal, G minor in orange, overlapping.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(20, 128, 138));
    p.drawEllipse(QPointF(268, 360), 182, 182);
    p.setCompositionMode(QPainter::CompositionMode_Multiply);
    p.setBrush(QColor(236, 118, 44));
    p.drawEllipse(QPointF(446, 384), 170, 170);
    p.setCompositionMode(QPainter::CompositionMode_SourceOver);
    p.setPen(QPen(ink, 2));
    p.drawLine(QPointF(40, 560), QPointF(660, 560));

    drawBowedInstrument(p, QPointF(372, 402), 370, 24, QColor(128, 48, 22), false);

    p.setPen(ink);
    drawSpaced(p, QRectF(0, 34, 700, 130), Qt::AlignCenter, u"HEIFETZ"_s,
               sansFont(118, QFont::Bold), 104);
    p.setPen(Qt::white);
    p.setFont(sansFont(20, QFont::Bold));
    p.drawText(QRectF(100, 450, 150, 30), Qt::AlignCenter, u"E minor"_s);
    p.drawText(QRectF(440, 490, 150, 30), Qt::AlignCenter, u"G minor"_s);

    drawInk(p, QRectF(40, 570, 620, 44), Qt::AlignCenter, u"MENDELSSOHN  ·  BRUCH"_s,
            sansFont(34, QFont::Bold), ink);
    drawInk(p, QRectF(40, 612, 620, 36), Qt::AlignCenter, u"Violin Concertos"_s,
            serifFont(30, QFont::Normal, true), ink);
    drawInk(p, QRectF(40, 648, 620, 22), Qt::AlignCenter,
            u"Boston Symphony Orchestra · Charles Munch   —   New Symphony Orchestra of London · "
            u"Sir Malcolm Sargent"_s,
            sansFont(14), QColor(70, 70, 76));
    drawLabelMark(p, QPointF(350, 674), 16, ink, Anchor::Middle);
}

}  // namespace pictures
