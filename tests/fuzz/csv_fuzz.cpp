// libFuzzer harness of the CSV reader and of the conversion of its rows into records (not run by
// CTest; see README). For any bytes:
// - the reader gives the same rows whether the bytes come at once or in pieces of any size;
// - rows are numbered from 1 without a gap, lines never go back, and no row or field passes the
//   reader's limits;
// - a row read whole, written back the way the export quotes, reads back the same;
// - a row the conversion imports fits the collection: every value in the code page, no longer
//   than its field.

#include <QString>
#include <cstdint>
#include <cstdlib>
#include <vector>

#include "csv/csv_reader.h"
#include "csv/import_row.h"
#include "store/codepage.h"

namespace {

using csv::CsvReader;
using csv::CsvRow;

void check(bool ok, const char* what) {
    if (!ok) {
        fprintf(stderr, "broken: %s\n", what);
        abort();
    }
}

std::vector<CsvRow> readAll(QByteArrayView bytes, char separator, qsizetype piece) {
    std::vector<CsvRow> rows;
    CsvReader reader(separator, [&rows](const CsvRow& row) { rows.push_back(row); });
    for (qsizetype i = 0; i < bytes.size(); i += piece)
        reader.feed(bytes.sliced(i, std::min(piece, bytes.size() - i)));
    reader.finish();
    return rows;
}

bool sameRows(const std::vector<CsvRow>& a, const std::vector<CsvRow>& b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (a[i].number != b[i].number || a[i].line != b[i].line || a[i].fields != b[i].fields ||
            a[i].columns != b[i].columns || a[i].clipped != b[i].clipped ||
            a[i].unterminated != b[i].unterminated || a[i].quoted != b[i].quoted)
            return false;
    }
    return true;
}

// Every field quoted, quotes doubled, CR LF after the row: how the export writes a row.
QByteArray written(const CsvRow& row, char separator) {
    QByteArray out;
    for (std::size_t i = 0; i < row.fields.size(); ++i) {
        if (i > 0) out += separator;
        out += '"';
        out += QByteArray(row.fields[i]).replace("\"", "\"\"");
        out += '"';
    }
    return out + "\r\n";
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 2) return 0;
    // The first two bytes choose the separator, the pieces and the settings of the conversion.
    static const char kSeparators[] = {',', ';', '\t'};
    const char separator = kSeparators[data[0] % 3];
    const qsizetype piece = 1 + data[1] % 17;
    const QByteArrayView bytes(reinterpret_cast<const char*>(data) + 2, qsizetype(size) - 2);

    const std::vector<CsvRow> whole = readAll(bytes, separator, bytes.size() + 1);
    check(sameRows(whole, readAll(bytes, separator, piece)), "the same rows in pieces");

    csv::ImportSettings settings;
    settings.encoding = csv::Encoding(data[1] % 3);
    settings.separator = separator;
    settings.replaceAccents = data[0] & 4;
    settings.cutLong = data[0] & 8;
    settings.columns = 1 + data[0] % 9;
    for (int i = 0; i < 9; ++i) {
        const int t = (data[0] + data[1] * i) % 8;
        settings.targets.push_back(t < 6 ? csv::Target(store::kAllFields[t]) : csv::Target());
    }

    std::int64_t line = 1;
    csv::ImportRow converted;
    for (std::size_t i = 0; i < whole.size(); ++i) {
        const CsvRow& row = whole[i];
        check(row.number == std::int64_t(i) + 1, "rows numbered without a gap");
        check(row.line >= line, "lines never go back");
        line = row.line;
        check(row.fields.size() <= CsvReader::kMaxFields, "fields kept within the limit");
        check(row.columns >= std::int64_t(row.fields.size()), "columns counted");
        for (const QByteArray& f : row.fields)
            check(f.size() <= CsvReader::kMaxFieldBytes, "a field within the limit");
        check(!row.unterminated || i + 1 == whole.size(), "only the last row is unterminated");

        if (!row.unterminated && !row.clipped && row.columns == std::int64_t(row.fields.size())) {
            const std::vector<CsvRow> again = readAll(written(row, separator), separator, piece);
            check(again.size() == 1 && again[0].fields == row.fields, "a row written reads back");
        }

        csv::convertRow(row, settings, converted);
        if (converted.fate != csv::Fate::Imported) continue;
        for (store::Field f : store::kAllFields) {
            const QString& value = converted.values[static_cast<int>(f)];
            check(store::canStore(value), "an imported value in the code page");
            check(value.size() <= store::fieldWidth(f), "an imported value fits its field");
            check(store::fromDisk(converted.record.field(f)).startsWith(value),
                  "the record holds the value shown");
        }
    }
    return 0;
}
