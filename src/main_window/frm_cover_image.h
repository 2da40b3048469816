#pragma once
// The enlarged front cover (frmCoverImage) and the back cover (frmBackImage): one layout, with a
// wide picture and its COPY button or a tall picture and its own COPY button.

#include <QWidget>
#include <functional>

#include "record/record_window.h"

class QLabel;
class QPushButton;

namespace main_window {

class FrmCoverImage : public QWidget {
    Q_OBJECT
public:
    // `copy` runs for either COPY button; `closed` when the user closes the window.
    FrmCoverImage(const QString& name, std::function<void()> copy, std::function<void()> closed);

    void refresh(const record::CoverWindow& window);

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    std::function<void()> closed_;
    QLabel* image1_;
    QLabel* image2_;
    QPushButton* command1_;
    QPushButton* command2_;
    record::CoverWindow shown_;  // what the widgets show now
    bool refreshing_ = false;
};

}  // namespace main_window
