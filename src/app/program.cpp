#include "app/program.h"

#include <QApplication>

#include "main_window/frm_istoriki.h"
#include "main_window/frm_splash.h"
#include "main_window/record_window.h"

namespace app {

Program::Program(platform::Dialogs& dialogs) : dialogs_(dialogs) {}

Program::~Program() {
    delete window_.data();
}

void Program::showSplash() {
    auto* splash = new main_window::FrmSplash([this] { loadMainWindow(); });
    splash->show();
}

void Program::loadMainWindow() {
    if (window_) {
        window_->raise();
        window_->activateWindow();
        return;
    }
    auto state = std::make_unique<main_window::RecordWindow>(
        session_, platform::Services{dialogs_, *this, clipboard_, printJob_, clock_});
    if (!state->Form_Load()) return;
    state_ = std::move(state);
    window_ = new main_window::FrmIstoriki(*state_);
    window_->show();
}

void Program::endProgram() {
    QApplication::closeAllWindows();
    QCoreApplication::quit();
}

}  // namespace app
