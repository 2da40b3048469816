#include "history/journal_io.h"

#include <QDir>
#include <QFileInfo>

#include "common/regular_file.h"

#ifdef Q_OS_UNIX
#include <fcntl.h>
#include <unistd.h>
#endif

namespace history {

QString shownPath(const QString& path) {
    return QDir::toNativeSeparators(QFileInfo(path).absoluteFilePath());
}

QByteArray readBytes(const QString& path, qint64 offset, qint64 size) {
    QFile f(path);
    if (!common::openRegularFile(f, QIODevice::ReadOnly) || !f.seek(offset)) return {};
    return f.read(size);
}

bool writeBytes(const QString& path, qint64 offset, QByteArrayView bytes) {
    QFile f(path);
    if (!common::openRegularFile(f, QIODevice::ReadWrite) || !f.seek(offset)) return false;
    return f.write(bytes.data(), bytes.size()) == bytes.size() && f.flush();
}

bool cutBack(const QString& path, qint64 length) {
    return QFile(path).resize(length);
}

void syncFolder(const QString& path) {
#ifdef Q_OS_UNIX
    const int fd = ::open(QFile::encodeName(QFileInfo(path).absolutePath()).constData(),
                          O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return;
    ::fsync(fd);
    ::close(fd);
#else
    Q_UNUSED(path);
#endif
}

bool syncData(QFile& file) {
#ifdef Q_OS_UNIX
    return ::fdatasync(file.handle()) == 0;
#else
    return file.flush();
#endif
}

}  // namespace history
