#pragma once
// The program around its windows: the splash window, the main window it hands over to, and the
// end of the program. It owns what outlives one main window, and the Qt side of the platform.

#include <QPointer>
#include <memory>

#include "main_window/session.h"
#include "platform/clock.h"
#include "platform/help_viewer.h"
#include "platform/print_job.h"
#include "platform/qt_clipboard.h"
#include "platform/qt_printer_output.h"
#include "platform/qt_process_launcher.h"
#include "platform/services.h"
#include "platform/shell.h"

namespace platform {
class Dialogs;
}

namespace main_window {
class FrmIstoriki;
class RecordWindow;
}  // namespace main_window

namespace multi {
class FrmMulti;
class MultiWindow;
}  // namespace multi

namespace app {

class Program : public platform::Shell {
public:
    Program(platform::Dialogs& dialogs, platform::HelpViewer& help);
    ~Program() override;

    // Shows the splash window; on its first tick the main window is loaded (or, when it is
    // loaded already, brought to the front).
    void showSplash() override;
    // Once the main window has loaded, prints its caption and Composer to the standard output and
    // ends the program; a start that fails ends it at once, with the exit code 1.
    void reportFirstRecordAndEnd() { selfTest_ = true; }
    void endProgram() override;
    void unloadMainWindow() override;
    void showMultiMode() override;
    void unloadMultiMode() override;

private:
    void loadMainWindow();
    platform::Services services();

    platform::Dialogs& dialogs_;
    platform::HelpViewer& help_;
    platform::QtClipboard clipboard_;
    platform::QtPrinterOutput printer_;
    platform::PrintJob printJob_{printer_};
    platform::SystemClock clock_;
    platform::QtProcessLauncher processes_;
    main_window::Session session_;

    std::unique_ptr<main_window::RecordWindow> state_;
    QPointer<main_window::FrmIstoriki> window_;
    // An unloaded main window's state: the command that unloaded it may still be running, so it
    // is let go only when the next main window loads.
    std::unique_ptr<main_window::RecordWindow> retired_;
    std::unique_ptr<multi::MultiWindow> multiState_;
    QPointer<multi::FrmMulti> multiWindow_;
    std::unique_ptr<multi::MultiWindow> retiredMulti_;
    bool ending_ = false;
    bool selfTest_ = false;
};

}  // namespace app
