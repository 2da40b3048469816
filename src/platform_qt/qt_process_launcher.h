#pragma once
// Programs found next to the executable or on PATH, started detached with QProcess or run in a
// console window of Sonvella's own.

#include "platform/process_launcher.h"

namespace platform {

class QtProcessLauncher : public ProcessLauncher {
public:
    // `besideProgram`: the folder searched first (the folder of Sonvella's executable when empty);
    // `searchPath`: the folders searched next (PATH when empty).
    explicit QtProcessLauncher(QString besideProgram = {}, QStringList searchPath = {});

    QString find(const QString& name) const override;
    bool start(const QString& program, const QStringList& arguments,
               const QString& workingDirectory, QString* error) override;
    bool runInConsole(const QString& program, const QStringList& arguments,
                      const QString& workingDirectory, std::function<void(const ProgramEnd&)> ended,
                      QString* error) override;

private:
    QString besideProgram_;
    QStringList searchPath_;
};

}  // namespace platform
