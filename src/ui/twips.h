#pragma once
// Positions and sizes are designed in twips (1/1440 inch); on screen 15 twips make one pixel.

#include <QColor>
#include <QRect>
#include <QSize>

namespace ui {

constexpr int kTwipsPerPixel = 15;

constexpr int px(int twips) {
    return (twips + kTwipsPerPixel / 2) / kTwipsPerPixel;
}
constexpr QRect rectTw(int left, int top, int width, int height) {
    return QRect(px(left), px(top), px(width), px(height));
}

// A window's designed width and height include its frame: the caption and the borders, which the
// window system draws. These are the frame's share, so that the rest is the Qt window's size.
constexpr int kFrameWidthTwips = 90;    // two borders of 3 pixels
constexpr int kFrameHeightTwips = 405;  // the caption and two borders, 27 pixels

QSize windowSize(int widthTwips, int heightTwips);

// The light yellow of the program's windows.
inline const QColor kLightYellow{255, 255, 192};

}  // namespace ui
