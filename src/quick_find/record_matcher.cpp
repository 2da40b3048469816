#include "quick_find/record_matcher.h"

#include <algorithm>
#include <bit>

#include "store/opus_record.h"

namespace quick_find {

namespace {

const int kIdentityWidth = store::fieldWidth(store::Field::Identity);

QByteArrayView composerField(const unsigned char* record) {
    return {reinterpret_cast<const char*>(record) + store::fieldOffset(store::Field::Composer),
            store::fieldWidth(store::Field::Composer)};
}

}  // namespace

RecordMatcher::RecordMatcher(const std::vector<Word>& words, const ByteCounts& sample) {
    std::vector<std::pair<WordMatcher, catalogue::CatalogueQuery>> made;
    for (const Word& word : words) {
        made.emplace_back(WordMatcher(word, sample),
                          word.impossible ? catalogue::CatalogueQuery{}
                                          : catalogue::parseCatalogueWord(word.letters));
        if (made.back().first.impossible()) nothing_ = true;
    }
    nothing_ = nothing_ || made.empty();
    std::stable_sort(made.begin(), made.end(),
                     [](const auto& a, const auto& b) { return a.first.cost() < b.first.cost(); });
    for (auto& [text, query] : made) {
        if (query.isValid()) {
            const int number = catalogue::CatalogueNumber::fromKey(query.key).number();
            numberWords_.push_back(
                {words_.size(), query, WordMatcher(Word{QByteArray::number(number)}, sample)});
        }
        words_.push_back(std::move(text));
    }
    if (numberWords_.empty()) return;
    // What the block is scanned for: the rarest of what every matching record holds, a plain word
    // or a number's digits.
    for (std::size_t w = 0, n = 0; w < words_.size(); ++w) {
        const bool isNumber = n < numberWords_.size() && numberWords_[n].word == w;
        const WordMatcher& needed = isNumber ? numberWords_[n++].digits : words_[w];
        if (scanned_ && needed.cost() >= scanned_->cost()) continue;
        scanned_ = &needed;
        scannedWord_ = w;
        scannedDigits_ = isNumber;
    }
}

bool RecordMatcher::matches(const char* record) const {
    std::vector<std::int32_t> hits;
    findIn(record, 1, 1, hits);
    return !hits.empty();
}

bool RecordMatcher::leftOutAsDeleted(const unsigned char* record) const {
    if (!store::isDeletedRecord(reinterpret_cast<const char*>(record))) return false;
    return std::none_of(words_.begin(), words_.end(), [record](const WordMatcher& word) {
        return word.foundIn(record, 0, kIdentityWidth);
    });
}

bool RecordMatcher::holdsTheOthers(const unsigned char* record) const {
    for (std::size_t w = 1; w < words_.size(); ++w) {
        if (!words_[w].foundIn(record, 0, store::kRecordLength)) return false;
    }
    return !leftOutAsDeleted(record);
}

bool RecordMatcher::holdsEvery(const unsigned char* record) const {
    catalogue::CatalogueNumber number;  // the record's, read when first needed
    bool numberRead = false;
    for (std::size_t w = 0, n = 0; w < words_.size(); ++w) {
        const bool isNumber = n < numberWords_.size() && numberWords_[n].word == w;
        const NumberWord* numberWord = isNumber ? &numberWords_[n++] : nullptr;
        if (w == scannedWord_ && !scannedDigits_) continue;  // the scan found it
        if (words_[w].foundIn(record, 0, store::kRecordLength)) continue;
        if (!numberWord) return false;
        if (!numberRead) {
            number = catalogue::recordNumber(reinterpret_cast<const char*>(record),
                                             composers_.of(composerField(record)));
            numberRead = true;
        }
        if (!catalogue::matches(numberWord->query, number)) return false;
    }
    return !leftOutAsDeleted(record);
}

template <class Holds>
void RecordMatcher::scan(const WordMatcher& word, const unsigned char* bytes, std::int32_t count,
                         std::int32_t first, std::vector<std::int32_t>& hits, Holds holds) const {
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
            if (holds(record)) hits.push_back(first + index);
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

void RecordMatcher::findIn(const char* block, std::int32_t count, std::int32_t first,
                           std::vector<std::int32_t>& hits) const {
    if (nothing_) return;
    const auto* bytes = reinterpret_cast<const unsigned char*>(block);
    if (numberWords_.empty()) {
        scan(words_.front(), bytes, count, first, hits,
             [this](const unsigned char* record) { return holdsTheOthers(record); });
    } else {
        scan(*scanned_, bytes, count, first, hits,
             [this](const unsigned char* record) { return holdsEvery(record); });
    }
}

}  // namespace quick_find
