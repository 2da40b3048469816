#include "csv/csv_line.h"

#include <charconv>

#include "csv/columns.h"
#include "store/codepage.h"
#include "store/opus_record.h"

namespace csv {

CsvLine::CsvLine() {
    for (int b = 0; b < 256; ++b) {
        const char byte = static_cast<char>(b);
        utf8_[std::size_t(b)] = store::fromDisk(QByteArrayView(&byte, 1)).toUtf8();
    }
}

QByteArray CsvLine::header() {
    return exportColumns().join(QLatin1Char(',')).toUtf8();
}

void CsvLine::appendLine(QByteArray& line, const char* record, std::int32_t opusNumber) const {
    char digits[16];
    line.append(digits, std::to_chars(digits, digits + sizeof digits, opusNumber).ptr - digits);
    for (store::Field f : store::kAllFields) {
        QByteArrayView field(record + store::fieldOffset(f), store::fieldWidth(f));
        qsizetype end = field.size();
        while (end > 0 && field[end - 1] == ' ') --end;
        field.truncate(end);
        bool quote = false;
        for (const char c : field) {
            if (c == ',' || c == '"' || c == '\r' || c == '\n') {
                quote = true;
                break;
            }
        }
        line += ',';
        if (quote) line += '"';
        for (const char c : field) {
            if (c == '"') line += '"';
            const auto byte = static_cast<unsigned char>(c);
            if (byte < 0x80) {
                line += c;
            } else {
                line += utf8_[byte];
            }
        }
        if (quote) line += '"';
    }
}

}  // namespace csv
