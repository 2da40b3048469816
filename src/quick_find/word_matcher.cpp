#include "quick_find/word_matcher.h"

#include <algorithm>
#include <bit>

#include "store/latin_reading.h"
#include "store/opus_record.h"

#if defined(__x86_64__) && (defined(__GNUC__) || defined(__clang__))
#include <immintrin.h>
#define QUICK_FIND_AVX2 1
#endif

namespace quick_find {

namespace {

// The longest field: a word of more letters than it can read as stands in no record.
constexpr int kLongestField = 115;

// For each byte offset of a record, the field it belongs to.
constexpr std::array<std::uint8_t, store::kRecordLength> kFieldAt = [] {
    std::array<std::uint8_t, store::kRecordLength> at{};
    for (int f = 0; f < store::kFieldCount; ++f) {
        const store::FieldLayout& field = store::kFieldLayout[f];
        for (int i = field.offset; i < field.offset + field.width; ++i) at[i] = std::uint8_t(f);
    }
    return at;
}();

bool readsAs(const store::Letters& letters, unsigned char letter) {
    return letters.first == letter || (letters.second != 0 && letters.second == letter);
}

// The places of up to 64 bytes from `from` whose byte is in the set, one bit each.
std::uint64_t placesPlainly(const ByteSet& set, const unsigned char* bytes, std::int64_t from,
                            std::int64_t end) {
    std::uint64_t places = 0;
    const int count = int(std::min<std::int64_t>(64, end - from));
    for (int i = 0; i < count; ++i) places |= std::uint64_t(set.member[bytes[from + i]]) << i;
    return places;
}

std::int64_t nextPlainly(const ByteSet& set, const unsigned char* bytes, std::int64_t from,
                         std::int64_t end, std::uint64_t& places) {
    while (from < end && !set.member[bytes[from]]) ++from;
    if (from >= end) return end;
    places = placesPlainly(set, bytes, from, end);
    return from;
}

#ifdef QUICK_FIND_AVX2
// For each of 32 bytes, a bit shared by its two halves' entries when the byte is in the set.
__attribute__((target("avx2"))) inline __m256i inSet(__m256i bytes, __m256i low, __m256i high) {
    const __m256i nibble = _mm256_set1_epi8(0x0F);
    const __m256i l = _mm256_shuffle_epi8(low, _mm256_and_si256(bytes, nibble));
    const __m256i h =
        _mm256_shuffle_epi8(high, _mm256_and_si256(_mm256_srli_epi16(bytes, 4), nibble));
    return _mm256_and_si256(l, h);
}

// One bit for each of 32 bytes that is in the set.
__attribute__((target("avx2"))) inline std::uint64_t bitsOf(__m256i inSet) {
    const __m256i none = _mm256_cmpeq_epi8(inSet, _mm256_setzero_si256());
    return std::uint32_t(~std::uint32_t(_mm256_movemask_epi8(none)));
}

__attribute__((target("avx2"))) inline __m256i load32(const unsigned char* bytes) {
    return _mm256_loadu_si256(reinterpret_cast<const __m256i*>(bytes));
}

__attribute__((target("avx2"))) std::int64_t nextAvx2(const ByteSet& set,
                                                      const unsigned char* bytes, std::int64_t from,
                                                      std::int64_t end, std::uint64_t& places) {
    const __m256i low = _mm256_broadcastsi128_si256(
        _mm_loadu_si128(reinterpret_cast<const __m128i*>(set.low.data())));
    const __m256i high = _mm256_broadcastsi128_si256(
        _mm_loadu_si128(reinterpret_cast<const __m128i*>(set.high.data())));
    // 64 bytes a step while nothing is found there: most of a collection.
    for (; from + 64 <= end; from += 64) {
        const __m256i first = inSet(load32(bytes + from), low, high);
        const __m256i second = inSet(load32(bytes + from + 32), low, high);
        const __m256i any = _mm256_or_si256(first, second);
        if (_mm256_testz_si256(any, any)) continue;
        places = bitsOf(first) | bitsOf(second) << 32;
        return from;
    }
    if (from >= end) return end;
    // The last bytes: the 32 before the end stand in for what is left.
    const std::int64_t left = end - from;
    const std::uint64_t last = bitsOf(inSet(load32(bytes + end - 32), low, high));
    if (left > 32) {
        places = bitsOf(inSet(load32(bytes + from), low, high)) | (last >> (64 - left)) << 32;
    } else {
        places = last >> (32 - left);
    }
    return places != 0 ? from : end;
}

using NextPlaces = std::int64_t (*)(const ByteSet&, const unsigned char*, std::int64_t,
                                    std::int64_t, std::uint64_t&);
const NextPlaces kNextPlaces = [] {
    __builtin_cpu_init();
    return __builtin_cpu_supports("avx2") ? nextAvx2 : nextPlainly;
}();
#endif

}  // namespace

ByteCounts countBytes(const char* data, std::int64_t size) {
    // Four tables in turn, so that runs of one byte (blanks, mostly) do not wait on each other.
    std::array<ByteCounts, 4> counts{};
    const auto* bytes = reinterpret_cast<const unsigned char*>(data);
    std::int64_t i = 0;
    for (; i + 4 <= size; i += 4) {
        ++counts[0][bytes[i]];
        ++counts[1][bytes[i + 1]];
        ++counts[2][bytes[i + 2]];
        ++counts[3][bytes[i + 3]];
    }
    for (; i < size; ++i) ++counts[0][bytes[i]];
    for (int b = 0; b < 256; ++b) counts[0][b] += counts[1][b] + counts[2][b] + counts[3][b];
    return counts[0];
}

ByteSet ByteSet::of(const std::array<bool, 256>& members) {
    ByteSet set;
    int halves = 0;
    for (int h = 0; h < 16; ++h) {
        const std::uint8_t bit = std::uint8_t(1u << (halves % 8));
        bool used = false;
        for (int l = 0; l < 16; ++l) {
            if (!members[h * 16 + l]) continue;
            set.low[l] |= bit;
            used = true;
        }
        if (used) {
            set.high[h] = bit;
            ++halves;
        }
    }
    for (int b = 0; b < 256; ++b) set.member[b] = set.has(static_cast<unsigned char>(b));
    return set;
}

WordMatcher::WordMatcher(const Word& word, const ByteCounts& sample) {
    const auto* letters = reinterpret_cast<const unsigned char*>(word.letters.constData());
    length_ = int(word.letters.size());
    const int mostLetters = word.script == store::Script::Latin ? 2 * kLongestField : kLongestField;
    impossible_ = word.impossible || length_ == 0 || length_ > mostLetters;
    if (impossible_) return;

    // The letter to look for: the one whose bytes the sample holds least often.
    std::size_t fewestBytes = 0;
    for (int k = 0; k < length_; ++k) {
        std::array<bool, 256> members{};
        std::size_t count = 0;
        std::uint64_t cost = 0;
        for (int b = 0; b < 256; ++b) {
            const auto byte = static_cast<unsigned char>(b);
            members[b] = readsAs(store::lettersOf(word.script, byte, false), letters[k]) ||
                         readsAs(store::lettersOf(word.script, byte, true), letters[k]);
        }
        const ByteSet bytes = ByteSet::of(members);
        for (int b = 0; b < 256; ++b) {
            if (!bytes.has(static_cast<unsigned char>(b))) continue;
            cost += sample[b];
            ++count;
        }
        if (k == 0 || cost < cost_ || (cost == cost_ && count < fewestBytes)) {
            key_ = k;
            cost_ = cost;
            fewestBytes = count;
            keyBytes_ = bytes;
        }
    }

    for (int b = 0; b < 256; ++b) {
        const auto byte = static_cast<unsigned char>(b);
        for (const bool afterOmicron : {false, true}) {
            const store::Letters l = store::lettersOf(word.script, byte, afterOmicron);
            const unsigned char last = l.second != 0 ? l.second : l.first;
            if (key_ > 0 && last == letters[key_ - 1]) endsBefore_[b] = true;
            if (key_ + 1 < length_ && l.first == letters[key_ + 1]) beginsAfter_[b] = true;
        }
        oneLetter_[b] = store::lettersOf(word.script, byte, false).second == 0 &&
                        store::lettersOf(word.script, byte, true).second == 0;
    }

    // The word's own automaton over letters (Knuth-Morris-Pratt): letters matched -> next.
    const int states = length_ + 1;
    std::vector<int> next(std::size_t(states) * 256, 0);
    next[letters[0]] = 1;
    for (int p = 1, fallback = 0; p < length_; ++p) {
        std::copy_n(&next[std::size_t(fallback) * 256], 256, &next[std::size_t(p) * 256]);
        next[std::size_t(p) * 256 + letters[p]] = p + 1;
        fallback = next[std::size_t(fallback) * 256 + letters[p]];
    }
    // The same over raw bytes, each read as its one or two letters.
    accepted_ = std::uint16_t(2 * length_);
    steps_.assign(std::size_t(2 * states) * 256, accepted_);
    for (int p = 0; p < length_; ++p) {
        for (int afterOmicron = 0; afterOmicron < 2; ++afterOmicron) {
            std::uint16_t* row = &steps_[std::size_t(2 * p + afterOmicron) * 256];
            for (int b = 0; b < 256; ++b) {
                const auto byte = static_cast<unsigned char>(b);
                const store::Letters l = store::lettersOf(word.script, byte, afterOmicron != 0);
                int q = next[std::size_t(p) * 256 + l.first];
                if (l.second != 0 && q < length_) q = next[std::size_t(q) * 256 + l.second];
                row[b] = q == length_ ? accepted_
                                      : std::uint16_t(2 * q + (store::isOmicron(byte) ? 1 : 0));
            }
        }
    }
}

std::int64_t WordMatcher::nextPlaces(const unsigned char* bytes, std::int64_t from,
                                     std::int64_t end, std::uint64_t& places) const {
#ifdef QUICK_FIND_AVX2
    return kNextPlaces(keyBytes_, bytes, from, end, places);
#else
    return nextPlainly(keyBytes_, bytes, from, end, places);
#endif
}

bool WordMatcher::confirm(const unsigned char* record, int at, Progress& progress) const {
    // The word's letters before the one looked for come from at most that many bytes before it,
    // those after it from at most that many bytes after: every byte reads as a letter at least.
    const int field = kFieldAt[at];
    const int fieldBegin = store::kFieldLayout[field].offset;
    const int fieldEnd = fieldBegin + store::kFieldLayout[field].width;
    if (oneLetter_[record[at]]) {
        if (key_ > 0 && (at == fieldBegin || !endsBefore_[record[at - 1]])) return false;
        if (key_ + 1 < length_ && (at + 1 == fieldEnd || !beginsAfter_[record[at + 1]]))
            return false;
    }
    int from = std::max(fieldBegin, at - key_);
    const int to = std::min(fieldEnd - 1, at + (length_ - 1 - key_));
    std::uint16_t state;
    if (field == progress.field && from <= progress.through) {
        from = progress.through + 1;
        state = progress.state;
    } else {
        state = from > fieldBegin && store::isOmicron(record[from - 1]) ? 1 : 0;
    }
    const std::uint16_t* steps = steps_.data();
    for (int i = from; i <= to; ++i) state = steps[std::size_t(state) * 256 + record[i]];
    if (state == accepted_) return true;
    if (from <= to) progress = {field, to, state};
    return false;
}

bool WordMatcher::foundIn(const unsigned char* record, int begin, int end) const {
    if (impossible_) return false;
    Progress progress;
    std::uint64_t places = 0;
    for (std::int64_t at = begin, base; (base = nextPlaces(record, at, end, places)) < end;
         at = base + 64) {
        for (; places != 0; places &= places - 1) {
            if (confirm(record, int(base + std::countr_zero(places)), progress)) return true;
        }
    }
    return false;
}

}  // namespace quick_find
