#include "record/cover_names.h"

#include <QDir>

#include "platform/program_directory.h"

namespace record {

QString coverName(const QString& identity) {
    QString name = identity.left(7).leftJustified(7, QLatin1Char(' '));
    if (name[6] == u' ') name.chop(1);
    return name;
}

QString coverLabel(const QString& identity) {
    return QStringLiteral("Cover of ") + identity.left(7).leftJustified(7, QLatin1Char(' '));
}

bool isSafeCoverName(const QString& name) {
    if (name.contains(QStringLiteral(".."))) return false;
    // Covers folders travel between systems with backups: refuse what any of them cannot hold.
    static const QString kForbidden = QStringLiteral("/\\:*?\"<>|");
    for (QChar c : name) {
        if (c.unicode() < 0x20 || kForbidden.contains(c)) return false;
    }
    return true;
}

QString frontCoverFile(const QString& identity) {
    return QDir::toNativeSeparators(platform::coversDirectory() + QLatin1Char('/') +
                                    coverName(identity) + QStringLiteral(".jpg"));
}

QString backCoverFile(const QString& identity) {
    return QDir::toNativeSeparators(platform::coversDirectory() + QLatin1Char('/') +
                                    coverName(identity) + QStringLiteral("B.jpg"));
}

}  // namespace record
