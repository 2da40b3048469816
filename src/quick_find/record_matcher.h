#pragma once
// Whether a record holds every word of a Quick Find query, each somewhere in its six fields. A
// word that reads as a catalogue number ("bwv988", "op27") also holds for the records whose own
// number it names (catalogue/record_number.h), however their titles write it. A deleted record
// ("~~~") is left out unless a word stands in its Identity, so that typing ~~~ finds the deleted
// records and nothing else shows them.

#include <vector>

#include "catalogue/catalogue_number.h"
#include "catalogue/record_number.h"
#include "quick_find/word_matcher.h"

namespace quick_find {

class RecordMatcher {
public:
    // `sample`: byte counts of a part of the collection, to choose what the scan looks for.
    RecordMatcher(const std::vector<Word>& words, const ByteCounts& sample);
    RecordMatcher(const RecordMatcher&) = delete;  // it points into itself
    RecordMatcher& operator=(const RecordMatcher&) = delete;

    // Some word can stand in no record: nothing needs to be read.
    bool matchesNothing() const { return nothing_; }
    // `record`: the 455 bytes of one record.
    bool matches(const char* record) const;
    // Appends to `hits` the Opus Numbers of the records of a block that match: `count` records
    // from `block`, the first of them record `first`. One word is looked for across the whole
    // block at once; the others only in the records that hold it.
    void findIn(const char* block, std::int32_t count, std::int32_t first,
                std::vector<std::int32_t>& hits) const;

private:
    template <class Holds>
    void scan(const WordMatcher& word, const unsigned char* bytes, std::int32_t count,
              std::int32_t first, std::vector<std::int32_t>& hits, Holds holds) const;
    bool holdsTheOthers(const unsigned char* record) const;
    bool holdsEvery(const unsigned char* record) const;
    bool leftOutAsDeleted(const unsigned char* record) const;

    std::vector<WordMatcher> words_;  // the cheapest to rule out first
    bool nothing_ = false;

    // Queries with catalogue numbers take a path of their own; those without keep the one above.
    // A number's word holds where its text stands or where the record's number is the word's; the
    // digits of the number stand in either, so the block is scanned for them.
    struct NumberWord {
        std::size_t word;  // in words_
        catalogue::CatalogueQuery query;
        WordMatcher digits;
    };
    std::vector<NumberWord> numberWords_;   // in the order of words_
    const WordMatcher* scanned_ = nullptr;  // what the block is scanned for on that path
    std::size_t scannedWord_ = 0;           // the plain word of words_ it is, if it is one
    bool scannedDigits_ = false;            // or a number's digits
    // The scan runs on one thread; the composers it recognises are kept for the next records.
    mutable catalogue::ComposerCache composers_;
};

}  // namespace quick_find
