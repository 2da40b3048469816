#pragma once
// The about window's "System Info..." button: finds the system-information program of the desktop
// and starts it, or says that there is none.

#include <QString>
#include <QStringList>

namespace platform {
class Dialogs;
class ProcessLauncher;
}  // namespace platform

namespace info {

// The programs that show what the computer is made of and runs, best first; the first one found
// on the search path is started. (On Windows the tool is found through the registry instead.)
const QStringList& systemInfoPrograms();

// Starts the system-information program, not waiting for it. When none is found, or the one found
// cannot be started: "System Information Is Unavailable At This Time" (OK only, no icon, the
// program's plain title). Returns whether a program was started.
bool StartSysInfo(platform::ProcessLauncher& processes, platform::Dialogs& dialogs);

#ifdef Q_OS_WIN
// Reads the string value `valueName` of the registry key `keyName` under `keyRoot`
// ("HKEY_LOCAL_MACHINE"). False when the key or the value does not exist.
bool GetKeyValue(const QString& keyRoot, const QString& keyName, const QString& valueName,
                 QString* value);
#endif

}  // namespace info
