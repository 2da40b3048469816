#include "collection_check/check_fold.h"

#include <QChar>
#include <array>

#include "store/codepage.h"
#include "store/collation.h"

namespace collection_check {

namespace {

// FNV-1a: byte by byte, good enough to tell a collection's names apart.
constexpr std::uint64_t kOffset = 14695981039346656037ull;
constexpr std::uint64_t kPrime = 1099511628211ull;

// For each byte of the code page its folded byte, or 0 when it is neither a letter nor a digit.
std::array<unsigned char, 256> makeTable() {
    std::array<unsigned char, 256> table{};
    const std::array<unsigned char, 256>& fold = store::foldTable();
    for (int b = 1; b < 256; ++b) {
        const auto byte = static_cast<char>(fold[b]);
        const QChar c = store::fromDisk(QByteArrayView(&byte, 1)).front();
        const bool kept = c.isLetter() || (c >= u'0' && c <= u'9');
        table[b] = kept ? fold[b] : 0;
    }
    return table;
}

const std::array<unsigned char, 256>& table() {
    static const std::array<unsigned char, 256> t = makeTable();
    return t;
}

}  // namespace

NameHashes hashName(QByteArrayView text) {
    const std::array<unsigned char, 256>& fold = table();
    std::uint64_t exact = kOffset, folded = kOffset;
    bool any = false;
    for (const char ch : text) {
        const auto byte = static_cast<unsigned char>(ch);
        exact = (exact ^ byte) * kPrime;
        if (const unsigned char kept = fold[byte]) {
            folded = (folded ^ kept) * kPrime;
            any = true;
        }
    }
    // 0 stands for "names nothing"; a real name that hashes to 0 moves aside.
    return {exact, any ? (folded ? folded : 1) : 0};
}

std::uint64_t foldedHash(QByteArrayView text) {
    const std::array<unsigned char, 256>& fold = table();
    std::uint64_t folded = kOffset;
    bool any = false;
    for (const char ch : text) {
        if (const unsigned char kept = fold[static_cast<unsigned char>(ch)]) {
            folded = (folded ^ kept) * kPrime;
            any = true;
        }
    }
    return any ? (folded ? folded : 1) : 0;
}

}  // namespace collection_check
