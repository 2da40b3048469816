#pragma once
// A text file written line by line in the collection's code page, each line ended by CR LF, in
// large buffered writes. It remembers the first thing that went wrong.

#include <QByteArray>
#include <QByteArrayView>
#include <QFileDevice>
#include <QString>
#include <memory>

namespace exporting {

class TextFile {
public:
    // Create empties the file, Append adds to it: what an append wrote is taken back when it
    // failed. Replace writes under a temporary name in the same folder, and close() puts the new
    // file in the old one's place only when all of it was written: until then, and for good when
    // anything failed or the file is discarded, the file of that name stays as it was.
    enum class Mode { Create, Append, Replace };

    // Closes the file; a file opened with Replace and not closed yet is discarded.
    ~TextFile();

    // Opens (and creates) the file.
    bool open(const QString& path, Mode mode);
    // Writes a line of bytes already in the code page, and CR LF.
    void writeLine(QByteArrayView line);
    // Writes bytes as they are, without a line end (a byte-order mark).
    void write(QByteArrayView bytes);
    // Writes what is buffered and closes; false when anything failed since open().
    bool close();
    // Closes without finishing: a file opened with Replace leaves nothing behind.
    void discard();

    bool failed() const { return !error_.isEmpty(); }
    const QString& error() const { return error_; }

private:
    void flush();

    std::unique_ptr<QFileDevice> file_;
    bool replacing_ = false;
    qint64 appendedAt_ = -1;  // the length an appended file had
    QByteArray buffer_;
    QString error_;
};

}  // namespace exporting
