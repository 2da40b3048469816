#pragma once
// Pictures and files dropped anywhere on a window become a cover (with Shift held, the back
// cover): the window and every control in it that takes drops hand them over, so that a text box
// never takes a picture's file name as text.

#include <QObject>
#include <functional>

#include "covers/cover_files.h"

class QMimeData;
class QWidget;

namespace main_window {

class CoverDrops : public QObject {
    Q_OBJECT
public:
    using Drop = std::function<void(const QMimeData& data, covers::Side side)>;
    // Watches `window` and its controls; `drop` runs once the drop is over (a command may show
    // boxes, which must not stand inside the drag and drop of the desktop).
    CoverDrops(QWidget* window, Drop drop);

    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    Drop drop_;
};

}  // namespace main_window
