#include "app/last_window.h"

#include <QApplication>
#include <QEvent>
#include <QTimer>
#include <QWidget>

namespace app {

void EndWithLastWindow::arm() {
    if (!armed_) {
        armed_ = true;
        QCoreApplication::instance()->installEventFilter(this);
    }
    checkSoon();
}

void EndWithLastWindow::disarm() {
    if (!armed_) return;
    armed_ = false;
    QCoreApplication::instance()->removeEventFilter(this);
}

bool EndWithLastWindow::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Hide && watched->isWidgetType() &&
        static_cast<QWidget*>(watched)->isWindow()) {
        checkSoon();
    }
    return false;
}

void EndWithLastWindow::checkSoon() {
    QTimer::singleShot(0, this, [this] {
        if (!armed_) return;
        for (const QWidget* window : QApplication::topLevelWidgets()) {
            if (window->isVisible()) return;
        }
        disarm();
        end_();
    });
}

}  // namespace app
