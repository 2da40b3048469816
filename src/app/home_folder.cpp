#include "app/home_folder.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <algorithm>

#include "maintenance/backup_marker.h"
#include "platform/program_directory.h"
#include "store/collection_file.h"
#include "store/name_list.h"

namespace app {

namespace {

// The program folder gets the demo once: while it is new, or holds none of the files that every
// start leaves in it (the name lists and the backup marker). After that a missing Clasical.dat is a
// collection the user emptied, and stays empty.
bool neverSeeded() {
    const QDir dir(platform::programDirectory());
    if (!dir.exists()) return true;
    if (QFileInfo::exists(maintenance::defaultBackupMarker())) return false;
    return std::none_of(store::kNameLists.begin(), store::kNameLists.end(), [&](const auto& list) {
        return dir.exists(QString::fromLatin1(list.file));
    });
}

}  // namespace

bool prepareHomeFolder(const QStringList& folders, QString* error) {
    const QString home = platform::programDirectory();
    // The demo collection and its covers come only to a folder that never had them and holds no
    // collection: a user's own media may well be numbered like the demo's.
    const bool seedDemo =
        neverSeeded() && !QFileInfo::exists(QDir(home).filePath(store::CollectionFile::kFileName));
    if (!QDir().mkpath(home)) {
        *error = QStringLiteral("%1 cannot be made.").arg(home);
        return false;
    }
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
            if (demoOnly && !seedDemo) continue;
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
