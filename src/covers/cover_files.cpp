#include "covers/cover_files.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <algorithm>
#include <cerrno>
#include <optional>
#include <vector>

#include "common/write_all.h"

#ifdef Q_OS_UNIX
#include <unistd.h>
#endif

namespace covers {

namespace {

const QString kReplaced = QStringLiteral("Replaced");

// The caller checks names with record::isSafeCoverName; this repeats the rule, because a name
// that slipped through could write outside the Covers folder.
bool isFileName(const QString& name) {
    static const QString kForbidden = QStringLiteral("/\\:*?\"<>|");
    return !name.isEmpty() && !name.contains(QStringLiteral("..")) &&
           std::none_of(name.begin(), name.end(),
                        [](QChar c) { return c.unicode() < 0x20 || kForbidden.contains(c); });
}

QString stem(const QString& name, Side side) {
    return side == Side::Back ? name + QLatin1Char('B') : name;
}

QString native(const QString& path) {
    return QDir::toNativeSeparators(path);
}

CoverChange failed(const QString& reason) {
    CoverChange change;
    change.error = reason;
    return change;
}

QString badName(const QString& name) {
    return name.isEmpty() ? QStringLiteral("The record has no cover name.")
                          : QStringLiteral("\"%1\" cannot name a cover file.").arg(name);
}

// A second name for the same file, nothing copied: 0, or the errno of the failure (ENOTSUP where
// the system has no hard links).
int hardLink(const QString& from, const QString& to) {
#ifdef Q_OS_UNIX
    const QByteArray source = QFile::encodeName(from);
    const QByteArray target = QFile::encodeName(to);
    return ::link(source.constData(), target.constData()) == 0 ? 0 : errno;
#else
    Q_UNUSED(from);
    Q_UNUSED(to);
    return ENOTSUP;
#endif
}

// Writes a copy of `from` as the new file `to`; on failure removes what it wrote.
bool copyTo(const QString& from, const QString& to, QString& reason) {
    QFile in(from);
    QFile out(to);
    if (!in.open(QIODevice::ReadOnly)) {
        reason = in.errorString();
        return false;
    }
    if (!out.open(QIODevice::WriteOnly | QIODevice::NewOnly | QIODevice::Unbuffered)) {
        reason = out.errorString();
        return false;
    }
    const QByteArray bytes = in.readAll();
    if (in.error() != QFileDevice::NoError) {
        reason = in.errorString();
    } else if (!common::writeAll(out, bytes)) {
        reason = out.errorString();
    } else {
        return true;
    }
    out.remove();
    return false;
}

// Gives the picture `file` a name of its own in Replaced: "<stem> <time>.jpg", then
// "<stem> <time> (2).jpg" and up when it is taken. A hard link where the file system has them
// (it cannot fill a disk), else a copy.
std::optional<QString> keep(const QString& coversDir, const QString& file, const QString& stem,
                            const QDateTime& now, QString& reason) {
    const QDir dir(coversDir);
    if (!dir.mkpath(kReplaced)) {
        reason = QStringLiteral("the folder cannot be created");
        return std::nullopt;
    }
    const QString base = dir.filePath(kReplaced + QLatin1Char('/') + stem + QLatin1Char(' ') +
                                      now.toString(QStringLiteral("yyyy-MM-dd HH-mm-ss")));
    for (int n = 1;; ++n) {
        const QString to =
            base + (n == 1 ? QString() : QStringLiteral(" (%1)").arg(n)) + QStringLiteral(".jpg");
        if (QFileInfo::exists(to)) continue;
        const int linkError = hardLink(file, to);
        if (linkError == 0) return to;
        if (linkError == EEXIST) continue;
        if (copyTo(file, to, reason)) return to;
        return std::nullopt;
    }
}

QString notKept(const QString& file, const QString& coversDir, const QString& reason) {
    return QStringLiteral("%1: the old picture cannot be kept in %2 (%3), so it stays where it is.")
        .arg(native(file), native(QDir(coversDir).filePath(kReplaced)), reason);
}

std::vector<Side> sidesOf(Which which) {
    switch (which) {
        case Which::Front:
            return {Side::Front};
        case Which::Back:
            return {Side::Back};
        case Which::Both:
            return {Side::Front, Side::Back};
    }
    return {};
}

}  // namespace

QString coverFile(const QString& coversDir, const QString& name, Side side) {
    return QDir(coversDir).filePath(stem(name, side) + QStringLiteral(".jpg"));
}

CoverChange setCover(const QString& coversDir, const QString& name, Side side,
                     const QByteArray& jpeg, const QDateTime& now) {
    if (!isFileName(name)) return failed(badName(name));
    if (!QDir().mkpath(coversDir)) {
        return failed(QStringLiteral("The folder %1 cannot be created.").arg(native(coversDir)));
    }
    const QString file = coverFile(coversDir, name, side);
    const auto cannotWrite = [&](const QString& reason) {
        return failed(QStringLiteral("%1: cannot be written (%2).").arg(native(file), reason));
    };

    // The new picture under a temporary name, all of it on disk before the old one moves.
    // Unbuffered: commit() does not always report a buffer it could not flush.
    QSaveFile out(file);
    if (!out.open(QIODevice::WriteOnly | QIODevice::Unbuffered) || !common::writeAll(out, jpeg)) {
        return cannotWrite(out.errorString());
    }
    std::optional<QString> kept;
    if (QFileInfo::exists(file)) {
        QString reason;
        kept = keep(coversDir, file, stem(name, side), now, reason);
        if (!kept) return failed(notKept(file, coversDir, reason));
    }
    if (!out.commit()) {
        // The old cover is still in place: its name in Replaced would only be a second copy.
        if (kept) QFile::remove(*kept);
        return cannotWrite(out.errorString());
    }
    CoverChange change;
    change.written = native(file);
    if (kept) change.kept.append({native(file), native(*kept)});
    return change;
}

CoverChange removeCovers(const QString& coversDir, const QString& name, Which which,
                         const QDateTime& now) {
    if (!isFileName(name)) return failed(badName(name));
    CoverChange change;
    for (Side side : sidesOf(which)) {
        const QString file = coverFile(coversDir, name, side);
        if (!QFileInfo::exists(file)) continue;
        QString reason;
        const std::optional<QString> kept = keep(coversDir, file, stem(name, side), now, reason);
        if (!kept) {
            change.error = notKept(file, coversDir, reason);
            return change;
        }
        QFile old(file);
        if (!old.remove()) {
            QFile::remove(*kept);
            change.error =
                QStringLiteral("%1: cannot be removed (%2).").arg(native(file), old.errorString());
            return change;
        }
        change.kept.append({native(file), native(*kept)});
    }
    if (change.kept.isEmpty()) {
        change.error = QStringLiteral("There is no cover picture of \"%1\" in %2 to remove.")
                           .arg(name, native(coversDir));
    }
    return change;
}

}  // namespace covers
