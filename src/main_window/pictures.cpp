#include "main_window/pictures.h"

#include <QFont>
#include <QLinearGradient>
#include <QPainter>
#include <QRadialGradient>

namespace main_window {

namespace {

void drawDisc(QPainter& p, QPointF centre, qreal radius, QColor colour) {
    QRadialGradient shine(centre, radius);
    shine.setColorAt(0.0, colour.lighter(170));
    shine.setColorAt(0.35, colour);
    shine.setColorAt(1.0, colour.darker(160));
    p.setBrush(shine);
    p.setPen(QPen(colour.darker(250), 1));
    p.drawEllipse(centre, radius, radius);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(255, 255, 255, 60), 1));
    for (qreal r = radius * 0.45; r < radius * 0.95; r += radius * 0.08)
        p.drawEllipse(centre, r, r);
    p.setBrush(QColor(200, 40, 40));
    p.setPen(Qt::NoPen);
    p.drawEllipse(centre, radius * 0.3, radius * 0.3);
    p.setBrush(Qt::white);
    p.drawEllipse(centre, radius * 0.05, radius * 0.05);
}

void drawNote(QPainter& p, QPointF at, qreal h, QColor colour) {
    p.setPen(QPen(colour, h * 0.06));
    p.setBrush(colour);
    p.drawLine(at + QPointF(h * 0.22, 0), at + QPointF(h * 0.22, -h));
    p.drawLine(at + QPointF(h * 0.22, -h), at + QPointF(h * 0.55, -h * 0.75));
    p.save();
    p.translate(at);
    p.rotate(-20);
    p.drawEllipse(QPointF(0, 0), h * 0.24, h * 0.16);
    p.restore();
}

}  // namespace

QPixmap splashPicture(QSize size) {
    QPixmap pixmap(size);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient sky(0, 0, 0, size.height());
    sky.setColorAt(0, QColor(20, 24, 60));
    sky.setColorAt(1, QColor(70, 40, 90));
    p.fillRect(pixmap.rect(), sky);

    const qreal h = size.height();
    drawDisc(p, QPointF(h * 0.45, h * 0.5), h * 0.38, QColor(30, 30, 34));
    drawNote(p, QPointF(size.width() * 0.9, h * 0.8), h * 0.35, QColor(255, 215, 120));

    const qreal left = h * 0.95;
    QFont title(QStringLiteral("Times New Roman"), 24, QFont::Bold);
    p.setFont(title);
    p.setPen(QColor(255, 230, 160));
    p.drawText(QRectF(left, h * 0.08, size.width() - left, h * 0.3),
               Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("SONVELLA"));
    QFont line;
    line.setPointSizeF(11);
    p.setFont(line);
    p.setPen(Qt::white);
    p.drawText(QRectF(left, h * 0.40, size.width() - left, h * 0.15), Qt::AlignLeft,
               QStringLiteral("My Music Collection"));
    p.drawText(QRectF(left, h * 0.56, size.width() - left, h * 0.15), Qt::AlignLeft,
               QStringLiteral("v. 4.0"));
    line.setPointSizeF(8);
    p.setFont(line);
    p.setPen(QColor(200, 200, 220));
    p.drawText(QRectF(left, h * 0.78, size.width() - left, h * 0.15), Qt::AlignLeft,
               QStringLiteral("Written by the Sonvella team for collectors of recorded music"));
    return pixmap;
}

QPixmap panelPicture(int which, QSize size) {
    QPixmap pixmap(size);
    pixmap.fill(QColor(255, 255, 192));
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    const QPointF centre(size.width() / 2.0, size.height() / 2.0);
    const qreal r = std::min(size.width(), size.height()) * 0.45;
    switch (which) {
        case 1:
            drawDisc(p, centre, r, QColor(25, 25, 25));
            break;
        case 2:
            drawDisc(p, centre, r, QColor(170, 180, 200));
            break;
        default: {
            p.setPen(QPen(QColor(60, 60, 60), 1));
            for (int i = 0; i < 5; ++i) {
                const qreal y = size.height() * (0.3 + i * 0.1);
                p.drawLine(QPointF(2, y), QPointF(size.width() - 2, y));
            }
            drawNote(p, QPointF(size.width() * 0.4, size.height() * 0.7), size.height() * 0.45,
                     QColor(20, 20, 80));
        }
    }
    return pixmap;
}

}  // namespace main_window
