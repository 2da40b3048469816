#pragma once
// Reads CSV as the file comes, piece by piece, whatever its size: rows of fields, each field the
// bytes between the separators with its quotes taken away, each row with the line it starts on.
// RFC 4180, and lenient where spreadsheets are: LF, CR LF and a lone CR all end a row; a quote
// inside an unquoted field, or text after a closing quote, is kept as it stands. It looks at
// separators, quotes and line ends only, all ASCII, so it reads any encoding that keeps ASCII
// (UTF-8, the Windows code pages) without knowing which.

#include <QByteArray>
#include <QByteArrayView>
#include <cstdint>
#include <functional>
#include <vector>

namespace csv {

struct CsvRow {
    std::int64_t number = 0;  // 1 for the first row of the file, as a spreadsheet counts its rows
    std::int64_t line = 0;    // the line of the file it starts on, from 1
    // The fields, at most kMaxFields of them; a field keeps at most kMaxFieldBytes bytes.
    std::vector<QByteArray> fields;
    std::int64_t columns = 0;   // how many fields the row has, also those not kept
    bool clipped = false;       // a field was longer than kMaxFieldBytes
    bool unterminated = false;  // the file ends inside a quoted field of this row
    // An empty line: no byte between its line ends.
    bool empty() const { return columns == 1 && fields.front().isEmpty() && !quoted; }
    bool quoted = false;  // some field of it was quoted
};

class CsvReader {
public:
    // No record of the collection has a field of more than 115 characters; a field this long is
    // too long whatever follows, and a file of one endless field must not fill the memory.
    static constexpr qsizetype kMaxFieldBytes = 64 * 1024;
    static constexpr std::size_t kMaxFields = 1024;

    // `row` is called for every complete row; the row it gets is reused for the next one.
    CsvReader(char separator, std::function<void(const CsvRow&)> row);

    // The next piece of the file.
    void feed(QByteArrayView bytes);
    // The file has ended: a last row without a line end is handed out now.
    void finish();

private:
    enum class State { FieldStart, Unquoted, Quoted, QuoteInQuoted };

    void append(char c);
    void endField();
    void endRow();
    void newLine(char c);  // a line end seen; counts the line

    char separator_;
    std::function<void(const CsvRow&)> emit_;
    State state_ = State::FieldStart;
    CsvRow row_;
    QByteArray field_;
    bool rowStarted_ = false;
    bool afterCr_ = false;  // the last byte was a CR: an LF now belongs to the same line end
    std::int64_t line_ = 1;
    std::int64_t rows_ = 0;
};

}  // namespace csv
