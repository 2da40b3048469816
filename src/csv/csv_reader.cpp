#include "csv/csv_reader.h"

namespace csv {

CsvReader::CsvReader(char separator, std::function<void(const CsvRow&)> row)
    : separator_(separator), emit_(std::move(row)) {}

void CsvReader::append(char c) {
    if (field_.size() < kMaxFieldBytes) {
        field_.append(c);
    } else {
        row_.clipped = true;
    }
}

void CsvReader::endField() {
    if (row_.fields.size() < kMaxFields) {
        row_.fields.push_back(field_);
    }
    ++row_.columns;
    field_.clear();
    state_ = State::FieldStart;
}

void CsvReader::endRow() {
    endField();
    emit_(row_);
    row_.fields.clear();
    row_.columns = 0;
    row_.clipped = false;
    row_.unterminated = false;
    row_.quoted = false;
    rowStarted_ = false;
}

void CsvReader::newLine(char c) {
    // CR LF is one line end; so is a lone CR or a lone LF.
    if (c == '\n' && afterCr_) return;
    ++line_;
}

void CsvReader::feed(QByteArrayView bytes) {
    for (const char c : bytes) {
        const bool lfOfCrLf = c == '\n' && afterCr_;
        if (!rowStarted_) {
            // The LF of a CR LF that ended the row before starts nothing.
            if (lfOfCrLf) {
                afterCr_ = false;
                continue;
            }
            rowStarted_ = true;
            row_.number = ++rows_;
            row_.line = line_;
        }
        const bool lineEnd = c == '\r' || c == '\n';
        switch (state_) {
            case State::FieldStart:
                if (c == '"') {
                    state_ = State::Quoted;
                    row_.quoted = true;
                    break;
                }
                [[fallthrough]];  // any other first character is read as in an unquoted field
            case State::Unquoted:
            case State::QuoteInQuoted:
                if (c == '"' && state_ == State::QuoteInQuoted) {
                    append('"');  // a doubled quote inside quotes
                    state_ = State::Quoted;
                } else if (c == separator_) {
                    endField();
                } else if (lineEnd) {
                    newLine(c);
                    endRow();
                } else {
                    append(c);
                    state_ = State::Unquoted;
                }
                break;
            case State::Quoted:
                if (c == '"') {
                    state_ = State::QuoteInQuoted;
                } else {
                    if (lineEnd) newLine(c);
                    append(c);
                }
                break;
        }
        afterCr_ = c == '\r';
    }
}

void CsvReader::finish() {
    if (!rowStarted_) return;
    if (state_ == State::Quoted) row_.unterminated = true;
    endRow();
}

}  // namespace csv
