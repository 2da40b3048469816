#include "maintenance/backup_copy.h"

#include "common/regular_file.h"

#include <QFile>
#include <QSaveFile>
#include <vector>

#ifdef Q_OS_UNIX
#include <unistd.h>

#include <cerrno>
#endif

namespace maintenance {

namespace {

constexpr qint64 kChunk = 1 << 20;

#ifdef Q_OS_UNIX
// Writes straight to the descriptor: Qt reports a short write as success and files every write
// failure other than ENOSPC under one error code, but the backup must tell a destination that is
// out of room from any other failure.
CopyOutcome writeAll(QSaveFile& target, const char* data, qint64 size) {
    const int fd = target.handle();
    qint64 done = 0;
    while (done < size) {
        const ssize_t put = ::write(fd, data + done, static_cast<size_t>(size - done));
        if (put < 0 && errno == EINTR) continue;
        if (put < 0) {
            // EFBIG: the file would pass the largest size the destination (or the process) allows,
            // which leaves the user in the same place as a full disk.
            const bool full = errno == ENOSPC || errno == EDQUOT || errno == EFBIG;
            return full ? CopyOutcome::DestinationFull : CopyOutcome::Failed;
        }
        if (put == 0) return CopyOutcome::DestinationFull;
        done += put;
    }
    return CopyOutcome::Copied;
}
#else
CopyOutcome writeAll(QSaveFile& target, const char* data, qint64 size) {
    if (target.write(data, size) == size) return CopyOutcome::Copied;
    return target.error() == QFileDevice::ResourceError ? CopyOutcome::DestinationFull
                                                        : CopyOutcome::Failed;
}
#endif

CopyOutcome failureOf(const QSaveFile& target) {
    return target.error() == QFileDevice::ResourceError ? CopyOutcome::DestinationFull
                                                        : CopyOutcome::Failed;
}

}  // namespace

CopyOutcome copyReplacing(const QString& from, const QString& to) {
    QFile source(from);
    if (!common::openRegularFile(source, QIODevice::ReadOnly)) return CopyOutcome::Failed;
    if (common::isReadOnlyFile(to)) return CopyOutcome::ReadOnly;

    // QSaveFile writes into a temporary file in the destination folder and renames it over the
    // destination on commit; without a commit (every early return below) the temporary file is
    // removed and the destination keeps its old contents.
    QSaveFile target(to);
    if (!target.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) return failureOf(target);
    std::vector<char> buffer(kChunk);
    for (;;) {
        const qint64 got = source.read(buffer.data(), kChunk);
        if (got < 0) return CopyOutcome::Failed;
        if (got == 0) break;
        const CopyOutcome written = writeAll(target, buffer.data(), got);
        if (written != CopyOutcome::Copied) return written;
    }
    if (!target.commit()) return failureOf(target);
    return CopyOutcome::Copied;
}

}  // namespace maintenance
