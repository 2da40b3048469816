// The front covers of the compact discs of the demo collection. Each is drawn on a 600-unit
// square (the box set on 800 by 560 units) and scaled to the picture's size.
#include <QLinearGradient>
#include <QPainterPath>
#include <QRadialGradient>
#include <QtMath>

#include "front_covers.h"
#include "ornaments.h"
#include "paint_kit.h"

namespace pictures {

using namespace Qt::StringLiterals;

void drawGoldbergFront(QPainter& p, QSizeF size) {
    scaleToDesign(p, size, {600, 600});
    const QColor ink(30, 34, 48), blue(32, 62, 120), ochre(206, 150, 52), red(150, 42, 40);
    QLinearGradient paper(0, 0, 0, 600);
    paper.setColorAt(0, QColor(248, 245, 236));
    paper.setColorAt(1, QColor(236, 230, 214));
    p.fillRect(QRectF(0, 0, 600, 600), paper);

    drawLabelMark(p, QPointF(24, 16), 15, ink);
    p.setPen(ink);
    drawSpaced(p, QRectF(0, 40, 600, 26), Qt::AlignCenter, u"JOHANN SEBASTIAN"_s, sansFont(19),
               145);
    drawInk(p, QRectF(0, 60, 600, 120), Qt::AlignCenter, u"BACH"_s, serifFont(112, QFont::Bold),
            ink);

    // Aria, thirty variations and the aria again: every third variation is a canon, the last a
    // quodlibet.
    for (int k = 0; k < 32; ++k) {
        const int row = k / 8, column = k % 8;  // eight cells a row
        const QRectF cell(79 + column * 56, 196 + row * 56, 50, 50);
        const bool aria = k == 0 || k == 31;
        QColor fill = Qt::transparent, mark = ink;
        if (aria)
            fill = blue;
        else if (k == 30)
            fill = red;
        else if (k % 3 == 0)
            fill = ochre;
        if (fill != Qt::transparent) mark = QColor(250, 246, 236);
        p.setPen(QPen(fill == Qt::transparent ? ink : fill, 1.4));
        p.setBrush(fill);
        p.drawRect(cell.adjusted(0.7, 0.7, -0.7, -0.7));
        p.setPen(mark);
        p.setFont(aria ? serifFont(24, QFont::Bold, true) : sansFont(17, QFont::Bold));
        p.drawText(cell, Qt::AlignCenter, aria ? u"A"_s : QString::number(k));
    }

    drawInk(p, QRectF(40, 428, 520, 56), Qt::AlignCenter, u"Goldberg Variations"_s,
            serifFont(44, QFont::Normal, true), ink);
    p.setPen(blue);
    drawSpaced(p, QRectF(0, 484, 600, 22), Qt::AlignCenter, u"BWV 988"_s, sansFont(16, QFont::Bold),
               150);
    p.setPen(ink);
    drawSpaced(p, QRectF(0, 512, 600, 34), Qt::AlignCenter, u"GLENN GOULD"_s,
               sansFont(26, QFont::Bold), 130);
    drawKeyboard(p, QRectF(-4, 562, 608, 40), 29, QColor(252, 250, 244), ink);
}

void drawKleiberFront(QPainter& p, QSizeF size) {
    scaleToDesign(p, size, {600, 600});
    const QColor gold(228, 184, 84), red(196, 36, 40);
    QLinearGradient night(0, 0, 600, 600);
    night.setColorAt(0, QColor(28, 26, 32));
    night.setColorAt(1, QColor(8, 8, 10));
    p.fillRect(QRectF(0, 0, 600, 600), night);

    // The two symphonies' numbers, drawn as outlines behind everything else.
    QPainterPath numbers;
    const QFont huge = serifFont(300, QFont::Bold);
    numbers.addText(QPointF(292, 575), huge, u"5"_s);
    numbers.addText(QPointF(428, 505), huge, u"7"_s);
    p.setBrush(QColor(196, 36, 40, 36));
    p.setPen(QPen(QColor(196, 36, 40, 170), 3));
    p.drawPath(numbers);

    p.setPen(Qt::white);
    drawSpaced(p, QRectF(40, 36, 540, 80), Qt::AlignLeft | Qt::AlignVCenter, u"BEETHOVEN"_s,
               sansFont(68, QFont::Bold), 104);
    drawInk(p, QRectF(42, 116, 540, 40), Qt::AlignLeft | Qt::AlignVCenter,
            u"Symphonies Nos. 5 & 7"_s, serifFont(30, QFont::Normal, true), gold);

    // Short, short, short, long: the opening of the Fifth as four blocks.
    p.setPen(Qt::NoPen);
    p.setBrush(gold);
    for (int i = 0; i < 3; ++i) p.drawRect(QRectF(44 + i * 58, 196, 42, 42));
    p.drawRect(QRectF(218, 256, 190, 42));
    p.setBrush(red);
    p.drawRect(QRectF(44, 316, 364, 6));

    drawInk(p, QRectF(42, 462, 400, 30), Qt::AlignLeft | Qt::AlignVCenter,
            u"Wiener Philharmoniker"_s, sansFont(24), QColor(235, 235, 235));
    p.setPen(gold);
    drawSpaced(p, QRectF(42, 494, 420, 46), Qt::AlignLeft | Qt::AlignVCenter, u"CARLOS KLEIBER"_s,
               sansFont(36, QFont::Bold), 108);
    drawLabelMark(p, QPointF(44, 558), 17, QColor(200, 200, 200));
}

void drawAxionEstiFront(QPainter& p, QSizeF size) {
    scaleToDesign(p, size, {600, 600});
    const qreal horizon = 340;
    QLinearGradient sky(0, 0, 0, horizon);
    sky.setColorAt(0, QColor(26, 96, 180));
    sky.setColorAt(1, QColor(150, 200, 236));
    p.fillRect(QRectF(0, 0, 600, horizon), sky);

    const QPointF sun(446, 196);
    const QColor light(255, 242, 196);
    p.setPen(QPen(QColor(255, 242, 196, 170), 4, Qt::SolidLine, Qt::RoundCap));
    for (int i = 0; i < 24; ++i) {
        const qreal a = qDegreesToRadians(i * 15.0);
        const qreal inner = 84, outer = i % 2 ? 104 : 122;
        p.drawLine(sun + QPointF(inner * qCos(a), inner * qSin(a)),
                   sun + QPointF(outer * qCos(a), outer * qSin(a)));
    }
    QRadialGradient disc(sun, 70);
    disc.setColorAt(0, Qt::white);
    disc.setColorAt(1, light);
    p.setPen(Qt::NoPen);
    p.setBrush(disc);
    p.drawEllipse(sun, 70, 70);

    QLinearGradient sea(0, horizon, 0, 600);
    sea.setColorAt(0, QColor(22, 78, 160));
    sea.setColorAt(1, QColor(8, 30, 84));
    p.fillRect(QRectF(0, horizon, 600, 600 - horizon), sea);
    // A white sail on the horizon and the waves below it.
    QPolygonF sail;
    sail << QPointF(128, horizon - 4) << QPointF(150, horizon - 62) << QPointF(158, horizon - 4);
    p.setBrush(Qt::white);
    p.drawPolygon(sail);
    p.setBrush(QColor(30, 30, 40));
    p.drawRect(QRectF(122, horizon - 4, 42, 5));
    p.setBrush(Qt::NoBrush);
    // Waves near the horizon and at the foot, leaving the lettering on calm water.
    const qreal rows[] = {horizon + 12, horizon + 28, 552, 572, 594};
    for (int row = 0; row < 5; ++row) {
        const qreal y = rows[row];
        const qreal amplitude = 2 + row * 1.3, length = 40 + row * 16;
        QPainterPath wave;
        wave.moveTo(0, y);
        for (qreal x = 0; x <= 600; x += 4)
            wave.lineTo(x, y + amplitude * qSin((x + row * 23) / length * 2 * M_PI));
        p.setPen(QPen(QColor(255, 255, 255, 60 + row * 14), 1.5 + row * 0.3));
        p.drawPath(wave);
    }

    p.setPen(Qt::white);
    drawSpaced(p, QRectF(40, 36, 520, 40), Qt::AlignLeft | Qt::AlignVCenter, u"ΜΙΚΗΣ ΘΕΟΔΩΡΑΚΗΣ"_s,
               sansFont(30, QFont::Bold), 112);
    drawInk(p, QRectF(0, 372, 600, 100), Qt::AlignCenter, u"Άξιον Εστί"_s,
            serifFont(86, QFont::Bold), Qt::white);
    drawInk(p, QRectF(0, 470, 600, 30), Qt::AlignCenter, u"ποίηση Οδυσσέα Ελύτη"_s,
            serifFont(23, QFont::Normal, true), QColor(210, 225, 245));
    drawInk(p, QRectF(30, 508, 540, 30), Qt::AlignCenter,
            u"Γρηγόρης Μπιθικώτσης  ·  Μάνος Κατράκης"_s, sansFont(21), QColor(240, 244, 250));
    drawLabelMark(p, QPointF(576, 12), 15, QColor(235, 242, 252), Anchor::Right);
}

void drawCelloSuitesFront(QPainter& p, QSizeF size) {
    scaleToDesign(p, size, {800, 560});
    const QColor gold(222, 182, 110), cream(246, 236, 216);
    p.fillRect(QRectF(0, 0, 800, 560), QColor(30, 20, 16));
    QRadialGradient lamp(QPointF(230, 250), 380);
    lamp.setColorAt(0, QColor(150, 88, 40));
    lamp.setColorAt(0.55, QColor(80, 44, 24));
    lamp.setColorAt(1, QColor(30, 20, 16));
    p.fillRect(QRectF(0, 0, 475, 560), lamp);
    // Vertical lines like strings across the warm panel.
    p.setPen(QPen(QColor(255, 220, 160, 30), 1.2));
    for (int i = 0; i < 4; ++i) p.drawLine(QPointF(40 + i * 16, 0), QPointF(40 + i * 16, 560));
    p.setPen(QPen(gold, 2));
    p.drawLine(QPointF(475, 40), QPointF(475, 520));

    drawBowedInstrument(p, QPointF(240, 300), 440, -14, QColor(168, 82, 34), true);

    const QRectF column(505, 0, 270, 560);
    p.setPen(gold);
    drawSpaced(p, QRectF(column.left(), 62, column.width(), 26), Qt::AlignLeft | Qt::AlignVCenter,
               u"JOHANN SEBASTIAN BACH"_s, sansFont(17, QFont::Bold), 122);
    drawInk(p, QRectF(column.left(), 96, column.width(), 70), Qt::AlignLeft | Qt::AlignVCenter,
            u"Six Suites"_s, serifFont(56, QFont::Bold), cream);
    drawInk(p, QRectF(column.left(), 164, column.width(), 42), Qt::AlignLeft | Qt::AlignVCenter,
            u"for Cello Solo"_s, serifFont(32, QFont::Normal, true), cream);
    p.setPen(gold);
    drawSpaced(p, QRectF(column.left(), 212, column.width(), 24), Qt::AlignLeft | Qt::AlignVCenter,
               u"BWV 1007 – 1012"_s, sansFont(17), 130);

    // The first bar of the first prelude, on a bass staff.
    drawMelody(p, QRectF(column.left(), 282, column.width() - 10, 40),
               {{0}, {4}, {9}, {8}, {9}, {4}, {9}, {4}}, gold);

    p.setPen(Qt::white);
    drawSpaced(p, QRectF(column.left(), 384, column.width(), 40), Qt::AlignLeft | Qt::AlignVCenter,
               u"PIERRE FOURNIER"_s, sansFont(27, QFont::Bold), 106);
    drawInk(p, QRectF(column.left(), 424, column.width(), 30), Qt::AlignLeft | Qt::AlignVCenter,
            u"violoncello"_s, serifFont(22, QFont::Normal, true), cream);
    const QRectF badge(column.left(), 476, 74, 30);
    p.setPen(QPen(gold, 1.6));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(badge, 5, 5);
    drawInk(p, badge, Qt::AlignCenter, u"2 CD"_s, sansFont(16, QFont::Bold), gold);
    drawLabelMark(p, QPointF(column.right(), 518), 18, QColor(210, 200, 185), Anchor::Right);
}

}  // namespace pictures
