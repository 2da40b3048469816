#include "store/collection_file.h"

#include <QDir>
#include <QFileInfo>
#include <algorithm>
#include <limits>

#include "store/store_error.h"

#ifdef Q_OS_UNIX
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#endif

namespace store {

std::int64_t roundedRecordCount(std::int64_t fileLength) {
    // 455 is odd, so a length never falls exactly half way between two counts.
    return (fileLength + kRecordLength / 2) / kRecordLength;
}

namespace {

// The file as messages name it: the real path, whatever name it was opened by.
QString shownPath(const QString& path) {
    return QDir::toNativeSeparators(QFileInfo(path).absoluteFilePath());
}

}  // namespace

CollectionFile::CollectionFile(QString path) : path_(std::move(path)), file_(path_) {}

void CollectionFile::open() {
    openWith(QIODevice::ReadWrite);
}

void CollectionFile::openForReading() {
    if (file_.isOpen()) return;
    if (!QFileInfo::exists(path_)) {
        throw StoreError(StoreError::Kind::NotFound,
                         QStringLiteral("%1 does not exist").arg(shownPath(path_)));
    }
    openWith(QIODevice::ReadOnly);
}

void CollectionFile::openWith(QIODevice::OpenMode mode) {
    if (file_.isOpen()) return;
    if (QFileInfo(path_).isDir()) {
        throw StoreError(StoreError::Kind::Unreadable,
                         QStringLiteral("%1 is a folder").arg(shownPath(path_)));
    }
    if (!file_.open(mode | QIODevice::Unbuffered)) {
        throw StoreError(StoreError::Kind::Unreadable,
                         QStringLiteral("%1: %2").arg(shownPath(path_), file_.errorString()));
    }
}

void CollectionFile::close() {
    file_.close();
}

std::int64_t CollectionFile::fileLength() const {
    return QFileInfo(path_).size();
}

std::int32_t CollectionFile::recordCount() const {
    const std::int64_t n = roundedRecordCount(fileLength());
    if (n > std::numeric_limits<std::int32_t>::max()) {
        throw StoreError(StoreError::Kind::TooLarge,
                         QStringLiteral("%1 holds more records than Opus Numbers can count")
                             .arg(shownPath(path_)));
    }
    return n < 1 ? 1 : static_cast<std::int32_t>(n);
}

void CollectionFile::checkNumber(std::int32_t n) const {
    if (n < 1)
        throw StoreError(StoreError::Kind::BadRecordNumber, QStringLiteral("Bad record number"));
    if (!file_.isOpen()) {
        throw StoreError(StoreError::Kind::Unreadable,
                         QStringLiteral("%1 is not open").arg(shownPath(path_)));
    }
}

#ifdef Q_OS_UNIX
// Positioned reads and writes on the open handle: one system call each, nothing buffered.

namespace {

QString systemError(int error) {
    return QString::fromLocal8Bit(std::strerror(error));
}

}  // namespace

std::int64_t CollectionFile::readAt(std::int64_t offset, char* buffer, std::int64_t size) {
    std::int64_t done = 0;
    while (done < size) {
        const ssize_t got = ::pread(file_.handle(), buffer + done, size - done, offset + done);
        if (got < 0 && errno == EINTR) continue;
        if (got < 0) {
            throw StoreError(StoreError::Kind::Unreadable,
                             QStringLiteral("%1: %2").arg(shownPath(path_), systemError(errno)));
        }
        if (got == 0) break;
        done += got;
    }
    return done;
}

void CollectionFile::writeAt(std::int64_t offset, const char* data, std::int64_t size) {
    checkStillTheFile();
    std::int64_t done = 0;
    while (done < size) {
        const ssize_t put = ::pwrite(file_.handle(), data + done, size - done, offset + done);
        if (put < 0 && errno == EINTR) continue;
        if (put <= 0) {
            throw StoreError(StoreError::Kind::WriteFailed,
                             QStringLiteral("%1: %2").arg(shownPath(path_),
                                                          systemError(put < 0 ? errno : ENOSPC)));
        }
        done += put;
    }
}

std::int64_t CollectionFile::openLength() const {
    struct stat open {};
    if (::fstat(file_.handle(), &open) != 0) {
        throw StoreError(StoreError::Kind::Unreadable,
                         QStringLiteral("%1: %2").arg(shownPath(path_), systemError(errno)));
    }
    return open.st_size;
}

void CollectionFile::checkStillTheFile() const {
    // The handle stays open while the program runs; a file replaced, removed or made read-only
    // under it would swallow writes that the user never sees again. Refuse them instead.
    struct stat open {
    }, named{};
    if (::fstat(file_.handle(), &open) != 0) return;
    const auto fail = [this](const char* what) {
        throw StoreError(StoreError::Kind::WriteFailed,
                         QStringLiteral("%1 %2").arg(shownPath(path_), QLatin1String(what)));
    };
    if (::stat(QFile::encodeName(path_).constData(), &named) != 0) fail("is no longer there");
    if (S_ISDIR(named.st_mode)) fail("has been replaced by a folder");
    if (named.st_dev != open.st_dev || named.st_ino != open.st_ino)
        fail("has been replaced by another file");
    if (S_ISREG(named.st_mode) && (named.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0)
        fail("is read-only");
}
#else
std::int64_t CollectionFile::readAt(std::int64_t offset, char* buffer, std::int64_t size) {
    if (!file_.seek(offset)) {
        throw StoreError(StoreError::Kind::Unreadable,
                         QStringLiteral("%1: %2").arg(shownPath(path_), file_.errorString()));
    }
    const qint64 got = file_.read(buffer, size);
    if (got < 0) {
        throw StoreError(StoreError::Kind::Unreadable,
                         QStringLiteral("%1: %2").arg(shownPath(path_), file_.errorString()));
    }
    return got;
}

void CollectionFile::writeAt(std::int64_t offset, const char* data, std::int64_t size) {
    if (!file_.seek(offset) || file_.write(data, size) != size) {
        throw StoreError(StoreError::Kind::WriteFailed,
                         QStringLiteral("%1: %2").arg(shownPath(path_), file_.errorString()));
    }
}

std::int64_t CollectionFile::openLength() const {
    return file_.size();
}

void CollectionFile::checkStillTheFile() const {}
#endif

OpusRecord CollectionFile::read(std::int32_t n) {
    checkNumber(n);
    char buffer[kRecordLength];
    const std::int64_t got = readAt(std::int64_t(n - 1) * kRecordLength, buffer, kRecordLength);
    return OpusRecord::fromBytes(QByteArrayView(buffer, got));
}

void CollectionFile::write(std::int32_t n, const OpusRecord& record) {
    checkNumber(n);
    const std::int64_t offset = std::int64_t(n - 1) * kRecordLength;
    const std::int64_t length = openLength();
    // A trailing partial record shows as blank-padded; a record written after it completes it
    // with those blanks, so that no hole of NUL bytes is left inside it.
    const std::int64_t start = std::min(offset, length);
    QByteArray bytes(offset - start, ' ');
    bytes.append(record.data(), kRecordLength);

    // All or nothing: a write cut short gets back the bytes it replaced and the file's length.
    QByteArray replaced(std::min<std::int64_t>(length - start, bytes.size()), Qt::Uninitialized);
    replaced.truncate(readAt(start, replaced.data(), replaced.size()));
    try {
        writeAt(start, bytes.constData(), bytes.size());
    } catch (const StoreError&) {
        // The write's own failure is the one to report, whatever putting back meets. Cutting the
        // file back to the length it had is the one time the store shortens it.
        file_.resize(length);
        try {
            writeAt(start, replaced.constData(), replaced.size());
        } catch (const StoreError&) {
        }
        throw;
    }
}

std::int64_t CollectionFile::readRecords(std::int32_t first, std::int32_t count, char* buffer) {
    checkNumber(first);
    return readAt(std::int64_t(first - 1) * kRecordLength, buffer,
                  std::int64_t(count) * kRecordLength);
}

}  // namespace store
