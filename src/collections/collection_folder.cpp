#include "collections/collection_folder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include "record/media_icon.h"
#include "store/collection_file.h"
#include "store/name_list.h"

namespace collections {

namespace {

QStringList collectionFiles() {
    QStringList files;
    for (const auto& list : store::kNameLists) files.append(QString::fromLatin1(list.file));
    files.append(store::CollectionFile::kFileName);
    return files;
}

QString shown(const QString& path) {
    return QDir::toNativeSeparators(QDir::cleanPath(QFileInfo(path).absoluteFilePath()));
}

}  // namespace

FolderCheck checkCollectionFolder(const QString& folder) {
    FolderCheck check;
    const QFileInfo info(folder);
    if (!info.exists()) {
        check.missing = collectionFiles();
        return check;
    }
    if (!info.isDir() || !info.isReadable() || !info.isExecutable()) {
        check.readable = false;
        check.unreadable = shown(folder);
        return check;
    }
    const QDir dir(folder);
    for (const QString& name : collectionFiles()) {
        const QFileInfo file(dir.filePath(name));
        if (!file.isFile()) {
            check.missing.append(name);
        } else if (check.readable && !file.isReadable()) {
            check.readable = false;
            check.unreadable = shown(file.filePath());
        }
    }
    return check;
}

QString missingFilesText(const QString& folder, const FolderCheck& check) {
    QString text = QStringLiteral("One or More Files are Missing.\n");
    if (!check.readable) return text + check.unreadable + QStringLiteral(" cannot be read.");
    return text + shown(folder) + QStringLiteral(" has no ") +
           check.missing.join(QStringLiteral(", ")) + QLatin1Char('.');
}

bool makeCollection(const QString& folder, const QString& starterFolder, QString* error) {
    QDir dir(folder);
    if (!QDir().mkpath(folder)) {
        *error = shown(folder) + QStringLiteral(" cannot be made.");
        return false;
    }
    if (!dir.isEmpty(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System)) {
        *error = shown(folder) + QStringLiteral(
                                     " is not empty: a new collection needs a folder "
                                     "of its own.");
        return false;
    }
    QStringList made;
    const auto fail = [&](const QString& why) {
        for (const QString& path : made) QFile::remove(path);
        *error = why;
        return false;
    };
    // The lists are needed; the media icons (found by bare name beside the collection, as the
    // lists are) come along when the starter folder has them.
    QStringList files;
    for (const auto& list : store::kNameLists) files.append(QString::fromLatin1(list.file));
    const qsizetype lists = files.size();
    for (int kind = 0; kind < record::kMediaKinds; ++kind)
        files.append(record::mediaIconFile(kind));
    for (qsizetype i = 0; i < files.size(); ++i) {
        const QString source = QDir(starterFolder).filePath(files[i]);
        const QString target = dir.filePath(files[i]);
        if (i >= lists && !QFileInfo::exists(source)) continue;
        if (!QFile::copy(source, target)) {
            return fail(shown(source) + QStringLiteral(" cannot be copied to ") + shown(target) +
                        QLatin1Char('.'));
        }
        made.append(target);
        // Installed data is often read-only; the collection's files must not be.
        QFile::setPermissions(target, QFile::permissions(target) | QFileDevice::WriteOwner);
    }
    QFile collection(dir.filePath(store::CollectionFile::kFileName));
    if (!collection.open(QIODevice::WriteOnly | QIODevice::NewOnly)) {
        return fail(shown(collection.fileName()) + QStringLiteral(" cannot be made: ") +
                    collection.errorString());
    }
    return true;
}

}  // namespace collections
