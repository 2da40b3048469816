#include "main_window/pick_list_box.h"

#include <QAbstractItemView>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QWheelEvent>

namespace main_window {

PickListBox::PickListBox(QWidget* parent) : QComboBox(parent) {
    setEditable(true);
    setInsertPolicy(QComboBox::NoInsert);
    // An editable box completes what is typed with the first name that begins with it: "Bach"
    // would become "Bacharach", and Add would store the longer name.
    setCompleter(nullptr);
    // The wheel does nothing here, so it should not take the focus either.
    setFocusPolicy(Qt::StrongFocus);
    // Qt's popup takes Enter and the mouse release on the list itself, and answers them with
    // `activated`, which also fires when the box merely loses the focus. Filters installed after
    // the popup's own see the events first.
    view()->installEventFilter(this);
    view()->viewport()->installEventFilter(this);
}

void PickListBox::keyPressEvent(QKeyEvent* event) {
    // In the closed box the arrows step to the next name and Enter picks the name typed, and
    // either would choose it. Alt+Down and F4 still open the list, where the arrows and Enter
    // choose as the user expects.
    switch (event->key()) {
        case Qt::Key_Down:
            if (event->modifiers() & Qt::AltModifier) break;
            [[fallthrough]];
        case Qt::Key_Up:
        case Qt::Key_PageUp:
        case Qt::Key_PageDown:
        case Qt::Key_Return:
        case Qt::Key_Enter:
            event->ignore();
            return;
        default:
            break;
    }
    QComboBox::keyPressEvent(event);
}

void PickListBox::wheelEvent(QWheelEvent* event) {
    // Over the closed box a wheel notch would choose the next name; over the open list the list
    // scrolls, and that wheel does not come here.
    event->ignore();
}

bool PickListBox::eventFilter(QObject* watched, QEvent* event) {
    const bool key = event->type() == QEvent::KeyPress || event->type() == QEvent::ShortcutOverride;
    if (watched == view() && key && listKey(static_cast<QKeyEvent*>(event))) return true;
    if (watched == view()->viewport() && listMouse(event)) return true;
    return QComboBox::eventFilter(watched, event);
}

bool PickListBox::listKey(QKeyEvent* event) {
    const QEvent::Type type = event->type();
    const bool alt = event->modifiers() & Qt::AltModifier;
    const int key = event->key();
    const bool enter = key == Qt::Key_Return || key == Qt::Key_Enter;
    const bool close = key == Qt::Key_F4 || key == Qt::Key_Escape ||
                       ((key == Qt::Key_Up || key == Qt::Key_Down) && alt);
    if (!enter && !close) return false;
    if (type == QEvent::ShortcutOverride) {
        // The open list's keys, not the menus' (F4 is "Op&us No"): they come back as a key press.
        event->accept();
        return true;
    }
    if (enter) {
        choose(view()->currentIndex());
    } else {
        hidePopup();  // closing the list chooses nothing
    }
    return true;
}

bool PickListBox::listMouse(QEvent* event) {
    if (event->type() != QEvent::MouseButtonPress && event->type() != QEvent::MouseButtonRelease)
        return false;
    const auto* mouse = static_cast<QMouseEvent*>(event);
    const QModelIndex at = view()->indexAt(mouse->position().toPoint());
    if (event->type() == QEvent::MouseButtonPress) {
        pressed_ =
            mouse->button() == Qt::LeftButton ? QPersistentModelIndex(at) : QPersistentModelIndex();
        return false;
    }
    // A click is a press and a release on the same item. Any other release (the end of the
    // click that opened the list, a drag from elsewhere) chooses nothing: Qt would put that name
    // into the edit field as if it had been chosen.
    const bool click = mouse->button() == Qt::LeftButton && pressed_.isValid() && at == pressed_;
    pressed_ = QModelIndex();
    if (click) choose(at);
    return true;
}

void PickListBox::choose(const QModelIndex& index) {
    if (!index.isValid() || !(index.flags() & Qt::ItemIsEnabled)) return;
    const QString name = itemText(index.row());
    hidePopup();
    emit chosen(name);
}

}  // namespace main_window
