#include "store/collection_file.h"

#include <QDir>
#include <QFileInfo>
#include <algorithm>
#include <limits>

#include "common/regular_file.h"
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
    QString reason;
    if (!common::openRegularFile(file_, mode | QIODevice::Unbuffered, &reason)) {
        throw StoreError(StoreError::Kind::Unreadable,
                         QStringLiteral("%1: %2").arg(shownPath(path_), reason));
    }
}

void CollectionFile::close() {
    file_.close();
}

std::int64_t CollectionFile::fileLength() const {
    return QFileInfo(path_).size();
}

FileState CollectionFile::state() const {
    return file_.isOpen() ? fileStateOf(file_.handle()) : fileStateOf(path_);
}

QByteArray CollectionFile::recordBytes(std::int32_t n) {
    checkNumber(n);
    QByteArray bytes(kRecordLength, ' ');
    readAt(std::int64_t(n - 1) * kRecordLength, bytes.data(), kRecordLength);
    return bytes;
}

void CollectionFile::truncate(std::int64_t length) {
    checkStillTheFile();
    if (!file_.resize(length)) {
        throw StoreError(StoreError::Kind::WriteFailed,
                         QStringLiteral("%1: %2").arg(shownPath(path_), file_.errorString()));
    }
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

CollectionFile::Change CollectionFile::beginChange(std::int32_t n, std::int64_t* blanks) {
    checkNumber(n);
    const std::int64_t offset = std::int64_t(n - 1) * kRecordLength;
    Change change;
    change.length = openLength();
    // A trailing partial record shows as blank-padded; records written after it complete it with
    // those blanks, so that no hole of NUL bytes is left inside it.
    change.start = std::min(offset, change.length);
    change.end = change.start;
    *blanks = offset - change.start;
    return change;
}

void CollectionFile::writeOn(Change& change, const char* data, std::int64_t size) {
    // Only the bytes the file held before the change can be replaced: a few, at its end, for an
    // append.
    const std::int64_t overlap = std::min(change.length - change.end, size);
    if (overlap > 0) {
        const qsizetype had = change.replaced.size();
        change.replaced.resize(had + overlap);
        change.replaced.truncate(had + readAt(change.end, change.replaced.data() + had, overlap));
    }
    writeAt(change.end, data, size);
    change.end += size;
}

void CollectionFile::takeBack(const Change& change) {
    // The change's own failure is the one to report, whatever putting back meets. Cutting the file
    // back to the length it had is the one time the store shortens it.
    file_.resize(change.length);
    try {
        writeAt(change.start, change.replaced.constData(), change.replaced.size());
    } catch (const StoreError&) {
    }
}

void CollectionFile::write(std::int32_t n, const OpusRecord& record) {
    std::int64_t blanks = 0;
    Change change = beginChange(n, &blanks);
    QByteArray bytes(blanks, ' ');
    bytes.append(record.data(), kRecordLength);
    // All or nothing: a write cut short gets back the bytes it replaced and the file's length.
    try {
        writeOn(change, bytes.constData(), bytes.size());
    } catch (const StoreError&) {
        takeBack(change);
        throw;
    }
}

std::int32_t CollectionFile::writeRecords(std::int32_t first, const RecordSource& source) {
    constexpr std::int32_t kBlockRecords = 2048;
    std::int64_t blanks = 0;
    Change change = beginChange(first, &blanks);
    QByteArray block(blanks, ' ');
    std::int64_t written = 0;
    try {
        for (;;) {
            const qsizetype filled = block.size();
            block.resize(filled + qsizetype(kBlockRecords) * kRecordLength);
            const std::int32_t got = source(block.data() + filled, kBlockRecords);
            if (got <= 0) break;
            if (first - 1 + written + got > std::numeric_limits<std::int32_t>::max()) {
                throw StoreError(StoreError::Kind::TooLarge,
                                 QStringLiteral("%1 cannot hold more records than Opus Numbers "
                                                "can count")
                                     .arg(shownPath(path_)));
            }
            writeOn(change, block.constData(), filled + qsizetype(got) * kRecordLength);
            written += got;
            block.resize(0);
        }
    } catch (...) {
        takeBack(change);
        throw;
    }
    return static_cast<std::int32_t>(written);
}

std::int64_t CollectionFile::readRecords(std::int32_t first, std::int32_t count, char* buffer) {
    checkNumber(first);
    return readAt(std::int64_t(first - 1) * kRecordLength, buffer,
                  std::int64_t(count) * kRecordLength);
}

}  // namespace store
