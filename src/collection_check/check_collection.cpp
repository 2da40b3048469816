#include "collection_check/check_collection.h"

#include "store/collection_file.h"
#include "store/record_scanner.h"

namespace collection_check {

namespace {
// How often progress is told and a cancel looked for: the scanner's block.
constexpr std::int32_t kBlockRecords = 2048;
}  // namespace

std::optional<Report> checkCollection(const QString& path, const CollectionPass::PickLists& lists,
                                      const QString& coversFolder, const Progress& progress,
                                      const std::atomic<bool>& cancelled) {
    store::CollectionFile file(path);
    file.openForReading();
    // Only the records the file holds: an empty file has none (the main window still counts one).
    const std::int32_t last =
        store::roundedRecordCount(file.fileLength()) == 0 ? 0 : file.recordCount();
    CollectionPass pass(lists, coversFolder);
    store::RecordScanner records(file, 1, last);
    for (std::int32_t done = 0;; ++done) {
        if (done % kBlockRecords == 0) {
            if (done > 0 && done < last && progress) progress(done, last);
            if (cancelled.load(std::memory_order_relaxed)) return std::nullopt;
        }
        const char* record = records.next();
        if (!record) break;
        pass.add(records.number(), record);
    }
    if (progress) progress(last, last);
    Report report = pass.finish([&file](std::int32_t n) { return file.read(n); });
    if (cancelled.load(std::memory_order_relaxed)) return std::nullopt;
    return report;
}

}  // namespace collection_check
