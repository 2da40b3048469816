#pragma once
// One typed word made ready for the scan of a million records. It looks for one rare letter of the
// word, 64 bytes at a time, and confirms each place where that letter may stand with an automaton
// over the raw bytes: one table step a byte, the ου pair kept as one bit of its state. No text is
// decoded, folded or copied on the way.

#include <array>
#include <cstdint>
#include <vector>

#include "quick_find/query.h"

namespace quick_find {

// How often each byte occurs in a sample of the collection.
using ByteCounts = std::array<std::uint64_t, 256>;
ByteCounts countBytes(const char* data, std::int64_t size);

// A set of bytes as two 16-entry tables, one for the low and one for the high half of a byte:
// a byte is in the set when the two entries share a bit. That is one table look-up of each half
// for 32 bytes at once on today's processors.
struct ByteSet {
    std::array<std::uint8_t, 16> low{};
    std::array<std::uint8_t, 16> high{};
    std::array<bool, 256> member{};  // the same, a byte at a time
    // Exact for bytes of up to eight different high halves (every set Quick Find looks for); one
    // of more may take in a few bytes besides its own, which the confirmation then turns away.
    static ByteSet of(const std::array<bool, 256>& members);
    bool has(unsigned char byte) const { return (low[byte & 15] & high[byte >> 4]) != 0; }
};

// Where the confirmation of a record has got to, so that places close together are read once.
struct Progress {
    int field = -1;
    int through = -1;  // the last byte the automaton has read
    std::uint16_t state = 0;
};

class WordMatcher {
public:
    // `sample` tells which of the word's letters is rarest in the collection at hand.
    WordMatcher(const Word& word, const ByteCounts& sample);

    // No record can hold the word (a character the code page lacks, or longer than any field).
    bool impossible() const { return impossible_; }
    // How many places of the sample the scan would confirm: the rarer, the cheaper.
    std::uint64_t cost() const { return cost_; }

    // The places from `from` on, before `end`, where the letter looked for may stand, 64 bytes
    // at a time: the offset of the first 64 bytes that hold one, with a bit in `places` for each
    // (bit 0 for the byte at that offset); `end` when there is none. At least 32 bytes before
    // `end` must be readable, whatever `from` is.
    std::int64_t nextPlaces(const unsigned char* bytes, std::int64_t from, std::int64_t end,
                            std::uint64_t& places) const;
    // Whether the word stands around the place `at` of one record (a place nextPlaces gave), within
    // one field. `progress` belongs to that record.
    bool confirm(const unsigned char* record, int at, Progress& progress) const;
    // Whether the word stands inside one field of a record's bytes `begin` to `end` (both on field
    // boundaries, at least 32 bytes apart).
    bool foundIn(const unsigned char* record, int begin, int end) const;

private:
    bool impossible_ = false;
    int length_ = 0;  // letters of the word
    int key_ = 0;     // the index of the letter looked for
    std::uint64_t cost_ = 0;
    ByteSet keyBytes_;  // every byte that reads as that letter
    // Most places are turned away by their neighbours alone: where the letter looked for is all
    // its byte reads as, the byte before must end with the letter before it, and the byte after
    // must begin with the letter after it.
    std::array<bool, 256> oneLetter_{};
    std::array<bool, 256> endsBefore_{};
    std::array<bool, 256> beginsAfter_{};
    // The automaton: state = 2 x letters matched + (the byte before folds to ο), 256 steps a state.
    std::vector<std::uint16_t> steps_;
    std::uint16_t accepted_ = 0;
};

}  // namespace quick_find
