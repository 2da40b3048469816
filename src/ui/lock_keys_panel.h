#pragma once
// Two status-bar panels that show whether Caps Lock and Num Lock are on. Qt has no call for the
// lock states, so they are read from the key events the window system sends (on X11 the event's
// state carries them); until the first key they show the locks as off.

#include <QObject>

class QLabel;
class QStatusBar;

namespace ui {

class LockKeysPanel : public QObject {
public:
    explicit LockKeysPanel(QStatusBar* bar);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void show(bool capsLock, bool numLock);

    QLabel* caps_;
    QLabel* num_;
};

}  // namespace ui
