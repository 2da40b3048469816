#pragma once
// The platform as tests see it: scripted dialogs, and a shell, clipboard, printer and clock that
// record what commands asked of them, bundled into the Services a window takes.

#include <QDateTime>
#include <QImage>
#include <QMap>
#include <QStringList>
#include <functional>
#include <utility>
#include <vector>

#include "platform/clipboard.h"
#include "platform/clock.h"
#include "platform/help_viewer.h"
#include "platform/print_job.h"
#include "platform/process_launcher.h"
#include "platform/services.h"
#include "platform/shell.h"
#include "support/scripted_dialogs.h"

namespace testing {

class RecordingShell : public platform::Shell {
public:
    int ended = 0;
    int splashShown = 0;
    int mainWindowUnloaded = 0;
    QStringList calls;  // in order: "end", "splash", "unload", "multi", "unload multi"

    void endProgram() override {
        ++ended;
        calls << QStringLiteral("end");
    }
    void showSplash() override {
        ++splashShown;
        calls << QStringLiteral("splash");
    }
    void unloadMainWindow() override {
        ++mainWindowUnloaded;
        calls << QStringLiteral("unload");
    }
    void showMultiMode() override { calls << QStringLiteral("multi"); }
    void unloadMultiMode() override { calls << QStringLiteral("unload multi"); }
};

// Finds programs in a table of its own and records what it was asked to start. A program run in
// a console ends at once with `consoleEnd`, or, with `consoleEndsLater`, at endConsoleRun().
class RecordingLauncher : public platform::ProcessLauncher {
public:
    struct Start {
        QString program;
        QStringList arguments;
        QString workingDirectory;
    };
    QMap<QString, QString> programs;  // bare name -> full path; a name not here is not found
    std::vector<Start> started;
    QString failure;  // when not empty, every start fails with this reason
    platform::ProgramEnd consoleEnd;
    bool consoleEndsLater = false;
    std::function<void(const platform::ProgramEnd&)> running;  // the run that has not ended yet

    QString find(const QString& name) const override { return programs.value(name); }
    bool start(const QString& program, const QStringList& arguments,
               const QString& workingDirectory, QString* error) override {
        if (!failure.isEmpty()) {
            if (error) *error = failure;
            return false;
        }
        started.push_back({program, arguments, workingDirectory});
        return true;
    }
    bool runInConsole(const QString& program, const QStringList& arguments,
                      const QString& workingDirectory,
                      std::function<void(const platform::ProgramEnd&)> ended,
                      QString* error) override {
        if (!start(program, arguments, workingDirectory, error)) return false;
        running = std::move(ended);
        if (!consoleEndsLater) endConsoleRun();
        return true;
    }
    void endConsoleRun() {
        if (auto ended = std::exchange(running, nullptr)) ended(consoleEnd);
    }
};

class RecordingHelpViewer : public platform::HelpViewer {
public:
    QStringList shown;
    void showContents(const QString& helpFile) override { shown << helpFile; }
};

class RecordingClipboard : public platform::Clipboard {
public:
    std::vector<QImage> images;
    void setImage(const QImage& image) override { images.push_back(image); }
    QImage image() const override { return images.empty() ? QImage() : images.back(); }
};

// Keeps every job it is sent; answers as a printer would, or fails when told to.
class RecordingPrinter : public platform::PrinterOutput {
public:
    std::vector<std::vector<platform::PrintPage>> jobs;
    platform::PrintOutcome answer{
        platform::PrintOutcome::Printed, QStringLiteral("Test printer"), {}};

    platform::PrintOutcome print(const std::vector<platform::PrintPage>& pages) override {
        jobs.push_back(pages);
        return answer;
    }
};

class FixedClock : public platform::Clock {
public:
    QDateTime time{QDate(2026, 12, 7), QTime(14, 5)};
    QDateTime now() const override { return time; }
};

struct Fakes {
    ScriptedDialogs dialogs;
    RecordingShell shell;
    RecordingClipboard clipboard;
    RecordingPrinter printer;
    platform::PrintJob printJob{printer};
    FixedClock clock;
    RecordingLauncher processes;
    RecordingHelpViewer help;

    Fakes() = default;
    Fakes(const Fakes&) = delete;
    Fakes& operator=(const Fakes&) = delete;
    // Back to a fresh start between test functions.
    void reset() {
        dialogs = {};
        shell = {};
        clipboard = {};
        printer = RecordingPrinter();
        printJob.cancel();
        processes = RecordingLauncher();
        help = RecordingHelpViewer();
    }

    platform::Services services() {
        return {dialogs, shell, clipboard, printJob, clock, processes, help};
    }
};

}  // namespace testing
