#pragma once
// A record as a row of the CSV export (RFC 4180): its Opus Number and its six fields in UTF-8,
// each without its trailing blanks (leading blanks are kept: the pick lists store some), quoted
// when it holds a comma, a quote or a line break, its quotes doubled.

#include <QByteArray>
#include <array>

#include "exporting/line_format.h"

namespace csv {

class CsvLine : public exporting::LineFormat {
public:
    CsvLine();
    void appendLine(QByteArray& line, const char* record, std::int32_t opusNumber) const override;

    // The header row: "Opus No,Identity,Composer,Title,Orchestra/Conductor,Soloists,Cover".
    static QByteArray header();

private:
    std::array<QByteArray, 256> utf8_;  // each byte of the code page, in UTF-8
};

}  // namespace csv
