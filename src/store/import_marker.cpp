#include "store/import_marker.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include "common/regular_file.h"
#include "store/collection_file.h"
#include "store/store_error.h"

namespace store {

namespace {

constexpr qint64 kMostMarkerBytes = 256;  // a marker is one short line

// "<old length> <final length>", as the marker holds them; false for anything else.
bool parseMarker(const QByteArray& text, std::int64_t* oldLength, std::int64_t* finalLength) {
    const QList<QByteArray> parts = text.trimmed().split(' ');
    if (parts.size() != 2) return false;
    bool oldOk = false, finalOk = false;
    *oldLength = parts[0].toLongLong(&oldOk);
    *finalLength = parts[1].toLongLong(&finalOk);
    return oldOk && finalOk && *oldLength >= 0 && *oldLength <= *finalLength;
}

}  // namespace

QString importMarkerPath(const QString& collectionPath) {
    return collectionPath + QStringLiteral(".import");
}

void writeImportMarker(const QString& collectionPath, std::int64_t oldLength,
                       std::int64_t finalLength) {
    const QString path = importMarkerPath(collectionPath);
    const QByteArray text = QByteArray::number(qint64(oldLength)) + ' ' +
                            QByteArray::number(qint64(finalLength)) + '\n';
    QSaveFile marker(path);
    if (!marker.open(QIODevice::WriteOnly | QIODevice::Unbuffered) ||
        marker.write(text) != text.size() || !marker.commit()) {
        throw StoreError(
            StoreError::Kind::WriteFailed,
            QStringLiteral("%1 cannot be written: %2").arg(path, marker.errorString()));
    }
}

void removeImportMarker(const QString& collectionPath) {
    QFile::remove(importMarkerPath(collectionPath));
}

ImportRecovery recoverUnfinishedImport(const QString& collectionPath) {
    const QString path = importMarkerPath(collectionPath);
    ImportRecovery recovery;
    if (!QFileInfo::exists(path)) return recovery;

    QFile marker(path);
    QByteArray text;
    if (common::openRegularFile(marker, QIODevice::ReadOnly)) text = marker.read(kMostMarkerBytes);
    marker.close();
    std::int64_t oldLength = 0, finalLength = 0;
    const std::int64_t length = QFileInfo(collectionPath).size();
    if (!parseMarker(text, &oldLength, &finalLength) || length < oldLength ||
        length > finalLength || !QFileInfo(collectionPath).isFile()) {
        // Not the marker of this file as it is (a collection restored or edited since): it must
        // never cut anything, now or later.
        recovery.outcome = ImportRecovery::Outcome::SetAside;
        recovery.setAsidePath = path + QStringLiteral(".bad");
        QFile::remove(recovery.setAsidePath);
        if (!QFile::rename(path, recovery.setAsidePath)) QFile::remove(path);
        return recovery;
    }
    QFile file(collectionPath);
    if (!file.resize(oldLength)) {
        recovery.outcome = ImportRecovery::Outcome::Failed;
        recovery.reason = file.errorString();
        return recovery;
    }
    recovery.outcome = ImportRecovery::Outcome::Removed;
    recovery.records =
        std::max<std::int64_t>(0, roundedRecordCount(length) - roundedRecordCount(oldLength));
    QFile::remove(path);
    return recovery;
}

}  // namespace store
