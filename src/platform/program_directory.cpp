#include "platform/program_directory.h"

#include <QCoreApplication>
#include <QDir>

namespace platform {

QString programDirectory() {
#ifdef Q_OS_WIN
    return QStringLiteral("C:\\Program Files\\Sonvella400");
#else
    return QDir::toNativeSeparators(QDir::homePath() + QStringLiteral("/Sonvella400"));
#endif
}

QString programFile(const QString& name) {
    return QDir::toNativeSeparators(programDirectory() + QLatin1Char('/') + name);
}

QString coversDirectory() {
    return programFile(QStringLiteral("Covers"));
}

QStringList starterFolders() {
    const QString bin = QCoreApplication::applicationDirPath();
    return {bin + QStringLiteral("/demo"), bin + QStringLiteral("/../share/sonvella/demo")};
}

bool createProgramDirectories() {
    return QDir().mkpath(programDirectory()) && QDir().mkpath(coversDirectory());
}

}  // namespace platform
