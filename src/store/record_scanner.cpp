#include "store/record_scanner.h"

#include <algorithm>

#include "store/collection_file.h"
#include "store/match_rule.h"
#include "store/opus_record.h"

namespace store {

RecordScanner::RecordScanner(CollectionFile& file, std::int32_t first, std::int32_t last)
    : file_(file), number_(first - 1), last_(last) {}

const char* RecordScanner::next() {
    if (number_ >= last_) return nullptr;
    ++number_;
    if (number_ >= blockFirst_ + blockCount_ || blockCount_ == 0) readBlock(number_);
    return block_.constData() + qsizetype(number_ - blockFirst_) * kRecordLength;
}

RecordScanner::Block RecordScanner::nextBlock() {
    if (number_ >= last_) return {};
    const std::int32_t first = number_ + 1;
    if (blockCount_ == 0 || first < blockFirst_ || first >= blockFirst_ + blockCount_)
        readBlock(first);
    number_ = blockFirst_ + blockCount_ - 1;
    return {block_.constData() + qsizetype(first - blockFirst_) * kRecordLength, first,
            number_ - first + 1};
}

void RecordScanner::readBlock(std::int32_t first) {
    blockFirst_ = first;
    blockCount_ = static_cast<std::int32_t>(
        std::min<std::int64_t>(kBlockRecords, std::int64_t(last_) - first + 1));
    const qsizetype size = qsizetype(blockCount_) * kRecordLength;
    if (block_.size() != size) block_.resize(size);
    const std::int64_t got = file_.readRecords(blockFirst_, blockCount_, block_.data());
    // Beyond the end of the file records read as blanks.
    std::fill(block_.data() + got, block_.data() + size, ' ');
}

std::int32_t findNext(RecordScanner& records, const MatchRule& rule,
                      const std::function<void(std::int32_t)>& looked) {
    for (;;) {
        const RecordScanner::Block block = records.nextBlock();
        if (!block.data) return 0;
        const std::int32_t at = rule.firstMatch(block.data, block.count);
        if (at < block.count) {
            looked(at + 1);
            records.resumeAfter(block.first + at);
            return block.first + at;
        }
        looked(block.count);
    }
}

}  // namespace store
