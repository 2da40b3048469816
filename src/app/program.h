#pragma once
// The program around its windows: the splash window, the main window it hands over to, and the
// end of the program. It owns what outlives one main window, and the Qt side of the platform.

#include <QPointer>
#include <QTimer>
#include <memory>

#include "app/last_window.h"
#include "platform/clock.h"
#include "platform/help_viewer.h"
#include "platform/print_job.h"
#include "platform/services.h"
#include "platform/shell.h"
#include "platform_qt/qt_clipboard.h"
#include "platform_qt/qt_printer_output.h"
#include "platform_qt/qt_process_launcher.h"
#include "record/session.h"

namespace platform {
class Dialogs;
}

namespace main_window {
class FrmIstoriki;
class FrmSplash;
}  // namespace main_window

namespace record {
class RecordWindow;
}

namespace multi {
class FrmMulti;
class MultiWindow;
}  // namespace multi

namespace app {

class Program : public platform::Shell {
public:
    // `processes` starts the sort and system-information tools; the program's own launcher when
    // none is given.
    Program(platform::Dialogs& dialogs, platform::HelpViewer& help,
            platform::ProcessLauncher* processes = nullptr);
    ~Program() override;

    // Shows the splash window (the one already showing, if any); on its tick the main window is
    // loaded, or brought to the front when it is loaded already. A tick while multi mode is on
    // loads nothing; one while an unloaded window's command is still running waits for its end.
    void showSplash() override;
    // Once the main window has loaded, prints its caption and Composer to the standard output and
    // ends the program; a start that fails ends it at once, with the exit code 1.
    void reportFirstRecordAndEnd() { selfTest_ = true; }
    void endProgram() override;
    void unloadMainWindow() override;
    void showMultiMode() override;
    void unloadMultiMode() override;

    // Whether the program has been told to end.
    bool ended() const { return ending_; }

    // The windows loaded now, or null.
    main_window::FrmIstoriki* mainWindow() const;
    record::RecordWindow* mainState() const;
    multi::FrmMulti* multiWindow() const;
    multi::MultiWindow* multiState() const;

private:
    void splashTicked();
    void loadMainWindow();
    platform::Services services();

    platform::Dialogs& dialogs_;
    platform::HelpViewer& help_;
    platform::QtClipboard clipboard_;
    platform::QtPrinterOutput printer_;
    platform::PrintJob printJob_{printer_};
    platform::SystemClock clock_;
    platform::QtProcessLauncher ownProcesses_;
    platform::ProcessLauncher& processes_;
    record::Session session_;

    QPointer<main_window::FrmSplash> splash_;
    QTimer retryLoad_;

    std::unique_ptr<record::RecordWindow> state_;
    QPointer<main_window::FrmIstoriki> window_;
    std::unique_ptr<multi::MultiWindow> multiState_;
    QPointer<multi::FrmMulti> multiWindow_;
    // Unloaded windows, deleted later together with their states: the command that unloaded one
    // may still be running (it may even be showing a message), so both live until it returns to
    // the event loop.
    QPointer<QWidget> retiringWindow_;
    QPointer<QWidget> retiringMulti_;
    EndWithLastWindow lastWindow_{[this] { endProgram(); }};
    bool ending_ = false;
    bool selfTest_ = false;
};

}  // namespace app
