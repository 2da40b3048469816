#pragma once
// The drop-down box of a pick list. A name is chosen only from the open list, by a click on an
// item or Enter on it: choosing saves the shown record, so nothing the user did not aim at may
// choose. The edit field keeps exactly what is typed (no completion), for the "Add" button.

#include <QComboBox>

namespace main_window {

class PickListBox : public QComboBox {
    Q_OBJECT
public:
    explicit PickListBox(QWidget* parent = nullptr);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
};

}  // namespace main_window
