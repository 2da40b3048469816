#include "exporting/text_file.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include "common/regular_file.h"
#include "common/write_all.h"

#ifdef Q_OS_UNIX
#include <cerrno>
#endif

namespace exporting {

namespace {
constexpr qsizetype kBufferSize = 1 << 20;
}

TextFile::~TextFile() {
    if (replacing_) {
        discard();
    } else {
        close();
    }
}

bool TextFile::open(const QString& path, Mode mode) {
    discard();
    error_.clear();
    buffer_.clear();
    replacing_ = mode == Mode::Replace;
    appendedAt_ = -1;
    // Unbuffered: the buffer here is large, and a short write must show in the count it returns.
    QIODevice::OpenMode flags = QIODevice::WriteOnly | QIODevice::Unbuffered;
    if (replacing_) {
#ifdef Q_OS_UNIX
        // The reason the system gives, as for the other modes (Qt words this one its own way).
        if (QFileInfo(path).isDir()) {
            error_ = common::systemErrorText(EISDIR);
            return false;
        }
#endif
        file_ = std::make_unique<QSaveFile>(path);
        if (!file_->open(flags)) error_ = file_->errorString();
    } else {
        auto file = std::make_unique<QFile>(path);
        flags |= mode == Mode::Create ? QIODevice::Truncate : QIODevice::Append;
        if (common::openRegularFile(*file, flags, &error_)) {
            if (mode == Mode::Append) appendedAt_ = file->size();
            file_ = std::move(file);
        }
    }
    if (!file_ || !file_->isOpen()) {
        file_.reset();
        return false;
    }
    buffer_.reserve(kBufferSize + 1024);
    return true;
}

void TextFile::writeLine(QByteArrayView line) {
    write(line);
    write(QByteArrayView("\r\n", 2));
}

void TextFile::write(QByteArrayView bytes) {
    if (!file_) return;
    buffer_.append(bytes);
    if (buffer_.size() >= kBufferSize) flush();
}

void TextFile::flush() {
    if (buffer_.isEmpty() || !file_) return;
    // A write the disk cuts short returns what it wrote without an error; writing on gets the
    // system's reason (a full disk, a file-size limit).
    if (!common::writeAll(*file_, buffer_) && error_.isEmpty()) error_ = file_->errorString();
    buffer_.clear();
}

bool TextFile::close() {
    if (file_) {
        flush();
        if (auto* saved = dynamic_cast<QSaveFile*>(file_.get())) {
            // A file that was not written whole does not take the old one's place.
            if (!error_.isEmpty()) saved->cancelWriting();
            if (!saved->commit() && error_.isEmpty()) error_ = saved->errorString();
        } else {
            if (!file_->flush() && error_.isEmpty()) error_ = file_->errorString();
            // Lines cut short would be the start of a page that is not there: an append that
            // failed gives the file back the length it had.
            if (!error_.isEmpty() && appendedAt_ >= 0)
                static_cast<QFile*>(file_.get())->resize(appendedAt_);
            file_->close();
        }
        file_.reset();
    }
    return error_.isEmpty();
}

void TextFile::discard() {
    if (!file_) return;
    buffer_.clear();
    if (auto* saved = dynamic_cast<QSaveFile*>(file_.get())) saved->cancelWriting();
    file_.reset();  // a QSaveFile not committed removes its temporary file
}

}  // namespace exporting
