#include "platform_qt/qt_process_launcher.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>

#include "platform_qt/qt_console_window.h"

namespace platform {

namespace {

bool isProgram(const QString& path) {
    const QFileInfo info(path);
    return info.isFile() && info.isExecutable();
}

}  // namespace

QtProcessLauncher::QtProcessLauncher(QString besideProgram, QStringList searchPath)
    : besideProgram_(std::move(besideProgram)), searchPath_(std::move(searchPath)) {}

QString QtProcessLauncher::find(const QString& name) const {
#ifdef Q_OS_WIN
    const QString file = name.endsWith(QStringLiteral(".exe"), Qt::CaseInsensitive)
                             ? name
                             : name + QStringLiteral(".exe");
#else
    const QString& file = name;
#endif
    const QString beside =
        besideProgram_.isEmpty() ? QCoreApplication::applicationDirPath() : besideProgram_;
    const QString next = QDir(beside).filePath(file);
    if (isProgram(next)) return next;
    return searchPath_.isEmpty() ? QStandardPaths::findExecutable(file)
                                 : QStandardPaths::findExecutable(file, searchPath_);
}

bool QtProcessLauncher::start(const QString& program, const QStringList& arguments,
                              const QString& workingDirectory, QString* error) {
    QProcess process;
    process.setProgram(program);
    process.setArguments(arguments);
    process.setWorkingDirectory(workingDirectory);
    qint64 pid = 0;
    if (process.startDetached(&pid)) return true;
    if (error) *error = process.errorString();
    return false;
}

bool QtProcessLauncher::runInConsole(const QString& program, const QStringList& arguments,
                                     const QString& workingDirectory,
                                     std::function<void(const ProgramEnd&)> ended, QString* error) {
    auto* console = new ConsoleWindow(std::move(ended));
    if (!console->start(program, arguments, workingDirectory, error)) {
        delete console;
        return false;
    }
    console->show();
    console->raise();
    console->activateWindow();
    return true;
}

}  // namespace platform
