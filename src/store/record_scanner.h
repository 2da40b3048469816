#pragma once
// Reads the collection record after record in large blocks, for scans over the whole of it: one
// read for thousands of records, and the collection is never held in memory.

#include <QByteArray>
#include <cstdint>
#include <functional>

namespace store {

class CollectionFile;
class MatchRule;

class RecordScanner {
public:
    // Scans from record `first` to record `last` (the record count N: a trailing partial record
    // reads padded with blanks).
    RecordScanner(store::CollectionFile& file, std::int32_t first, std::int32_t last);

    // The 455 bytes of the next record, or nullptr after the last. Throws StoreError when the
    // file cannot be read.
    const char* next();
    // The Opus Number of the record next() gave last.
    std::int32_t number() const { return number_; }

    // The records of the next block at once, for scans that look at many records in one go:
    // `count` records of 455 bytes from `data`, the first of them record `first`; `data` is
    // nullptr after the last. Records of the block at hand not given yet (see resumeAfter) come
    // first. Throws StoreError when the file cannot be read.
    struct Block {
        const char* data = nullptr;
        std::int32_t first = 0;
        std::int32_t count = 0;
    };
    Block nextBlock();
    // Takes back the records after record n of the block nextBlock() gave last: the scan goes on
    // from record n + 1, without reading them again.
    void resumeAfter(std::int32_t n) { number_ = n; }

private:
    void readBlock(std::int32_t first);

    static constexpr std::int32_t kBlockRecords = 2048;

    store::CollectionFile& file_;
    std::int32_t number_;
    std::int32_t last_;
    QByteArray block_;
    std::int32_t blockFirst_ = 0;
    std::int32_t blockCount_ = 0;
};

// The Opus Number of the next record the rule matches from where `records` stands, or 0 when none
// does; the scan can go on after it. `looked` is told how many records were looked at, a block at
// a time, the hit included: the caller's progress. Throws StoreError when the file cannot be read.
std::int32_t findNext(RecordScanner& records, const MatchRule& rule,
                      const std::function<void(std::int32_t)>& looked);

}  // namespace store
