#pragma once
// Starting programs outside Sonvella: the sort tools and the system-information tool. A tool is
// either started and left to run, or run in a console window of Sonvella's own that shows its
// output and tells how it ended.

#include <QString>
#include <QStringList>
#include <functional>

namespace platform {

// How a program run in a console window ended.
struct ProgramEnd {
    int exitCode = 0;
    bool crashed = false;  // it never exited: it crashed or was stopped
    QString errorOutput;   // what it wrote to its error output, without trailing line breaks

    bool succeeded() const { return !crashed && exitCode == 0; }
};

class ProcessLauncher {
public:
    virtual ~ProcessLauncher() = default;
    // The full path of a program named by a bare name: next to Sonvella's own executable first,
    // then on the search path; the empty text when it is nowhere.
    virtual QString find(const QString& name) const = 0;
    // Starts a program in a working directory and leaves it to run. False, with the reason, when
    // it cannot be started.
    virtual bool start(const QString& program, const QStringList& arguments,
                       const QString& workingDirectory, QString* error) = 0;
    // Runs a program in a working directory with its output shown line by line in a console
    // window, and returns at once. `ended` is called once, when the program has ended: the window
    // has closed by then if it ended well, and stays open with the program's text if not. False,
    // with the reason, when it cannot be started; `ended` is then never called.
    virtual bool runInConsole(const QString& program, const QStringList& arguments,
                              const QString& workingDirectory,
                              std::function<void(const ProgramEnd&)> ended, QString* error) = 0;
};

}  // namespace platform
