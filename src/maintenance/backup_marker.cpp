#include "maintenance/backup_marker.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include "platform/program_directory.h"

namespace maintenance {

namespace {

// What a user finds when opening the marker with a text editor. Plain ASCII: the same bytes in the
// program's code page.
constexpr char kMarkerText[] =
    "Sonvella 4.0 backup marker.\r\n"
    "\r\n"
    "This file marks a folder of Sonvella's data files: Clasical.dat and the eight name lists.\r\n"
    "To back them up, use File > BackUp and point at a file ending in Backup.txt: this one for\r\n"
    "the folder it stands in, or the copy that every backup folder receives. Keep it there.\r\n";

const QString kMarkerName = QStringLiteral("Backup.txt");

bool makeMarker(const QString& marker) {
    if (QFileInfo::exists(marker)) return true;
    // NewOnly: a marker that appeared meanwhile is not written over.
    QFile file(marker);
    if (!file.open(QIODevice::WriteOnly | QIODevice::NewOnly)) return QFileInfo::exists(marker);
    const qint64 size = sizeof kMarkerText - 1;
    if (file.write(kMarkerText, size) == size && file.flush()) return true;
    file.remove();  // a marker cut short would only confuse
    return false;
}

}  // namespace

QString defaultBackupMarker() {
    return platform::programFile(kMarkerName);
}

bool ensureBackupMarker() {
    const QString marker = defaultBackupMarker();
    if (QFileInfo::exists(marker)) return true;
    if (!QDir().mkpath(platform::programDirectory())) return false;
    return makeMarker(marker);
}

QString ensureBackupMarkerIn(const QString& folder) {
    const QString marker = QDir::toNativeSeparators(QDir(folder).filePath(kMarkerName));
    return makeMarker(marker) ? marker : QString();
}

}  // namespace maintenance
