#include "main_window/pick_list_box.h"

#include <QKeyEvent>
#include <QLineEdit>
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

}  // namespace main_window
