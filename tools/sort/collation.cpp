#include "sort/collation.h"

#include <QChar>
#include <QString>
#include <algorithm>
#include <array>
#include <cstring>

#include "store/codepage.h"

namespace sorting {

namespace {

constexpr char16_t kGreekAlpha = 0x03B1;
constexpr char16_t kGreekOmega = 0x03C9;

// A character with its accents and diaeresis taken off: ΐ -> ϊ -> ι, Ά -> Α.
char16_t withoutMarks(char16_t c) {
    for (;;) {
        const QString parts = QChar(c).decomposition();
        if (parts.isEmpty()) return c;
        c = parts.front().unicode();
    }
}

// The weight of one character at the first comparison. ASCII keeps its own order with capitals
// folded onto small letters (so punctuation and digits stay before the letters, as in a plain
// case-blind comparison); the code page's other symbols follow at their byte values; Greek letters
// come last, in alphabetical order, without case or accents.
int weight(unsigned char byte) {
    if (byte < 0x80) return byte >= 'A' && byte <= 'Z' ? byte + ('a' - 'A') : byte;
    const char16_t c =
        store::fromDisk(QByteArrayView(reinterpret_cast<const char*>(&byte), 1)).front().unicode();
    const bool greekLetter = c >= 0x0370 && c <= 0x03FF && QChar::isLetter(c);
    if (!greekLetter) return byte;
    const char16_t plain = QChar::toCaseFolded(withoutMarks(c));  // also ς -> σ
    if (plain < kGreekAlpha || plain > kGreekOmega) return byte;
    return 0x100 + (plain - kGreekAlpha);
}

// The weights of all 256 bytes, numbered densely so that each fits into one byte of a key.
std::array<unsigned char, 256> makeRanks() {
    std::array<int, 256> weights{};
    for (int b = 0; b < 256; ++b) weights[b] = weight(static_cast<unsigned char>(b));
    std::array<int, 256> sorted = weights;
    std::sort(sorted.begin(), sorted.end());
    const auto distinctEnd = std::unique(sorted.begin(), sorted.end());
    std::array<unsigned char, 256> ranks{};
    for (int b = 0; b < 256; ++b) {
        ranks[b] = static_cast<unsigned char>(
            std::lower_bound(sorted.begin(), distinctEnd, weights[b]) - sorted.begin());
    }
    return ranks;
}

const std::array<unsigned char, 256>& ranks() {
    static const std::array<unsigned char, 256> table = makeRanks();
    return table;
}

int compareBytes(QByteArrayView a, QByteArrayView b) {
    const qsizetype common = std::min(a.size(), b.size());
    const int c = common == 0 ? 0 : std::memcmp(a.data(), b.data(), common);
    if (c != 0) return c;
    return a.size() < b.size() ? -1 : (a.size() > b.size() ? 1 : 0);
}

}  // namespace

QByteArray primaryKey(QByteArrayView field) {
    const auto& table = ranks();
    QByteArray key(field.size(), Qt::Uninitialized);
    const auto* in = reinterpret_cast<const unsigned char*>(field.data());
    char* out = key.data();
    for (qsizetype i = 0; i < field.size(); ++i) out[i] = static_cast<char>(table[in[i]]);
    return key;
}

int compareFields(QByteArrayView a, QByteArrayView b) {
    const int first = compareBytes(primaryKey(a), primaryKey(b));
    return first != 0 ? first : compareBytes(a, b);
}

}  // namespace sorting
