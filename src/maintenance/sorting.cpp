#include "maintenance/sorting.h"

#include <QFileInfo>
#include <cstdint>
#include <memory>
#include <optional>

#include "history/journal.h"
#include "platform/clock.h"
#include "platform/dialogs.h"
#include "platform/process_launcher.h"
#include "platform/shell.h"
#include "record/record_window.h"
#include "record/session.h"

namespace maintenance {

using platform::Icon;
using platform::ProgramEnd;
using record::RecordWindow;

namespace {

struct SortCommand {
    const char* title;
    const char* tool;  // a bare name; the launcher finds it
    std::int16_t sortState;
    const char* barrier;  // what the change history says of it
};

constexpr SortCommand kByComposer = {"Sonvella 4.0 - Sorting by Composer", "Varnel", 2,
                                     "Re-Sorted by Composer"};
constexpr SortCommand kByIdentity = {"Sonvella 4.0 - Sorting by Identity", "Tormin", 1,
                                     "Re-Sorted by Identity"};

const QString kNotSorted = QStringLiteral(
    "Your Collection has not been sorted. Sonvella will now restart on it unchanged.");

// What comes once the tool has ended. The unloaded window may be gone by then; the dialogs, the
// shell and the session belong to the program and are still there.
struct Restart {
    platform::Dialogs& dialogs;
    platform::Shell& shell;
    record::Session& session;
    platform::Clock& clock;
    QString title;
    QString program;
    std::int16_t sortState;
    QString collectionPath;
    QString barrier;

    void operator()(const ProgramEnd& end) const {
        if (!end.succeeded()) {
            // The tool's console window stays open with all it said; the box says it short.
            QString why = end.errorOutput;
            if (why.isEmpty()) {
                why = end.crashed ? QStringLiteral("It stopped before it finished.")
                                  : QStringLiteral("It ended with exit code %1.").arg(end.exitCode);
            }
            dialogs.show(title,
                         QStringLiteral("The sorting program ") + program +
                             QStringLiteral(" failed:\n") + why + QLatin1Char('\n') + kNotSorted,
                         Icon::Exclamation);
        }
        // The records have new Opus Numbers: no change before the sort can be undone.
        if (end.succeeded()) history::Journal::appendBarrier(collectionPath, barrier, clock.now());
        shell.showSplash();
        // Set after the splash window is shown and before it loads the main window, which shows
        // it; a collection the tool did not sort keeps the state it had.
        if (end.succeeded()) session.sortState = sortState;
    }
};

// The restart waits for both the user's OK and the end of the tool, whichever comes last: a main
// window must never open on a file that the tool is still replacing.
struct ToolRun {
    explicit ToolRun(Restart r) : restart(std::move(r)) {}
    Restart restart;
    bool confirmed = false;
    std::optional<ProgramEnd> end;

    void ended(const ProgramEnd& e) {
        end = e;
        if (confirmed) restart(e);
    }
    void confirm() {
        confirmed = true;
        if (end) restart(*end);
    }
};

void sortCollection(RecordWindow& window, const SortCommand& command) {
    platform::Dialogs& dialogs = window.dialogs();
    const QString title = QString::fromLatin1(command.title);
    const platform::Answer answer = dialogs.ask(
        title,
        QStringLiteral("1. To Sort properly, you MUST NOT have used double quotes ('') in ANY "
                       "textbox.\n"
                       "2. Before you begin Sorting, use the 'File\\BackUp' command.\n"
                       "Shall I start Sorting your Collection now ?"),
        Icon::Question, platform::Buttons::OkCancel);
    if (answer != platform::Answer::Ok) return;

    // The tool works on Clasical.dat where the window found it, the current directory.
    const QString collectionPath = QFileInfo(window.file().path()).absoluteFilePath();
    const QString folder = QFileInfo(collectionPath).absolutePath();
    platform::Shell& shell = window.services().shell;
    platform::ProcessLauncher& processes = window.services().processes;
    record::Session& session = window.session();

    // The restarted window opens without the cover panel. The record shown is not saved: the tool
    // is about to reorder the records under it.
    window.forgetCoverPanel();
    window.file().close();
    shell.unloadMainWindow();
    // From here on the window is unloaded; it lives until this command returns.

    const QString tool = QString::fromLatin1(command.tool);
    const QString program = processes.find(tool);
    if (program.isEmpty()) {
        dialogs.show(
            title,
            QStringLiteral("The sorting program ") + tool +
                QStringLiteral(" was not found next to Sonvella or on the search path.\n") +
                kNotSorted,
            Icon::Exclamation);
        shell.showSplash();  // sorted or not, the program must not be left without a main window
        return;
    }
    auto run = std::make_shared<ToolRun>(Restart{dialogs, shell, session, window.services().clock,
                                                 title, program, command.sortState, collectionPath,
                                                 QString::fromLatin1(command.barrier)});
    QString error;
    if (!processes.runInConsole(
            program, {}, folder, [run](const ProgramEnd& end) { run->ended(end); }, &error)) {
        dialogs.show(title,
                     QStringLiteral("The sorting program ") + program +
                         QStringLiteral(" could not be started:\n") + error + QLatin1Char('\n') +
                         kNotSorted,
                     Icon::Exclamation);
        shell.showSplash();
        return;
    }
    dialogs.show(title,
                 QStringLiteral("When the black window goes off, click to restart Sonvella."),
                 Icon::Information);
    run->confirm();
}

}  // namespace

void mnuSortComp(RecordWindow& window) {
    sortCollection(window, kByComposer);
}

void mnuSortId(RecordWindow& window) {
    sortCollection(window, kByIdentity);
}

}  // namespace maintenance
