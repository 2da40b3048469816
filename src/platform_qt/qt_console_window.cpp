#include "platform_qt/qt_console_window.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QDir>
#include <QFontDatabase>
#include <QFontMetrics>
#include <QPlainTextEdit>
#include <QTimer>
#include <QVBoxLayout>

namespace platform {

namespace {

constexpr int kColumns = 80;
constexpr int kRows = 25;

}  // namespace

ConsoleWindow::ConsoleWindow(std::function<void(const ProgramEnd&)> ended)
    : view_(new QPlainTextEdit(this)), process_(new QProcess(this)), ended_(std::move(ended)) {
    setObjectName(QStringLiteral("console"));
    view_->setReadOnly(true);
    view_->setLineWrapMode(QPlainTextEdit::NoWrap);
    view_->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    view_->setStyleSheet(QStringLiteral("QPlainTextEdit { background: black; color: #c0c0c0; }"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(view_);
    const QFontMetrics metrics(view_->font());
    resize(metrics.horizontalAdvance(QLatin1Char('M')) * kColumns + 24,
           metrics.lineSpacing() * kRows + 12);

    // The tools read nothing; a tool that tried must not wait for input that never comes.
    process_->setStandardInputFile(QProcess::nullDevice());
    connect(process_, &QProcess::readyReadStandardOutput, this,
            [this] { showOutput(QProcess::StandardOutput); });
    connect(process_, &QProcess::readyReadStandardError, this,
            [this] { showOutput(QProcess::StandardError); });
    connect(process_, &QProcess::finished, this, &ConsoleWindow::finished);
}

ConsoleWindow::~ConsoleWindow() {
    // A tool still running when the program ends is stopped by QProcess; its end must not reach
    // a window that is half gone.
    process_->disconnect(this);
}

bool ConsoleWindow::start(const QString& program, const QStringList& arguments,
                          const QString& workingDirectory, QString* error) {
    setWindowTitle(QDir::toNativeSeparators(program));
    process_->setProgram(program);
    process_->setArguments(arguments);
    process_->setWorkingDirectory(workingDirectory);
    process_->start();
    if (process_->waitForStarted()) return true;
    if (error) *error = process_->errorString();
    return false;
}

void ConsoleWindow::showOutput(QProcess::ProcessChannel channel, bool all) {
    process_->setReadChannel(channel);
    QByteArray& pending = pending_[channel == QProcess::StandardError ? 1 : 0];
    pending += process_->readAll();
    qsizetype end = all ? pending.size() : pending.lastIndexOf('\n') + 1;
    if (end == 0) return;
    QString text = QString::fromLocal8Bit(pending.left(end));
    pending.remove(0, end);
    text.remove(QLatin1Char('\r'));
    if (text.endsWith(QLatin1Char('\n'))) text.chop(1);
    if (channel == QProcess::StandardError) errorOutput_ += text + QLatin1Char('\n');
    view_->appendPlainText(text);
}

void ConsoleWindow::finished(int exitCode, QProcess::ExitStatus status) {
    showOutput(QProcess::StandardOutput, true);
    showOutput(QProcess::StandardError, true);
    ProgramEnd end;
    end.exitCode = exitCode;
    end.crashed = status == QProcess::CrashExit;
    end.errorOutput = errorOutput_;
    while (end.errorOutput.endsWith(QLatin1Char('\n'))) end.errorOutput.chop(1);

    if (end.succeeded() || stopped_) {
        hide();
        deleteLater();
    } else {
        view_->appendPlainText(
            end.crashed ? QStringLiteral("\n[The program stopped before it finished.]")
                        : QStringLiteral("\n[The program ended with exit code %1.]").arg(exitCode));
    }
    // From the event loop: what follows may show message boxes, and this is a signal of the
    // process, which is let go now.
    QTimer::singleShot(0, QCoreApplication::instance(),
                       [ended = std::move(ended_), end] { ended(end); });
}

void ConsoleWindow::closeEvent(QCloseEvent* event) {
    event->accept();
    if (process_->state() != QProcess::NotRunning) {
        // The user wants the tool gone. Its end still comes through finished(), which tells the
        // caller and lets the window go.
        stopped_ = true;
        process_->kill();
        return;
    }
    deleteLater();
}

}  // namespace platform
