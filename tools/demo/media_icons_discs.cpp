// The icons of the discs: the three kinds of records and the four kinds of optical discs.
#include <QConicalGradient>
#include <QPainterPath>
#include <QRadialGradient>

#include "media_icon_parts.h"
#include "paint_kit.h"

namespace pictures::icons {

namespace {

const QPointF kCentre(kIconSize / 2.0, kIconSize / 2.0);
constexpr qreal kDiscRadius = 22.5;

// A record: a dark body with grooves and a light sheen, and a round paper label.
void drawRecord(QPainter& p, QPointF centre, qreal radius, QColor body, qreal labelRadius,
                QColor label) {
    QRadialGradient shade(centre - QPointF(radius * 0.3, radius * 0.3), radius * 1.4);
    shade.setColorAt(0, body.lighter(160));
    shade.setColorAt(0.6, body);
    shade.setColorAt(1, body.darker(150));
    p.setPen(QPen(body.darker(200), 0.8));
    p.setBrush(shade);
    p.drawEllipse(centre, radius, radius);

    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(255, 255, 255, 38), 0.6));
    for (qreal r = labelRadius + 2; r < radius - 1; r += 1.6) p.drawEllipse(centre, r, r);

    // Two bright wedges where the light catches the grooves.
    QConicalGradient sheen(centre, 45);
    sheen.setColorAt(0.00, QColor(255, 255, 255, 70));
    sheen.setColorAt(0.08, QColor(255, 255, 255, 0));
    sheen.setColorAt(0.42, QColor(255, 255, 255, 0));
    sheen.setColorAt(0.50, QColor(255, 255, 255, 70));
    sheen.setColorAt(0.58, QColor(255, 255, 255, 0));
    sheen.setColorAt(0.92, QColor(255, 255, 255, 0));
    sheen.setColorAt(1.00, QColor(255, 255, 255, 70));
    p.setPen(Qt::NoPen);
    p.setBrush(sheen);
    QPainterPath ring;
    ring.addEllipse(centre, radius - 0.8, radius - 0.8);
    ring.addEllipse(centre, labelRadius + 1, labelRadius + 1);
    p.drawPath(ring);

    p.setBrush(label);
    p.setPen(QPen(label.darker(140), 0.6));
    p.drawEllipse(centre, labelRadius, labelRadius);
}

// An optical disc: a silver face with a rainbow sheen tinted by `tint`, a clear centre and a hole.
void drawOpticalDisc(QPainter& p, QColor tint) {
    QConicalGradient rainbow(kCentre, 30);
    const QColor colours[] = {QColor(235, 235, 240), QColor(255, 170, 200), QColor(250, 240, 150),
                              QColor(150, 230, 200), QColor(150, 190, 255), QColor(235, 235, 240)};
    for (int i = 0; i < 6; ++i) rainbow.setColorAt(i / 5.0, colours[i]);
    p.setPen(QPen(QColor(120, 120, 130), 0.8));
    p.setBrush(rainbow);
    p.drawEllipse(kCentre, kDiscRadius, kDiscRadius);

    // The disc's own colour over the rainbow, stronger at the rim.
    QRadialGradient wash(kCentre, kDiscRadius);
    tint.setAlpha(60);
    wash.setColorAt(0.3, tint);
    tint.setAlpha(170);
    wash.setColorAt(1.0, tint);
    p.setPen(Qt::NoPen);
    p.setBrush(wash);
    p.drawEllipse(kCentre, kDiscRadius - 0.5, kDiscRadius - 0.5);

    p.setBrush(QColor(255, 255, 255, 150));
    p.setPen(QPen(QColor(150, 150, 160), 0.6));
    p.drawEllipse(kCentre, 8.0, 8.0);
    p.setBrush(windowColour());
    p.drawEllipse(kCentre, 3.2, 3.2);
}

// A caption on a small rounded plate across the lower half of a disc.
void drawPlate(QPainter& p, qreal width, const QString& text, QColor plate, QColor ink,
               qreal pixels) {
    const QRectF box(kCentre.x() - width / 2, 30, width, 12);
    p.setPen(QPen(plate.darker(150), 0.6));
    p.setBrush(plate);
    p.drawRoundedRect(box, 3, 3);
    drawCaption(p, box, text, ink, pixels);
}

}  // namespace

void drawCaption(QPainter& p, const QRectF& box, const QString& text, QColor ink, qreal pixels) {
    p.setPen(ink);
    drawFitted(p, box.adjusted(-2, 0, 2, 0), Qt::AlignCenter, text, sansFont(pixels, QFont::Bold));
}

void drawSingle45(QPainter& p) {
    // Smaller than the other records, with the wide hole of a jukebox single.
    const QPointF centre(18.5, 18.5);
    drawRecord(p, centre, 17, QColor(22, 22, 26), 8.5, QColor(240, 150, 30));
    p.setBrush(windowColour());
    p.setPen(QPen(QColor(150, 90, 20), 0.8));
    p.drawEllipse(centre, 4.6, 4.6);
    drawCaption(p, QRectF(28, 33, 20, 15), QStringLiteral("45"), QColor(150, 40, 10), 14);
}

void drawShellac78(QPainter& p) {
    drawRecord(p, kCentre, kDiscRadius, QColor(92, 54, 30), 10.5, QColor(130, 24, 30));
    p.setPen(QPen(QColor(230, 190, 110), 0.6));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(kCentre, 9.3, 9.3);
    drawCaption(p, QRectF(kCentre.x() - 9, kCentre.y() - 6, 18, 12), QStringLiteral("78"),
                QColor(245, 210, 120), 10);
}

void drawLongPlay(QPainter& p) {
    drawRecord(p, kCentre, kDiscRadius, QColor(18, 18, 22), 9.5, QColor(215, 45, 45));
    drawCaption(p, QRectF(kCentre.x() - 9, kCentre.y() - 6, 18, 12), QStringLiteral("LP"),
                Qt::white, 10);
}

void drawCompactDisc(QPainter& p) {
    drawOpticalDisc(p, QColor(200, 205, 215));
    drawPlate(p, 22, QStringLiteral("CD"), QColor(30, 40, 70), Qt::white, 10);
}

void drawSuperAudioCd(QPainter& p) {
    drawOpticalDisc(p, QColor(215, 170, 60));
    drawPlate(p, 34, QStringLiteral("SACD"), QColor(120, 25, 30), QColor(255, 225, 140), 10);
}

void drawDvd(QPainter& p) {
    drawOpticalDisc(p, QColor(120, 90, 200));
    drawPlate(p, 30, QStringLiteral("DVD"), Qt::black, Qt::white, 10);
}

void drawDvdAudio(QPainter& p) {
    drawOpticalDisc(p, QColor(40, 160, 140));
    drawPlate(p, 40, QStringLiteral("DVD-A"), QColor(10, 80, 70), Qt::white, 10);
}

}  // namespace pictures::icons
