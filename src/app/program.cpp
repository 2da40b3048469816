#include "app/program.h"

#include <QApplication>
#include <cstdio>

#include "info/info_windows.h"
#include "main_window/frm_istoriki.h"
#include "main_window/frm_splash.h"
#include "main_window/record_window.h"
#include "multi/frm_multi.h"
#include "multi/multi_window.h"

namespace app {

Program::Program(platform::Dialogs& dialogs, platform::HelpViewer& help)
    : dialogs_(dialogs), help_(help) {}

Program::~Program() {
    delete window_.data();
    delete multiWindow_.data();
}

platform::Services Program::services() {
    return {dialogs_, *this, clipboard_, printJob_, clock_, processes_, help_};
}

void Program::showSplash() {
    auto* splash = new main_window::FrmSplash([this] { loadMainWindow(); });
    splash->show();
}

void Program::loadMainWindow() {
    if (window_ && state_) {
        window_->raise();
        window_->activateWindow();
        return;
    }
    delete window_.data();
    retired_.reset();
    delete multiWindow_.data();
    retiredMulti_.reset();
    auto state = std::make_unique<main_window::RecordWindow>(session_, services());
    if (!state->Form_Load()) {
        if (selfTest_) QCoreApplication::exit(1);
        return;
    }
    state_ = std::move(state);
    window_ = new main_window::FrmIstoriki(*state_);
    // Closing the main window by its frame ends the program, as closing the last window does.
    window_->closedByUser = [this] { endProgram(); };
    window_->show();
    if (selfTest_) {
        std::printf("%s\n%s\n", qPrintable(window_->windowTitle()),
                    qPrintable(state_->boxes[main_window::txtOno]));
        std::fflush(stdout);
        endProgram();
    }
}

void Program::unloadMainWindow() {
    if (state_) state_->closeCoverWindows();
    if (window_) {
        window_->hide();
        window_->deleteLater();  // after the command that asked for it has returned
        window_ = nullptr;
    }
    retired_ = std::move(state_);
}

void Program::showMultiMode() {
    unloadMainWindow();
    auto state = std::make_unique<multi::MultiWindow>(services());
    if (!state->Form_Load()) {
        showSplash();  // the main window comes back
        return;
    }
    multiState_ = std::move(state);
    multiWindow_ = new multi::FrmMulti(*multiState_);
    multiWindow_->closedByUser = [this] { endProgram(); };
    multi::MultiWindow& multiState = *multiState_;
    multiWindow_->setHelpCommands(
        [this] { help_.showContents(QStringLiteral("BIBLIOGRAPHY.HLP")); },
        [] { info::showShortcutKeys(); },
        [this] { help_.showContents(QStringLiteral("Sonvel400.HLP")); },
        [&multiState] { info::showAbout(multiState.services().processes, multiState.dialogs()); });
    multiWindow_->show();
}

void Program::unloadMultiMode() {
    if (multiWindow_) {
        multiWindow_->hide();
        multiWindow_->deleteLater();
        multiWindow_ = nullptr;
    }
    retiredMulti_ = std::move(multiState_);
}

void Program::endProgram() {
    if (ending_) return;
    ending_ = true;
    info::closeInfoWindows();
    QApplication::closeAllWindows();
    QCoreApplication::quit();
}

}  // namespace app
