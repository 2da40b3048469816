#pragma once
// The Collection Check window: "At a glance" with the figures and two charts, "Findings" with the
// table of findings and its buttons, and the progress of the check below. It mirrors CheckWindow
// and forwards to its commands; it decides nothing.

#include <QWidget>

#include "collection_check/check_window.h"

class QChartView;
class QLabel;
class QProgressBar;
class QPushButton;
class QTableView;

namespace collection_check {

class FrmCollectionCheck : public QWidget {
    Q_OBJECT
public:
    explicit FrmCollectionCheck(record::RecordWindow& window, QWidget* parent = nullptr);
    ~FrmCollectionCheck() override;

    CheckWindow& state() { return state_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* buildGlance();
    QWidget* buildFindings();
    void refresh();
    void drawReport();
    void goToCurrent();
    void addCurrentToList();
    int currentRow() const;

    CheckWindow state_;
    CheckWindow::Phase drawn_ = CheckWindow::Phase::Idle;  // the phase the figures were drawn in
    QLabel* figures_[4] = {};
    QChartView* mediaChart_ = nullptr;
    QChartView* composerChart_ = nullptr;
    QTableView* table_ = nullptr;
    QPushButton* addToList_ = nullptr;
    QPushButton* saveHtml_ = nullptr;
    QProgressBar* progress_ = nullptr;
    QLabel* status_ = nullptr;
    QPushButton* checkAgain_ = nullptr;
    QPushButton* cancel_ = nullptr;
};

}  // namespace collection_check
