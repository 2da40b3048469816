#include "ui/throttled_refresh.h"

#include <QCoreApplication>
#include <QTimer>

namespace ui {

namespace {
constexpr qint64 kIntervalMs = 50;
}

ThrottledRefresh::ThrottledRefresh(QObject* owner, std::function<void()> copy)
    : owner_(owner), copy_(std::move(copy)) {}

void ThrottledRefresh::refresh(bool busy) {
    const bool due = !sinceLast_.isValid() || sinceLast_.elapsed() >= kIntervalMs;
    if (busy && !due) {
        if (!pending_) {
            pending_ = true;
            QTimer::singleShot(0, owner_, [this] {
                pending_ = false;
                copy_();
            });
        }
        return;
    }
    copy_();
    if (busy) {
        sinceLast_.start();
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    }
}

}  // namespace ui
