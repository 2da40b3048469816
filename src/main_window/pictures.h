#pragma once
// The program's own pictures, drawn rather than shipped: the splash picture and the small
// pictures of the pick-list panel.

#include <QPixmap>

namespace main_window {

QPixmap splashPicture(QSize size);
// One of the panel's three pictures (1 to 3): a record, a disc and a score.
QPixmap panelPicture(int which, QSize size);

}  // namespace main_window
