#pragma once
// The program around its windows: the splash window, the main window it hands over to, and the
// end of the program. It owns what outlives one main window.

#include <QPointer>
#include <memory>

#include "main_window/session.h"
#include "platform/clock.h"
#include "platform/print_job.h"
#include "platform/qt_clipboard.h"
#include "platform/qt_printer_output.h"
#include "platform/shell.h"

namespace platform {
class Dialogs;
}

namespace main_window {
class FrmIstoriki;
class RecordWindow;
}  // namespace main_window

namespace app {

class Program : public platform::Shell {
public:
    explicit Program(platform::Dialogs& dialogs);
    ~Program() override;

    // Shows the splash window; on its first tick the main window is loaded (or, when it is
    // loaded already, brought to the front).
    void showSplash() override;
    void endProgram() override;

private:
    void loadMainWindow();

    platform::Dialogs& dialogs_;
    platform::QtClipboard clipboard_;
    platform::QtPrinterOutput printer_;
    platform::PrintJob printJob_{printer_};
    platform::SystemClock clock_;
    main_window::Session session_;
    std::unique_ptr<main_window::RecordWindow> state_;
    QPointer<main_window::FrmIstoriki> window_;
};

}  // namespace app
