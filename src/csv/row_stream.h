#pragma once
// A CSV file read for an import: its start, for what it suggests, and its rows as they will be
// stored, one after another, read in pieces: never the whole file in memory, whatever its size.

#include <QByteArray>
#include <QFile>
#include <QString>
#include <cstdint>
#include <deque>
#include <stdexcept>
#include <vector>

#include "csv/csv_reader.h"
#include "csv/import_row.h"

namespace csv {

// A file that cannot be imported at all.
class CsvFileError : public std::runtime_error {
public:
    enum class Kind {
        Unreadable,  // cannot be opened or read: `reason` says why
        Binary,      // holds NUL bytes, as no text file does
    };
    CsvFileError(Kind kind, const QString& reason)
        : std::runtime_error(reason.toStdString()), kind_(kind), reason_(reason) {}
    Kind kind() const { return kind_; }
    const QString& reason() const { return reason_; }

private:
    Kind kind_;
    QString reason_;
};

// The first bytes of a file, enough to tell its encoding, separator and columns.
struct FileStart {
    static constexpr qsizetype kBytes = 1 << 20;
    QByteArray bytes;
    std::int64_t size = 0;  // of the whole file
    bool whole() const { return bytes.size() == size; }
};
// Throws CsvFileError.
FileStart readFileStart(const QString& path);

// The rows of `bytes` that are not empty lines, up to `most`; a last row without its line end
// only when `whole`. The byte-order mark is left out.
std::vector<CsvRow> rowsOf(QByteArrayView bytes, char separator, bool whole, std::size_t most);

class RowStream {
public:
    // Opens the file. Throws CsvFileError.
    RowStream(const QString& path, const ImportSettings& settings);

    // The next row of records (the header row and empty lines are left out), converted into
    // `row`; false at the end of the file. Throws CsvFileError.
    bool next(ImportRow& row);

    std::int64_t bytesRead() const { return read_; }
    std::int64_t size() const { return size_; }

private:
    bool readPiece();  // false at the end of the file

    QFile file_;
    ImportSettings settings_;
    CsvReader reader_;
    std::deque<CsvRow> rows_;
    QByteArray piece_;
    std::int64_t read_ = 0;
    std::int64_t size_ = 0;
    bool ended_ = false;
    bool headerLeft_ = false;  // the header row still to come
};

}  // namespace csv
