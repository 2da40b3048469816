#include "exporting/line_format.h"

#include <charconv>

namespace exporting {

namespace {

// A field without its leading and trailing blanks, in the bytes of the record.
QByteArrayView trimmedField(const char* record, store::Field f) {
    return store::trimBlankBytes(
        QByteArrayView(record + store::fieldOffset(f), store::fieldWidth(f)));
}

}  // namespace

void FieldsLine::appendLine(QByteArray& line, const char* record, std::int32_t opusNumber) const {
    for (std::size_t i = 0; i < fields_.size(); ++i) {
        if (i > 0) line += "   ";
        line += trimmedField(record, fields_[i]);
    }
    if (ending_ == Ending::None) return;
    static const QByteArray kRule = "   " + QByteArray(79, '_');
    // The number as this program writes numbers (a blank for the sign, then the digits), through a
    // small buffer: this runs for every record of the collection.
    char digits[16];
    digits[0] = ' ';
    const char* end = std::to_chars(digits + 1, digits + sizeof digits, opusNumber).ptr;
    line += "   Opus No=";
    line += QByteArrayView(digits, end - digits);
    line += kRule;
}

}  // namespace exporting
