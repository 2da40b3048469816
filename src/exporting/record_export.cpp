#include "exporting/record_export.h"

#include <QByteArray>

#include "exporting/line_format.h"
#include "exporting/text_file.h"
#include "store/record_scanner.h"

namespace exporting {

std::int64_t exportRecords(store::CollectionFile& collection, std::int32_t last,
                           const ExportPass& pass, TextFile& file) {
    std::int64_t written = 0;
    QByteArray line;
    store::RecordScanner records(collection, 1, last);
    while (const char* record = records.next()) {
        const bool writes = !pass.passes || pass.passes(record);
        if (writes) {
            ++written;
            line.clear();
            pass.format.appendLine(line, record, records.number());
            file.writeLine(line);
        }
        if (pass.progress) pass.progress(records.number(), writes);
    }
    return written;
}

}  // namespace exporting
