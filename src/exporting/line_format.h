#pragma once
// What one line of an export says about a record: the export pass (record_export.h) reads the
// records and writes the lines; a format only puts a record's bytes into a line.

#include <QByteArray>
#include <cstdint>
#include <vector>

#include "store/opus_record.h"

namespace exporting {

class LineFormat {
public:
    virtual ~LineFormat() = default;
    // Appends the line of `record` (its 455 bytes) to `line`, without the line end.
    virtual void appendLine(QByteArray& line, const char* record,
                            std::int32_t opusNumber) const = 0;
};

// Fields trimmed of their blanks, three blanks between them; a numbered line ends with
// "   Opus No=", the Opus Number as the program writes numbers, and a rule.
class FieldsLine : public LineFormat {
public:
    enum class Ending { None, OpusNumberAndRule };

    FieldsLine(std::vector<store::Field> fields, Ending ending)
        : fields_(std::move(fields)), ending_(ending) {}
    void appendLine(QByteArray& line, const char* record, std::int32_t opusNumber) const override;

private:
    std::vector<store::Field> fields_;
    Ending ending_;
};

}  // namespace exporting
