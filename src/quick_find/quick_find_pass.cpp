#include "quick_find/quick_find_pass.h"

#include <QElapsedTimer>
#include <algorithm>

#include "quick_find/record_matcher.h"
#include "store/collection_file.h"
#include "store/opus_record.h"
#include "store/record_scanner.h"
#include "store/store_error.h"

namespace quick_find {

namespace {

// The records whose bytes decide which letter of each word the scan looks for.
constexpr std::int32_t kSampleRecords = 2048;
// Hits found after the first batch wait this long at most before they are handed on.
constexpr qint64 kBatchMs = 25;

ByteCounts sampleOf(store::CollectionFile& file, std::int32_t last) {
    const std::int32_t count = std::min(last, kSampleRecords);
    std::vector<char> bytes(std::size_t(count) * store::kRecordLength);
    const std::int64_t got = file.readRecords(1, count, bytes.data());
    return countBytes(bytes.data(), got);
}

}  // namespace

PassResult runPass(const QString& path, const std::vector<Word>& words,
                   const std::atomic<bool>& cancelled,
                   const std::function<void(std::vector<std::int32_t>)>& found) {
    std::vector<std::int32_t> batch;
    const auto handOn = [&] {
        if (batch.empty()) return;
        found(std::move(batch));
        batch = {};
    };
    try {
        store::CollectionFile file(path);
        file.openForReading();
        const std::int32_t last = file.recordCount();
        const RecordMatcher matcher(words, sampleOf(file, last));
        if (matcher.matchesNothing()) return {};

        store::RecordScanner records(file, 1, last);
        QElapsedTimer sinceHandedOn;
        for (auto block = records.nextBlock(); block.data; block = records.nextBlock()) {
            matcher.findIn(block.data, block.count, block.first, batch);
            if (cancelled.load(std::memory_order_relaxed))
                return {PassResult::Outcome::Cancelled, {}};
            if (!batch.empty() &&
                (!sinceHandedOn.isValid() || sinceHandedOn.elapsed() >= kBatchMs)) {
                handOn();
                sinceHandedOn.start();
            }
        }
        if (cancelled.load(std::memory_order_relaxed)) return {PassResult::Outcome::Cancelled, {}};
        handOn();
        return {};
    } catch (const store::StoreError& e) {
        handOn();  // the hits before the failure stand
        return {PassResult::Outcome::Failed, e.message()};
    }
}

}  // namespace quick_find
