#pragma once
// The drawing of each media icon, on a square of kIconSize pixels already filled with the window's
// colour. Discs are in media_icons_discs.cpp, tapes and cartridges in media_icons_tapes.cpp.

#include <QColor>
#include <QPainter>
#include <QRectF>
#include <QString>

namespace pictures::icons {

constexpr int kIconSize = 48;

// The light yellow of the window the icons sit on, which is also their background.
inline QColor windowColour() {
    return QColor(255, 255, 192);
}

// A short bold caption, centred in its box.
void drawCaption(QPainter& p, const QRectF& box, const QString& text, QColor ink, qreal pixels);

void drawSingle45(QPainter& p);
void drawShellac78(QPainter& p);
void drawLongPlay(QPainter& p);
void drawCompactDisc(QPainter& p);
void drawSuperAudioCd(QPainter& p);
void drawDvd(QPainter& p);
void drawDvdAudio(QPainter& p);

void drawDatCassette(QPainter& p);
void drawReel(QPainter& p);
void drawDcc(QPainter& p);
void drawCompactCassette(QPainter& p);
void drawVideoCassette(QPainter& p);
void drawMiniDisc(QPainter& p);

}  // namespace pictures::icons
