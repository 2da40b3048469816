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

// Hits found after the first batch wait this long at most before they are handed on.
constexpr qint64 kBatchMs = 25;

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
        store::RecordScanner records(file, 1, file.recordCount());
        auto block = records.nextBlock();
        // The first block's bytes decide which letter of each word the scan looks for.
        const RecordMatcher matcher(
            words, countBytes(block.data, std::int64_t(block.count) * store::kRecordLength));
        if (matcher.matchesNothing()) return {};

        QElapsedTimer sinceHandedOn;
        for (; block.data; block = records.nextBlock()) {
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
