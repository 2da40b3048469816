#pragma once
// Whether a record holds every word of a Quick Find query, each somewhere in its six fields. A
// deleted record ("~~~") is left out unless a word stands in its Identity, so that typing ~~~ finds
// the deleted records and nothing else shows them.

#include <vector>

#include "quick_find/word_matcher.h"

namespace quick_find {

class RecordMatcher {
public:
    // `sample`: byte counts of a part of the collection, to choose what the scan looks for.
    RecordMatcher(const std::vector<Word>& words, const ByteCounts& sample);

    // Some word can stand in no record: nothing needs to be read.
    bool matchesNothing() const { return nothing_; }
    // `record`: the 455 bytes of one record.
    bool matches(const char* record) const;
    // Appends to `hits` the Opus Numbers of the records of a block that match: `count` records
    // from `block`, the first of them record `first`. The first word is looked for across the
    // whole block at once; the others only in the records that hold it.
    void findIn(const char* block, std::int32_t count, std::int32_t first,
                std::vector<std::int32_t>& hits) const;

private:
    bool holdsTheOthers(const unsigned char* record) const;

    std::vector<WordMatcher> words_;  // the cheapest to rule out first
    bool nothing_ = false;
};

}  // namespace quick_find
