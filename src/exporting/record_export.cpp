#include "exporting/record_export.h"

#include <QByteArray>

#include "exporting/line_format.h"
#include "exporting/text_file.h"
#include "store/opus_record.h"
#include "store/record_scanner.h"

namespace exporting {

std::int64_t exportRecords(store::CollectionFile& collection, std::int32_t last,
                           const ExportPass& pass, TextFile& file) {
    std::int64_t written = 0;
    QByteArray line;
    store::RecordScanner records(collection, 1, last);
    for (auto block = records.nextBlock(); block.data; block = records.nextBlock()) {
        for (std::int32_t i = 0; i < block.count; ++i) {
            const char* record = block.data + qsizetype(i) * store::kRecordLength;
            const std::int32_t number = block.first + i;
            const bool writes = !pass.passes || pass.passes(record);
            if (writes) {
                ++written;
                line.resize(0);  // keeps its room for the next line
                pass.format.appendLine(line, record, number);
                file.writeLine(line);
            }
            if (pass.progress) pass.progress(number, writes);
        }
        if (pass.stop && pass.stop(block.first + block.count - 1)) break;
    }
    return written;
}

}  // namespace exporting
