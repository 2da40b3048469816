#pragma once
// Lets a window see its keys before its controls do. The window's own keys (a table of key and
// modifiers) run their command wherever the focus is; menu shortcuts win over the editing keys of
// a text box (Shift+Del deletes the record, as the menu says, rather than cutting text).

#include <QKeySequence>
#include <QList>
#include <QObject>
#include <QPointer>
#include <functional>
#include <vector>

class QKeyEvent;
class QWidget;

namespace ui {

struct WindowKey {
    int key;                          // Qt::Key
    Qt::KeyboardModifiers modifiers;  // exactly these must be held
    std::function<void()> command;
};

class KeyPreview : public QObject {
public:
    KeyPreview(QWidget* window, std::vector<WindowKey> keys);

    // The window's own keys, as the manual names them.
    QList<QKeySequence> keys() const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    const WindowKey* windowKey(const QKeyEvent* event) const;
    bool isMenuShortcut(const QKeyEvent* event) const;

    QPointer<QWidget> window_;
    std::vector<WindowKey> keys_;
};

}  // namespace ui
