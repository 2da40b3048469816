#pragma once
// Ends the program once none of its windows is left open. The program's windows come and go
// (the main window is unloaded for a re-sort, a backup, multi mode), so this holds only after the
// user closed the main or the multi mode window by its frame: an open "Shortcut Keys" or "About"
// window then keeps the program until it too is closed.

#include <QObject>
#include <functional>

namespace app {

class EndWithLastWindow : public QObject {
public:
    explicit EndWithLastWindow(std::function<void()> end) : end_(std::move(end)) {}

    // From now on, the program ends when no window is open; that may be the case already.
    void arm();
    // A main or multi mode window has loaded again.
    void disarm();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Looks once the closing window is gone, from the event loop.
    void checkSoon();

    std::function<void()> end_;
    bool armed_ = false;
};

}  // namespace app
