#pragma once
// The multi mode window's widgets: a menu bar, the page of records drawn as text on the window,
// and a status bar. It mirrors MultiWindow and runs the commands of its menus; it decides nothing.

#include <QMainWindow>
#include <functional>

#include "multi/multi_window.h"
#include "ui/throttled_refresh.h"

class QLabel;

namespace multi {

class PageCanvas;

class FrmMulti : public QMainWindow {
    Q_OBJECT
public:
    explicit FrmMulti(MultiWindow& window, QWidget* parent = nullptr);
    ~FrmMulti() override;

    MultiWindow& state() { return window_; }
    void refresh();
    // Runs when the user closes the window by its frame.
    std::function<void()> closedByUser;
    // The help entries, wired by the program (they open windows of their own).
    void setHelpCommands(std::function<void()> myCollection, std::function<void()> shortcutKeys,
                         std::function<void()> help, std::function<void()> about);

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void buildMenus();
    void copyState();

    MultiWindow& window_;
    PageCanvas* canvas_ = nullptr;
    QLabel* status_ = nullptr;
    ui::ThrottledRefresh refresh_{this, [this] { copyState(); }};
};

}  // namespace multi
