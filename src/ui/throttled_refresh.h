#pragma once
// Copies a window's state into its widgets, and lets a long command show its progress. Commands
// run to their end on the one thread; while one runs, the window's state changes for every record,
// and this copies and draws those changes every 50 ms or so: often enough to be seen, rarely enough
// not to slow the command down. User input waits until the command is done.

#include <QElapsedTimer>
#include <functional>

class QObject;

namespace ui {

class ThrottledRefresh {
public:
    // `copy` copies the state into the widgets; `owner` is the window (it must outlive nothing).
    ThrottledRefresh(QObject* owner, std::function<void()> copy);

    // Copies the state now; while the window is busy, only when enough time has passed since the
    // last drawing, and then draws it too. A change left over is copied as soon as the event loop
    // runs again (the next message box, or the end of the command).
    void refresh(bool busy);

private:
    void copyLater();

    QObject* owner_;
    std::function<void()> copy_;
    QElapsedTimer sinceLast_;
    bool pending_ = false;
    // A scan changes the state for every record, millions of times a second: the clock is read
    // only at every so many changes.
    int untilClock_ = 0;
};

}  // namespace ui
