#include "app/program.h"

#include <QApplication>
#include <cstdio>

#include "info/info_windows.h"
#include "main_window/frm_istoriki.h"
#include "main_window/frm_splash.h"
#include "multi/frm_multi.h"
#include "multi/multi_window.h"
#include "record/record_window.h"

namespace app {

namespace {

// Keeps a window's state alive for as long as its widget, whose child it is.
class StateKeeper : public QObject {
public:
    StateKeeper(std::shared_ptr<void> state, QObject* widget)
        : QObject(widget), state_(std::move(state)) {}

private:
    std::shared_ptr<void> state_;
};

// Hides an unloaded window and lets it go, with its state, once the command that unloaded it has
// returned to the event loop; deleteLater() waits for that even when the command shows a message
// box or lets a long scan draw its progress.
QWidget* retire(QWidget* widget, std::shared_ptr<void> state) {
    QObject* holder = widget ? static_cast<QObject*>(widget) : new QObject;
    new StateKeeper(std::move(state), holder);
    if (widget) widget->hide();
    holder->deleteLater();
    return widget;
}

constexpr int kRetryLoadMs = 100;

}  // namespace

Program::Program(platform::Dialogs& dialogs, platform::HelpViewer& help,
                 platform::ProcessLauncher* processes)
    : dialogs_(dialogs), help_(help), processes_(processes ? *processes : ownProcesses_) {
    retryLoad_.setSingleShot(true);
    retryLoad_.setInterval(kRetryLoadMs);
    QObject::connect(&retryLoad_, &QTimer::timeout, [this] { splashTicked(); });
}

Program::~Program() {
    retryLoad_.stop();
    delete splash_.data();
    delete window_.data();
    delete multiWindow_.data();
    delete retiringWindow_.data();
    delete retiringMulti_.data();
}

platform::Services Program::services() {
    return {dialogs_, *this, clipboard_, printJob_, clock_, processes_, help_};
}

main_window::FrmIstoriki* Program::mainWindow() const {
    return window_;
}

record::RecordWindow* Program::mainState() const {
    return window_ ? state_.get() : nullptr;
}

multi::FrmMulti* Program::multiWindow() const {
    return multiWindow_;
}

multi::MultiWindow* Program::multiState() const {
    return multiWindow_ ? multiState_.get() : nullptr;
}

void Program::showSplash() {
    if (!splash_) splash_ = new main_window::FrmSplash([this] { splashTicked(); });
    splash_->show();
    splash_->raise();
}

void Program::splashTicked() {
    if (window_) {
        window_->raise();
        window_->activateWindow();
        return;
    }
    // A splash window shown before multi mode came on has nothing to load.
    if (multiWindow_) return;
    if (retiringWindow_ || retiringMulti_) {
        retryLoad_.start();
        return;
    }
    loadMainWindow();
}

void Program::loadMainWindow() {
    auto state = std::make_unique<record::RecordWindow>(session_, services());
    if (!state->Form_Load()) {
        if (selfTest_) QCoreApplication::exit(1);
        return;
    }
    state_ = std::move(state);
    lastWindow_.disarm();
    window_ = new main_window::FrmIstoriki(*state_);
    // Closed by its frame, the main window takes its cover windows along and nothing else; the
    // program ends with its last window.
    window_->closedByUser = [this] {
        unloadMainWindow();
        lastWindow_.arm();
    };
    window_->show();
    if (selfTest_) {
        std::printf("%s\n%s\n", qPrintable(window_->windowTitle()),
                    qPrintable(state_->state().boxes[record::txtOno]));
        std::fflush(stdout);
        endProgram();
    }
}

void Program::unloadMainWindow() {
    if (!state_) return;
    state_->coverPanel().closeCoverWindows();
    if (window_) {
        window_->closeQuickFind();
        window_->closeCollectionCheck();
        window_->closeChangeHistory();
        window_->closeWorks();
    }
    retiringWindow_ = retire(window_, std::shared_ptr<record::RecordWindow>(std::move(state_)));
    window_ = nullptr;
}

void Program::showMultiMode() {
    unloadMainWindow();
    auto state = std::make_unique<multi::MultiWindow>(services());
    if (!state->Form_Load()) {
        showSplash();  // the main window comes back
        return;
    }
    multiState_ = std::move(state);
    lastWindow_.disarm();
    multiWindow_ = new multi::FrmMulti(*multiState_);
    multiWindow_->closedByUser = [this] {
        unloadMultiMode();
        lastWindow_.arm();
    };
    multi::MultiWindow& multiState = *multiState_;
    multiWindow_->setHelpCommands(
        [this] { help_.showContents(QStringLiteral("BIBLIOGRAPHY.HLP")); },
        [] { info::showShortcutKeys(); },
        [this] { help_.showContents(QStringLiteral("Sonvel400.HLP")); },
        [&multiState] { info::showAbout(multiState.services().processes, multiState.dialogs()); });
    multiWindow_->show();
}

void Program::unloadMultiMode() {
    if (!multiState_) return;
    retiringMulti_ =
        retire(multiWindow_, std::shared_ptr<multi::MultiWindow>(std::move(multiState_)));
    multiWindow_ = nullptr;
}

void Program::endProgram() {
    if (ending_) return;
    ending_ = true;
    lastWindow_.disarm();
    info::closeInfoWindows();
    QApplication::closeAllWindows();
    QCoreApplication::quit();
}

}  // namespace app
