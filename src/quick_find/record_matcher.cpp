#include "quick_find/record_matcher.h"

#include <algorithm>
#include <bit>

#include "store/opus_record.h"

namespace quick_find {

namespace {

const int kIdentityWidth = store::fieldWidth(store::Field::Identity);

}  // namespace

RecordMatcher::RecordMatcher(const std::vector<Word>& words, const ByteCounts& sample) {
    for (const Word& word : words) {
        words_.emplace_back(word, sample);
        if (words_.back().impossible()) nothing_ = true;
    }
    nothing_ = nothing_ || words_.empty();
    std::stable_sort(words_.begin(), words_.end(), [](const WordMatcher& a, const WordMatcher& b) {
        return a.cost() < b.cost();
    });
}

bool RecordMatcher::matches(const char* record) const {
    std::vector<std::int32_t> hits;
    findIn(record, 1, 1, hits);
    return !hits.empty();
}

bool RecordMatcher::holdsTheOthers(const unsigned char* record) const {
    for (std::size_t w = 1; w < words_.size(); ++w) {
        if (!words_[w].foundIn(record, 0, store::kRecordLength)) return false;
    }
    if (!store::isDeletedRecord(reinterpret_cast<const char*>(record))) return true;
    return std::any_of(words_.begin(), words_.end(), [record](const WordMatcher& word) {
        return word.foundIn(record, 0, kIdentityWidth);
    });
}

void RecordMatcher::findIn(const char* block, std::int32_t count, std::int32_t first,
                           std::vector<std::int32_t>& hits) const {
    if (nothing_) return;
    const auto* bytes = reinterpret_cast<const unsigned char*>(block);
    const WordMatcher& word = words_.front();
    const std::int64_t end = std::int64_t(count) * store::kRecordLength;
    std::int32_t current = -1;  // the record of the place looked at
    Progress progress;
    std::uint64_t places = 0;
    for (std::int64_t at = 0, base; (base = word.nextPlaces(bytes, at, end, places)) < end;) {
        at = base + 64;
        while (places != 0) {
            const std::int64_t place = base + std::countr_zero(places);
            places &= places - 1;
            const auto index = std::int32_t(place / store::kRecordLength);
            const std::int64_t start = std::int64_t(index) * store::kRecordLength;
            if (index != current) {
                current = index;
                progress = {};
            }
            const unsigned char* record = bytes + start;
            if (!word.confirm(record, int(place - start), progress)) continue;
            if (holdsTheOthers(record)) hits.push_back(first + index);
            // The rest of this record needs no look.
            const std::int64_t next = start + store::kRecordLength;
            if (next - base >= 64) {
                at = next;
                break;
            }
            places &= ~0ull << (next - base);
        }
    }
}

}  // namespace quick_find
