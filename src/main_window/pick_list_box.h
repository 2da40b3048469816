#pragma once
// The drop-down box of a pick list. A name is chosen only from the open list, by a click on an
// item or Enter on it: choosing saves the shown record, so nothing the user did not aim at may
// choose (not the box losing the focus while its text is a name of the list, which Qt's own
// `activated` counts as a choice). The edit field keeps exactly what is typed (no completion), for
// the "Add" button.

#include <QComboBox>
#include <QPersistentModelIndex>

namespace main_window {

class PickListBox : public QComboBox {
    Q_OBJECT
public:
    explicit PickListBox(QWidget* parent = nullptr);

signals:
    // A name was chosen from the open list; the list has closed.
    void chosen(const QString& name);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    // The open list's keys and clicks, seen before the list's own handling of them.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool listKey(QKeyEvent* event);
    bool listMouse(QEvent* event);
    void choose(const QModelIndex& index);

    QPersistentModelIndex pressed_;  // the item the left button went down on, in the open list
};

}  // namespace main_window
