#include "ui/progress_repaint.h"

#include <QCoreApplication>

namespace ui {

namespace {
constexpr qint64 kIntervalMs = 50;
}

void ProgressRepaint::repaintNow() {
    if (sinceLast_.isValid() && sinceLast_.elapsed() < kIntervalMs) return;
    sinceLast_.start();
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

}  // namespace ui
