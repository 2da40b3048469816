#include "ui/lock_keys_panel.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QStatusBar>

namespace ui {

namespace {

// X11's modifier state bits: Lock is Caps Lock, Mod2 is where every common keymap puts Num Lock.
constexpr quint32 kX11LockMask = 0x02;
constexpr quint32 kX11Mod2Mask = 0x10;

}  // namespace

LockKeysPanel::LockKeysPanel(QStatusBar* bar) : QObject(bar) {
    caps_ = new QLabel(QStringLiteral("CAPS"), bar);
    caps_->setObjectName(QStringLiteral("statusCapsLock"));
    num_ = new QLabel(QStringLiteral("NUM"), bar);
    num_->setObjectName(QStringLiteral("statusNumLock"));
    bar->addPermanentWidget(caps_);
    bar->addPermanentWidget(num_);
    show(false, false);
    if (QGuiApplication::platformName() == QLatin1String("xcb")) qApp->installEventFilter(this);
}

void LockKeysPanel::show(bool capsLock, bool numLock) {
    caps_->setEnabled(capsLock);
    num_->setEnabled(numLock);
}

bool LockKeysPanel::eventFilter(QObject*, QEvent* event) {
    if (event->type() == QEvent::KeyPress || event->type() == QEvent::KeyRelease) {
        const quint32 state = static_cast<QKeyEvent*>(event)->nativeModifiers();
        show(state & kX11LockMask, state & kX11Mod2Mask);
    }
    return false;
}

}  // namespace ui
