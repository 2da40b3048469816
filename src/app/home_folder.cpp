#include "app/home_folder.h"

#include <QCoreApplication>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <algorithm>

#include "platform/program_directory.h"

namespace app {

QStringList starterFolders() {
    const QString bin = QCoreApplication::applicationDirPath();
    return {bin + QStringLiteral("/demo"), bin + QStringLiteral("/../share/sonvella/demo")};
}

bool prepareHomeFolder(const QStringList& folders, QString* error) {
    const QString home = platform::programDirectory();
    if (!QDir().mkpath(home)) {
        *error = QStringLiteral("%1 cannot be made.").arg(home);
        return false;
    }
    // The demo collection and its covers come only to a folder without a collection: a user's
    // own media may well be numbered like the demo's.
    const bool newCollection =
        !QFileInfo::exists(QDir(home).filePath(QStringLiteral("Clasical.dat")));
    auto starter = std::find_if(folders.begin(), folders.end(),
                                [](const QString& f) { return QDir(f).exists(); });
    if (starter != folders.end()) {
        const QDir from(*starter);
        QDirIterator files(from.path(), QDir::Files, QDirIterator::Subdirectories);
        while (files.hasNext()) {
            const QString source = files.next();
            const QString relative = from.relativeFilePath(source);
            const bool demoOnly = relative == QLatin1String("Clasical.dat") ||
                                  relative.startsWith(QLatin1String("Covers/"));
            if (demoOnly && !newCollection) continue;
            const QString target = QDir(home).filePath(relative);
            if (QFileInfo::exists(target)) continue;  // the user's own, or seeded before
            QDir().mkpath(QFileInfo(target).absolutePath());
            if (!QFile::copy(source, target)) {
                *error = QStringLiteral("%1 cannot be copied to %2.").arg(source, target);
                return false;
            }
            // Installed data is often read-only; the user's copy must not be.
            QFile::setPermissions(target, QFile::permissions(target) | QFileDevice::WriteOwner);
        }
    }
    if (!QDir::setCurrent(home)) {
        *error = QStringLiteral("%1 cannot be opened.").arg(home);
        return false;
    }
    return true;
}

}  // namespace app
