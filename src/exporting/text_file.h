#pragma once
// A text file written line by line in the collection's code page, each line ended by CR LF, in
// large buffered writes. It remembers the first thing that went wrong.

#include <QByteArray>
#include <QByteArrayView>
#include <QFile>
#include <QString>

namespace exporting {

class TextFile {
public:
    enum class Mode { Create, Append };

    ~TextFile();

    // Opens (and creates) the file: emptied with Create, added to with Append.
    bool open(const QString& path, Mode mode);
    // Writes a line of bytes already in the code page, and CR LF.
    void writeLine(QByteArrayView line);
    // Writes what is buffered and closes; false when anything failed since open().
    bool close();

    bool failed() const { return !error_.isEmpty(); }
    const QString& error() const { return error_; }

private:
    void flush();

    QFile file_;
    QByteArray buffer_;
    QString error_;
};

}  // namespace exporting
