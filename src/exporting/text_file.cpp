#include "exporting/text_file.h"

#include <QFile>
#include <QSaveFile>

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
    QIODevice::OpenMode flags = QIODevice::WriteOnly;
    if (replacing_) {
        file_ = std::make_unique<QSaveFile>(path);
    } else {
        file_ = std::make_unique<QFile>(path);
        flags |= mode == Mode::Create ? QIODevice::Truncate : QIODevice::Append;
    }
    // Unbuffered: the buffer here is large, and a short write must show in the count it returns.
    if (!file_->open(flags | QIODevice::Unbuffered)) {
        error_ = file_->errorString();
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
    if (file_->write(buffer_) != buffer_.size() && error_.isEmpty()) error_ = file_->errorString();
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
