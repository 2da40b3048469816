#include "common/regular_file.h"

#include <QFileInfo>
#include <cstring>

#ifdef Q_OS_UNIX
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#endif

namespace common {

QString systemErrorText(int error) {
    return QString::fromLocal8Bit(std::strerror(error));
}

#ifdef Q_OS_UNIX
bool openRegularFile(QFile& file, QIODevice::OpenMode mode, QString* reason) {
    const auto fail = [&](const QString& why) {
        if (reason) *reason = why;
        return false;
    };
    const bool writing = mode & QIODevice::WriteOnly;
    int flags = O_NONBLOCK | O_CLOEXEC;
    if (writing) {
        flags |= ((mode & QIODevice::ReadOnly) ? O_RDWR : O_WRONLY) | O_CREAT;
        if (mode & QIODevice::Append) flags |= O_APPEND;
        if (mode & QIODevice::Truncate) flags |= O_TRUNC;
    } else {
        flags |= O_RDONLY;
    }
    const int fd = ::open(QFile::encodeName(file.fileName()).constData(), flags, 0666);
    if (fd < 0) return fail(systemErrorText(errno));
    struct stat info {};
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        const bool folder = S_ISDIR(info.st_mode);
        ::close(fd);
        return fail(folder ? QStringLiteral("It is a folder, not a file.")
                           : QStringLiteral("It is not a regular file."));
    }
    // Reads and writes of a regular file never wait anyway; the flag goes, as Qt expects.
    ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
    if (!file.open(fd, mode, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        return fail(file.errorString());
    }
    return true;
}

bool isReadOnlyFile(const QString& path) {
    struct stat info {};
    const QByteArray name = QFile::encodeName(path);
    if (::stat(name.constData(), &info) != 0) return false;
    if (S_ISREG(info.st_mode) && (info.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0) return true;
    return ::access(name.constData(), W_OK) != 0;
}
#else
bool openRegularFile(QFile& file, QIODevice::OpenMode mode, QString* reason) {
    const QFileInfo info(file.fileName());
    if (info.exists() && !info.isFile()) {
        if (reason) *reason = QStringLiteral("It is not a regular file.");
        return false;
    }
    if (!file.open(mode)) {
        if (reason) *reason = file.errorString();
        return false;
    }
    return true;
}

bool isReadOnlyFile(const QString& path) {
    const QFileInfo info(path);
    return info.exists() && !info.isWritable();
}
#endif

}  // namespace common
