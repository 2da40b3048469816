#pragma once
// The splash window: the product picture for one second, then it hands over to the main window.

#include <QTimer>
#include <QWidget>
#include <functional>

namespace main_window {

class FrmSplash : public QWidget {
    Q_OBJECT
public:
    // `handOver` runs on the timer's first tick, after which the splash window closes itself.
    explicit FrmSplash(std::function<void()> handOver, QWidget* parent = nullptr);

    QTimer* timer() { return &tmrSplash_; }

private:
    void tick();

    std::function<void()> handOver_;
    QTimer tmrSplash_;
};

}  // namespace main_window
