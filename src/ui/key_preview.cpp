#include "ui/key_preview.h"

#include <QAction>
#include <QApplication>
#include <QKeyEvent>
#include <QWidget>

namespace ui {

namespace {

constexpr Qt::KeyboardModifiers kHeld =
    Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier;

}  // namespace

KeyPreview::KeyPreview(QWidget* window, std::vector<WindowKey> keys)
    : QObject(window), window_(window), keys_(std::move(keys)) {
    qApp->installEventFilter(this);
}

QList<QKeySequence> KeyPreview::keys() const {
    QList<QKeySequence> sequences;
    for (const WindowKey& k : keys_) {
        sequences << QKeySequence(QKeyCombination(k.modifiers, static_cast<Qt::Key>(k.key)));
    }
    return sequences;
}

const WindowKey* KeyPreview::windowKey(const QKeyEvent* event) const {
    const auto held = event->modifiers() & kHeld;
    for (const WindowKey& k : keys_) {
        if (k.key == event->key() && k.modifiers == held) return &k;
    }
    return nullptr;
}

bool KeyPreview::isMenuShortcut(const QKeyEvent* event) const {
    const QKeySequence pressed(event->keyCombination());
    const auto actions = window_->findChildren<QAction*>();
    return std::any_of(actions.begin(), actions.end(),
                       [&](QAction* a) { return a->isEnabled() && a->shortcut() == pressed; });
}

bool KeyPreview::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::ShortcutOverride && event->type() != QEvent::KeyPress) {
        return false;
    }
    auto* widget = qobject_cast<QWidget*>(watched);
    if (!window_ || !widget || widget->window() != window_) return false;

    auto* key = static_cast<QKeyEvent*>(event);
    const WindowKey* own = windowKey(key);
    if (event->type() == QEvent::ShortcutOverride) {
        if (own) {
            key->accept();  // no shortcut: it comes back as a key press below
            return true;
        }
        // Not accepted and not seen by the focused box: the menu entry's shortcut fires.
        return isMenuShortcut(key);
    }
    if (own && own->command) {
        own->command();
        return true;
    }
    return own != nullptr;
}

}  // namespace ui
