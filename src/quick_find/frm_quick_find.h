#pragma once
// The Quick Find window's widgets: the text box, the list of hits and the count line. It copies
// the state of QuickFind into them and forwards the typing, the keys and the clicks; it decides
// nothing.

#include <QDialog>

#include "quick_find/quick_find.h"

class QLabel;
class QLineEdit;
class QTableView;

namespace quick_find {

class FrmQuickFind : public QDialog {
    Q_OBJECT
public:
    explicit FrmQuickFind(record::RecordWindow& window, QWidget* parent = nullptr);
    ~FrmQuickFind() override;

    QuickFind& state() { return state_; }
    // Shows the window, or brings it forward, with its text selected and searched afresh.
    void bringForward();
    // Closes it: the running pass ends and the collection is no longer read.
    void done(int result) override;

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void copyState();
    void goToCurrentHit();

    QuickFind state_;
    QLineEdit* text_ = nullptr;
    QTableView* hits_ = nullptr;
    QLabel* countLine_ = nullptr;
};

}  // namespace quick_find
