#include "info/system_info.h"

#include <QDir>

#include "platform/dialogs.h"
#include "platform/process_launcher.h"

#ifdef Q_OS_WIN
#include <QFileInfo>
#include <QSettings>
#endif

namespace info {

namespace {

// The title of a box that names no command: the program's own name.
const QString kApplicationTitle = QStringLiteral("Sonvella");
const QString kUnavailable = QStringLiteral("System Information Is Unavailable At This Time");

#ifdef Q_OS_WIN
const QString kLocalMachine = QStringLiteral("HKEY_LOCAL_MACHINE");

// Where Windows keeps the path of its System Information tool (msinfo32).
QString findSystemInfoTool() {
    QString path;
    if (GetKeyValue(kLocalMachine, QStringLiteral("SOFTWARE\\Microsoft\\Shared Tools\\MSINFO"),
                    QStringLiteral("PATH"), &path)) {
        return path;
    }
    QString folder;
    if (GetKeyValue(kLocalMachine, QStringLiteral("SOFTWARE\\Microsoft\\Shared Tools Location"),
                    QStringLiteral("MSINFO"), &folder)) {
        const QString tool = folder + QStringLiteral("\\MSINFO32.EXE");
        if (QFileInfo(tool).isFile()) return tool;
    }
    return {};
}
#else
QString findSystemInfoTool(const platform::ProcessLauncher& processes) {
    for (const QString& name : systemInfoPrograms()) {
        const QString path = processes.find(name);
        if (!path.isEmpty()) return path;
    }
    return {};
}
#endif

}  // namespace

const QStringList& systemInfoPrograms() {
    // System-information programs first (hardware, drivers, operating system), then the system
    // monitors of the common desktops, which at least show the machine and what it runs.
    static const QStringList programs = {
        QStringLiteral("hardinfo2"),
        QStringLiteral("hardinfo"),
        QStringLiteral("kinfocenter"),
        QStringLiteral("cpu-x"),
        QStringLiteral("gnome-system-monitor"),
        QStringLiteral("plasma-systemmonitor"),
        QStringLiteral("mate-system-monitor"),
        QStringLiteral("xfce4-taskmanager"),
        QStringLiteral("lxtask"),
    };
    return programs;
}

bool StartSysInfo(platform::ProcessLauncher& processes, platform::Dialogs& dialogs) {
#ifdef Q_OS_WIN
    const QString tool = findSystemInfoTool();
#else
    const QString tool = findSystemInfoTool(processes);
#endif
    QString error;
    if (!tool.isEmpty() && processes.start(tool, {}, QDir::currentPath(), &error)) return true;
    dialogs.show(kApplicationTitle, kUnavailable, platform::Icon::None);
    return false;
}

#ifdef Q_OS_WIN
bool GetKeyValue(const QString& keyRoot, const QString& keyName, const QString& valueName,
                 QString* value) {
    // The 64-bit view: that is where a 64-bit Windows keeps the tool's keys.
    const QSettings key(keyRoot + QLatin1Char('\\') + keyName, QSettings::Registry64Format);
    if (!key.contains(valueName)) return false;
    QString text = key.value(valueName).toString();
    while (text.endsWith(QChar(u'\0'))) text.chop(1);
    if (value) *value = text;
    return true;
}
#endif

}  // namespace info
