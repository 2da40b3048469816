#include "exporting/text_file.h"

namespace exporting {

namespace {
constexpr qsizetype kBufferSize = 1 << 20;
}

TextFile::~TextFile() {
    close();
}

bool TextFile::open(const QString& path, Mode mode) {
    error_.clear();
    buffer_.clear();
    file_.setFileName(path);
    // Unbuffered: the buffer here is large, and a short write must show in the count it returns.
    const auto flags =
        QIODevice::Unbuffered | (mode == Mode::Create ? QIODevice::WriteOnly | QIODevice::Truncate
                                                      : QIODevice::WriteOnly | QIODevice::Append);
    if (!file_.open(flags)) {
        error_ = file_.errorString();
        return false;
    }
    buffer_.reserve(kBufferSize + 1024);
    return true;
}

void TextFile::writeLine(QByteArrayView line) {
    if (!file_.isOpen()) return;
    buffer_.append(line);
    buffer_.append("\r\n", 2);
    if (buffer_.size() >= kBufferSize) flush();
}

void TextFile::flush() {
    if (buffer_.isEmpty() || !file_.isOpen()) return;
    if (file_.write(buffer_) != buffer_.size() && error_.isEmpty()) error_ = file_.errorString();
    buffer_.clear();
}

bool TextFile::close() {
    if (file_.isOpen()) {
        flush();
        if (!file_.flush() && error_.isEmpty()) error_ = file_.errorString();
        file_.close();
    }
    return error_.isEmpty();
}

}  // namespace exporting
