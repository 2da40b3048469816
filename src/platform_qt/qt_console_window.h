#pragma once
// The console window in which Sonvella runs a tool: black, fixed-pitch, the tool's output line by
// line as it comes. It goes when the tool ends well and stays, with the tool's text and how it
// ended, when it does not. Closing it while the tool runs stops the tool.

#include <QByteArray>
#include <QProcess>
#include <QWidget>
#include <functional>

#include "platform/process_launcher.h"

class QPlainTextEdit;

namespace platform {

class ConsoleWindow : public QWidget {
public:
    // `ended` is called once, from the event loop, when the tool has ended.
    explicit ConsoleWindow(std::function<void(const ProgramEnd&)> ended);
    ~ConsoleWindow() override;

    // Starts the tool; false, with the reason, when it cannot be started.
    bool start(const QString& program, const QStringList& arguments,
               const QString& workingDirectory, QString* error);

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    // Shows the complete lines that have come on one channel; with `all`, the rest as well.
    void showOutput(QProcess::ProcessChannel channel, bool all = false);
    void finished(int exitCode, QProcess::ExitStatus status);

    QPlainTextEdit* view_;
    QProcess* process_;
    QByteArray pending_[2];  // a line begun on standard output, on the error output
    QString errorOutput_;
    bool stopped_ = false;
    std::function<void(const ProgramEnd&)> ended_;
};

}  // namespace platform
