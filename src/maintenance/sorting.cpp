#include "maintenance/sorting.h"

#include <QFileInfo>
#include <cstdint>

#include "main_window/record_window.h"
#include "platform/dialogs.h"
#include "platform/process_launcher.h"
#include "platform/shell.h"

namespace maintenance {

using main_window::RecordWindow;
using platform::Icon;

namespace {

struct SortCommand {
    const char* title;
    const char* tool;  // a bare name; the launcher finds it
    std::int16_t sortState;
};

constexpr SortCommand kByComposer = {"Sonvella 4.0 - Sorting by Composer", "Varnel", 2};
constexpr SortCommand kByIdentity = {"Sonvella 4.0 - Sorting by Identity", "Tormin", 1};

const QString kNotSorted = QStringLiteral(
    "Your Collection has not been sorted. Sonvella will now restart on it unchanged.");

// Starts the tool; false after a message that names it and says why it did not start.
bool startTool(RecordWindow& window, const SortCommand& command, const QString& folder) {
    platform::ProcessLauncher& processes = window.services().processes;
    const QString title = QString::fromLatin1(command.title);
    const QString tool = QString::fromLatin1(command.tool);
    const QString program = processes.find(tool);
    if (program.isEmpty()) {
        window.dialogs().show(title,
                              QStringLiteral("The sorting program ") + tool +
                                  QStringLiteral(" was not found next to Sonvella or on the "
                                                 "search path.\n") +
                                  kNotSorted,
                              Icon::Exclamation);
        return false;
    }
    QString error;
    if (!processes.start(program, {}, folder, &error)) {
        window.dialogs().show(title,
                              QStringLiteral("The sorting program ") + program +
                                  QStringLiteral(" could not be started:\n") + error +
                                  QLatin1Char('\n') + kNotSorted,
                              Icon::Exclamation);
        return false;
    }
    return true;
}

void sortCollection(RecordWindow& window, const SortCommand& command) {
    const QString title = QString::fromLatin1(command.title);
    const platform::Answer answer = window.dialogs().ask(
        title,
        QStringLiteral("1. To Sort properly, you MUST NOT have used double quotes ('') in ANY "
                       "textbox.\n"
                       "2. Before you begin Sorting, use the 'File\\BackUp' command.\n"
                       "Shall I start Sorting your Collection now ?"),
        Icon::Question, platform::Buttons::OkCancel);
    if (answer != platform::Answer::Ok) return;

    // The tool works on Clasical.dat where the window found it, the current directory.
    const QString folder = QFileInfo(window.file().path()).absolutePath();
    platform::Shell& shell = window.services().shell;

    // The restarted window opens without the cover panel. The record shown is not saved: the tool
    // is about to reorder the records under it.
    window.coverShown = 0;
    window.file().close();
    shell.unloadMainWindow();
    // The window state stays alive until the splash window loads the next main window, so the
    // session is still reachable below.

    const bool started = startTool(window, command, folder);
    if (started) {
        window.dialogs().show(
            title, QStringLiteral("When the black window goes off, click to restart Sonvella."),
            Icon::Information);
    }
    // Sorted or not, the program must not be left without a main window.
    shell.showSplash();
    // Set after the splash window is shown and before it loads the main window, which shows it.
    if (started) window.session().sortState = command.sortState;
}

}  // namespace

void mnuSortComp(RecordWindow& window) {
    sortCollection(window, kByComposer);
}

void mnuSortId(RecordWindow& window) {
    sortCollection(window, kByIdentity);
}

}  // namespace maintenance
