#pragma once
// How the collection check compares texts: the store's fold (case, Greek accents and diaeresis,
// final sigma) and then only letters and digits, so "Bach, J.S." and "BACH, J. S." are one name.
// Texts are kept as 64-bit hashes, never as strings, so a check of a million records stays small.
//
// A name's fold is a polynomial hash with its length, so the fold of a whole field is made from
// the folds of its names one after the other: each name is folded once, when first met, and a
// record costs one lookup per name. A Title is taken whole and folded eight bytes at a time.

#include <QByteArrayView>
#include <array>
#include <cstdint>
#include <cstring>

#include "store/opus_record.h"

namespace collection_check {

// For each byte of the code page its folded byte, or 0 when it is neither a letter nor a digit.
std::array<unsigned char, 256> makeCheckFoldTable();
inline const std::array<unsigned char, 256>& checkFoldTable() {
    static const std::array<unsigned char, 256> table = makeCheckFoldTable();
    return table;
}

namespace detail {

constexpr std::uint64_t kMultiplier = 0x9E3779B97F4A7C15ull;
constexpr std::uint64_t kBase = 0x100000001B3ull * 0x2545F4914F6CDD1Dull | 1;  // odd

inline std::uint64_t mixWord(std::uint64_t h, std::uint64_t word) {
    h = (h ^ word) * kMultiplier;
    return h ^ (h >> 29);
}

inline std::uint64_t finish(std::uint64_t h) {
    h *= 0xff51afd7ed558ccdull;
    h ^= h >> 32;
    return h ? h : 1;  // 0 stands for "nothing"
}

// kBase to the powers 0 to 127: a field is at most 115 bytes.
std::array<std::uint64_t, 128> makeBasePowers();
inline const std::array<std::uint64_t, 128>& basePowers() {
    static const std::array<std::uint64_t, 128> powers = makeBasePowers();
    return powers;
}

}  // namespace detail

// A text's hash as written, byte for byte, eight bytes at a time.
inline std::uint64_t exactHash(QByteArrayView text) {
    const char* p = text.data();
    qsizetype n = text.size();
    std::uint64_t h = detail::kMultiplier ^ std::uint64_t(n);
    for (; n >= 8; p += 8, n -= 8) {
        std::uint64_t word;
        std::memcpy(&word, p, 8);
        h = detail::mixWord(h, word);
    }
    std::uint64_t tail = 0;
    std::memcpy(&tail, p, size_t(n));
    return detail::finish(detail::mixWord(h, tail));
}

// The folded letters and digits of a text as a polynomial over their bytes, and how many there
// are: the fold of two texts one after the other is then(first, second).
struct Folded {
    std::uint64_t polynomial = 0;
    std::uint32_t length = 0;

    // What compares texts: 0 for a text with no letter or digit, which names nothing.
    std::uint64_t key() const {
        return length == 0 ? 0 : detail::finish(polynomial ^ (std::uint64_t(length) << 56));
    }
};

inline Folded fold(QByteArrayView text) {
    const std::array<unsigned char, 256>& table = checkFoldTable();
    Folded f;
    for (const char c : text) {
        const unsigned char kept = table[static_cast<unsigned char>(c)];
        if (kept) {
            f.polynomial = f.polynomial * detail::kBase + kept;
            ++f.length;
        }
    }
    return f;
}

inline Folded then(Folded first, Folded second) {
    const std::uint32_t shift = second.length < 128 ? second.length : 127;
    return {first.polynomial * detail::basePowers()[shift] + second.polynomial,
            first.length + second.length};
}

// The key of a name: two names that fold alike have the same key.
inline std::uint64_t nameFold(QByteArrayView name) {
    return fold(name).key();
}

// A whole text folded eight bytes at a time, for texts taken whole (a Title); 0 for a text with
// no letter or digit. Not comparable with nameFold().
inline std::uint64_t wholeFold(QByteArrayView text) {
    const std::array<unsigned char, 256>& table = checkFoldTable();
    std::uint64_t h = detail::kMultiplier, word = 0;
    unsigned count = 0;
    bool any = false;
    for (const char c : text) {
        const unsigned char kept = table[static_cast<unsigned char>(c)];
        const unsigned keep = kept != 0;
        word = (word << (8 * keep)) | kept;  // a dropped byte shifts nothing in
        count += keep;
        if (count == 8) {
            h = detail::mixWord(h, word);
            word = 0;
            count = 0;
            any = true;
        }
    }
    if (!any && count == 0) return 0;
    return detail::finish(detail::mixWord(h, word ^ (std::uint64_t(count) << 61)));
}

// The names of a field: the pick lists join names with two blanks, and the Soloists box takes a
// name a line, so a run of two or more blanks or a line break separates names; each comes without
// its blanks around it, and empty names are skipped.
template <class OnName>
void forEachName(QByteArrayView field, OnName&& onName) {
    const QByteArrayView names = store::trimBlankBytes(field);
    const char* p = names.data();
    const qsizetype end = names.size();
    const auto lineEnd = [p](qsizetype i) { return p[i] == '\r' || p[i] == '\n'; };
    qsizetype i = 0;
    while (i < end) {
        while (i < end && (p[i] == ' ' || lineEnd(i))) ++i;
        const qsizetype start = i;
        while (i < end && !lineEnd(i) && !(p[i] == ' ' && i + 1 < end && p[i + 1] == ' ')) ++i;
        qsizetype last = i;
        while (last > start && p[last - 1] == ' ') --last;
        if (last > start) onName(QByteArrayView(p + start, last - start));
    }
}

}  // namespace collection_check
