#pragma once
// Marks a window busy for the time of a long command (a scan, a print, an export): its view then
// draws the changing state only every so often. When the command ends the view is told at once.

namespace common {

template <class Window>
class BusyScope {
public:
    explicit BusyScope(Window& window) : window_(window), was_(window.isBusy()) {
        window.setBusy(true);
    }
    ~BusyScope() {
        window_.setBusy(was_);
        if (!was_) window_.notify();
    }
    BusyScope(const BusyScope&) = delete;
    BusyScope& operator=(const BusyScope&) = delete;

private:
    Window& window_;
    bool was_;
};

}  // namespace common
