#pragma once
// The platform as tests see it: scripted dialogs, and a shell, clipboard, printer and clock that
// record what commands asked of them, bundled into the Services a window takes.

#include <QDateTime>
#include <QImage>
#include <vector>

#include "platform/clipboard.h"
#include "platform/clock.h"
#include "platform/print_job.h"
#include "platform/services.h"
#include "platform/shell.h"
#include "support/scripted_dialogs.h"

namespace testing {

class RecordingShell : public platform::Shell {
public:
    int ended = 0;
    int splashShown = 0;

    void endProgram() override { ++ended; }
    void showSplash() override { ++splashShown; }
};

class RecordingClipboard : public platform::Clipboard {
public:
    std::vector<QImage> images;
    void setImage(const QImage& image) override { images.push_back(image); }
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
    }

    platform::Services services() { return {dialogs, shell, clipboard, printJob, clock}; }
};

}  // namespace testing
