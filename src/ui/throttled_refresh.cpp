#include "ui/throttled_refresh.h"

#include <QCoreApplication>
#include <QTimer>

namespace ui {

namespace {
constexpr qint64 kIntervalMs = 50;
constexpr int kChangesBetweenClockReadings = 16;
}  // namespace

ThrottledRefresh::ThrottledRefresh(QObject* owner, std::function<void()> copy)
    : owner_(owner), copy_(std::move(copy)) {}

void ThrottledRefresh::copyLater() {
    if (pending_) return;
    pending_ = true;
    QTimer::singleShot(0, owner_, [this] {
        pending_ = false;
        copy_();
    });
}

void ThrottledRefresh::refresh(bool busy) {
    if (busy && --untilClock_ > 0) return copyLater();
    untilClock_ = kChangesBetweenClockReadings;
    const bool due = !sinceLast_.isValid() || sinceLast_.elapsed() >= kIntervalMs;
    if (busy && !due) return copyLater();
    copy_();
    if (busy) {
        sinceLast_.start();
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    }
}

}  // namespace ui
