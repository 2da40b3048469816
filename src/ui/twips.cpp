#include "ui/twips.h"

namespace ui {

QSize windowSize(int widthTwips, int heightTwips) {
    return QSize(px(widthTwips - kFrameWidthTwips), px(heightTwips - kFrameHeightTwips));
}

}  // namespace ui
