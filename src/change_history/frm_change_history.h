#pragma once
// The Change History window's widgets: the table of changes, the line that says when the history
// is off, and the Show and Restore This Version buttons. It mirrors ChangeHistory and forwards the
// clicks and keys; it decides nothing.

#include <QDialog>

#include "change_history/change_history.h"

class QLabel;
class QPushButton;
class QTableView;

namespace change_history {

class FrmChangeHistory : public QDialog {
    Q_OBJECT
public:
    explicit FrmChangeHistory(record::RecordWindow& window, QWidget* parent = nullptr);
    ~FrmChangeHistory() override;

    ChangeHistory& state() { return state_; }
    // Shows the window, or brings it forward, with the history read afresh.
    void bringForward();

protected:
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    int currentRow() const;
    void copyState();

    ChangeHistory state_;
    QTableView* table_ = nullptr;
    QLabel* offLine_ = nullptr;
    QPushButton* show_ = nullptr;
    QPushButton* restore_ = nullptr;
};

}  // namespace change_history
