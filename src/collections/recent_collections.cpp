#include "collections/recent_collections.h"

#include <QDir>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>

namespace collections {

namespace {

const QString kKey = QStringLiteral("recentCollections");

}  // namespace

RecentCollections::RecentCollections()
    : RecentCollections(QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
                        QStringLiteral("/sonvella/sonvella.conf")) {}

RecentCollections::RecentCollections(QString settingsFile)
    : settingsFile_(std::move(settingsFile)) {}

QStringList RecentCollections::folders() const {
    const QSettings settings(settingsFile_, QSettings::IniFormat);
    return settings.value(kKey).toStringList().mid(0, kKept);
}

void RecentCollections::add(const QString& folder) {
    const QString path = QDir::cleanPath(QFileInfo(folder).absoluteFilePath());
    QStringList list = folders();
    list.removeAll(path);
    list.prepend(path);
    QSettings settings(settingsFile_, QSettings::IniFormat);
    settings.setValue(kKey, list.mid(0, kKept));
}

}  // namespace collections
