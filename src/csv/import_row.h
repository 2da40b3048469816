#pragma once
// A row of a CSV file turned into the record it will be: its values decoded, fitted to the code
// page and the field widths, and every problem met on the way, each with its row and field.

#include <QString>
#include <array>
#include <cstdint>
#include <optional>
#include <vector>

#include "csv/columns.h"
#include "csv/csv_reader.h"
#include "csv/text_encoding.h"
#include "store/opus_record.h"

namespace csv {

// How the rows of a file are read: chosen in the preview window, from what the start of the file
// suggests.
struct ImportSettings {
    Encoding encoding = Encoding::Utf8;
    char separator = ',';
    bool header = true;           // the first row names the columns
    std::vector<Target> targets;  // what each column goes into
    // Where each column's value stands in its field; empty: in the order of the columns.
    std::vector<Placement> placements;
    std::int64_t columns = 0;     // the columns a row should have: the first row's
    bool replaceAccents = false;  // accented Latin letters stored as the plain letter
    bool cutLong = true;          // a value too long is cut; otherwise its row is skipped
};

enum class ProblemKind {
    Unstorable,      // a character the code page cannot hold: the row is refused
    Replaced,        // accented Latin letters stored as the plain letter
    TooLong,         // a value longer than its field: cut, or the row skipped
    LineBreak,       // a line break in a field other than Soloists: a blank instead
    TooFewColumns,   // the missing fields are blank
    TooManyColumns,  // the extra columns are left out
    Unterminated,    // a quote never closed: the row is refused
    MixedAlphabets,  // Greek letters inside a Latin word: the file's encoding may be wrong
};

struct Problem {
    std::int64_t row = 0;               // as a spreadsheet counts rows: the header is row 1
    std::int64_t line = 0;              // the line of the file the row starts on
    std::optional<store::Field> field;  // none for the row as a whole
    ProblemKind kind = ProblemKind::Unstorable;
    QString text;  // what was found, and what becomes of it
};

// What becomes of a row.
enum class Fate { Imported, Refused, Skipped };

struct ImportRow {
    std::int64_t number = 0;
    std::int64_t line = 0;
    store::OpusRecord record;  // as it will be stored; blank for a refused row
    // The six values as they will be stored; for a refused row, as the file has them.
    std::array<QString, store::kFieldCount> values;
    Fate fate = Fate::Imported;
    bool cut = false;  // a value was cut to fit its field
    std::vector<Problem> problems;
};

// Turns a row of the file into the record it will be, into `out`.
void convertRow(const CsvRow& row, const ImportSettings& settings, ImportRow& out);

// The plain Latin letter(s) of an accented one ('ř' gives "r", 'ø' "o", 'ß' "ss"); empty for a
// character that is no accented Latin letter.
QString plainLetter(char32_t c);

}  // namespace csv
