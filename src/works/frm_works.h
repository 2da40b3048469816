#pragma once
// The Works window: a filter box and the switch "Recorded more than once" above the tree of
// composers, works and recordings, the figures and the status below. It mirrors WorksWindow and
// forwards to its commands; it decides nothing.

#include <QWidget>

#include "works/works_window.h"

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTreeView;

namespace works {

class FrmWorks : public QWidget {
    Q_OBJECT
public:
    explicit FrmWorks(record::RecordWindow& window, QWidget* parent = nullptr);
    ~FrmWorks() override;

    WorksWindow& state() { return state_; }

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void refresh();
    void goToCurrent();

    WorksWindow state_;
    QLineEdit* filter_ = nullptr;
    QCheckBox* moreThanOnce_ = nullptr;
    QTreeView* tree_ = nullptr;
    QLabel* figures_ = nullptr;
    QLabel* status_ = nullptr;
    QPushButton* readAgain_ = nullptr;
};

}  // namespace works
