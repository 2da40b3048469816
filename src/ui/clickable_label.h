#pragma once
// A label (or picture) that reports a mouse click, for the pictures and labels that act as buttons.

#include <QLabel>

namespace ui {

class ClickableLabel : public QLabel {
    Q_OBJECT
public:
    using QLabel::QLabel;

signals:
    void clicked();

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
};

}  // namespace ui
