#include "store/file_state.h"

#include <QFile>

#ifdef Q_OS_UNIX
#include <sys/stat.h>
#endif

namespace store {

#ifdef Q_OS_UNIX
namespace {

FileState fromStat(const struct stat& info) {
    FileState state;
    state.length = info.st_size;
    state.device = std::uint64_t(info.st_dev);
    state.inode = std::uint64_t(info.st_ino);
    state.modifiedNs = std::int64_t(info.st_mtim.tv_sec) * 1000000000 + info.st_mtim.tv_nsec;
    return state;
}

}  // namespace

FileState fileStateOf(const QString& path) {
    struct stat info {};
    if (::stat(QFile::encodeName(path).constData(), &info) != 0) return {};
    return fromStat(info);
}

FileState fileStateOf(int descriptor) {
    struct stat info {};
    if (::fstat(descriptor, &info) != 0) return {};
    return fromStat(info);
}
#else
FileState fileStateOf(const QString& path) {
    const QFileInfo info(path);
    if (!info.exists()) return {};
    return {info.size(), 0, 0, info.lastModified().toMSecsSinceEpoch() * 1000000};
}

FileState fileStateOf(int) {
    return {};
}
#endif

}  // namespace store
