#include "ui/progress_repaint.h"

#include <QCoreApplication>

namespace ui {

namespace {
constexpr qint64 kIntervalMs = 50;
}

bool ProgressRepaint::due() const {
    return !sinceLast_.isValid() || sinceLast_.elapsed() >= kIntervalMs;
}

void ProgressRepaint::repaintNow() {
    sinceLast_.start();
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

}  // namespace ui
