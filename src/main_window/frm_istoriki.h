#pragma once
// The main record window's widgets: the six text boxes, the buttons, the media icon, the cover and
// pick-list panels, the menu bar and the status bar. It copies the state of RecordWindow into its
// controls, copies what the user types back, and runs the commands; it decides nothing.

#include <QHash>
#include <QMainWindow>
#include <QPointer>
#include <array>

#include "record/record_window.h"
#include "ui/throttled_refresh.h"

class QAction;
class QComboBox;
class QLabel;
class QMenu;
class QPushButton;
class QWidget;

namespace quick_find {
class FrmQuickFind;
}

namespace collection_check {
class FrmCollectionCheck;
}

namespace change_history {
class FrmChangeHistory;
}  // namespace change_history

namespace works {
class FrmWorks;
}

namespace main_window {

class FrmCoverImage;
class RecordLineEdit;
class RecordTextEdit;

class FrmIstoriki : public QMainWindow {
    Q_OBJECT
public:
    explicit FrmIstoriki(record::RecordWindow& window, QWidget* parent = nullptr);
    ~FrmIstoriki() override;

    record::RecordWindow& state() { return window_; }
    // Runs when the user closes the window by its frame.
    std::function<void()> closedByUser;
    // Copies the state into the controls (now and then only, while a long command runs).
    void refresh();
    // The Quick Find window (Find menu, Ctrl+K): opened or brought forward; closed with this
    // window's unloading.
    void showQuickFind();
    void closeQuickFind();
    // Opens the Collection Check window, or brings it to the front; closes it (the window goes
    // with the main window: it shows records through it).
    void showCollectionCheck();
    void closeCollectionCheck();
    // The Change History window (Edit menu, Ctrl+Alt+H): opened or brought forward; closed with
    // this window's unloading.
    void showChangeHistory();
    void closeChangeHistory();
    // Opens the Works window, or brings it to the front; closes it (it goes with the main window:
    // it shows records through it).
    void showWorks();
    void closeWorks();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void buildRecordArea(QWidget* client);
    void buildButtons(QWidget* client);
    void buildPickPanel(QWidget* client);
    void buildCoverPanel(QWidget* client);
    void buildMenus();
    void fillRecentCollections(QMenu* menu);
    void buildStatusBar();
    void buildKeys();
    void buildCoverWindows();
    QPushButton* button(const char* name) const;
    QAction* menuEntry(const char* name) const;

    record::RecordWindow& window_;
    std::array<QWidget*, 6> boxes_{};
    RecordLineEdit* lineBox(record::Box box) const;
    RecordTextEdit* txtEkdot_ = nullptr;
    QHash<QString, QPushButton*> buttons_;
    std::array<QComboBox*, 8> pickLists_{};
    QLabel* status_ = nullptr;
    QLabel* label18_ = nullptr;
    QLabel* image1_ = nullptr;
    QWidget* picture1_ = nullptr;
    QWidget* picture2_ = nullptr;
    QLabel* label19_ = nullptr;
    QLabel* image2_ = nullptr;
    FrmCoverImage* frmCoverImage_ = nullptr;
    FrmCoverImage* frmBackImage_ = nullptr;
    quick_find::FrmQuickFind* quickFind_ = nullptr;
    QPointer<collection_check::FrmCollectionCheck> collectionCheck_;
    QPointer<change_history::FrmChangeHistory> changeHistory_;
    QPointer<works::FrmWorks> works_;
    // The state into the controls, panel by panel.
    void copyState();
    void copyRecordArea(const record::RecordState& state);
    void copyPickPanel(const record::PickPanel::State& panel);
    void copyCoverPanel(const record::CoverPanel::State& panel);
    bool refreshing_ = false;
    ui::ThrottledRefresh refresh_{this, [this] { copyState(); }};
    int shownListsVersion_ = -1;
};

}  // namespace main_window
