#include "store/collation.h"

#include <QChar>
#include <QCollator>
#include <algorithm>
#include <cstring>

#include "store/codepage.h"

namespace store {

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

// The small Greek letter without marks that a byte holds, or 0 when it holds none.
char16_t plainGreekLetter(unsigned char byte) {
    const char16_t c = characterOf(byte);
    if (c < 0x0370 || c > 0x03FF || !QChar::isLetter(c)) return 0;
    const char16_t plain = QChar::toCaseFolded(withoutMarks(c));  // also ς -> σ
    return plain >= kGreekAlpha && plain <= kGreekOmega ? plain : 0;
}

std::array<unsigned char, 256> makeFoldTable() {
    std::array<unsigned char, 256> table{};
    for (int b = 0; b < 256; ++b) {
        const auto byte = static_cast<unsigned char>(b);
        table[b] = byte;
        if (byte >= 'A' && byte <= 'Z') table[b] = byte + ('a' - 'A');
        if (const char16_t plain = plainGreekLetter(byte)) {
            table[b] = static_cast<unsigned char>(toDisk(QStringView(&plain, 1)).front());
        }
    }
    return table;
}

// The weight of one byte at the first comparison. ASCII keeps its own order with capitals
// folded onto small letters (so punctuation and digits stay before the letters, as in a plain
// case-blind comparison); the code page's other symbols follow at their byte values; Greek letters
// come last, in alphabetical order, without case or accents.
int weight(unsigned char byte) {
    if (byte < 0x80) return foldByte(byte);
    const char16_t plain = plainGreekLetter(byte);
    return plain ? 0x100 + (plain - kGreekAlpha) : byte;
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

// Each byte of `bytes` through `table`.
QByteArray mapped(QByteArrayView bytes, const std::array<unsigned char, 256>& table) {
    QByteArray out(bytes.size(), Qt::Uninitialized);
    const auto* in = reinterpret_cast<const unsigned char*>(bytes.data());
    char* to = out.data();
    for (qsizetype i = 0; i < bytes.size(); ++i) to[i] = static_cast<char>(table[in[i]]);
    return out;
}

int compareBytes(QByteArrayView a, QByteArrayView b) {
    const qsizetype common = std::min(a.size(), b.size());
    const int c = common == 0 ? 0 : std::memcmp(a.data(), b.data(), common);
    if (c != 0) return c;
    return a.size() < b.size() ? -1 : (a.size() > b.size() ? 1 : 0);
}

QCollator nameCollator() {
    QCollator c;
    c.setCaseSensitivity(Qt::CaseInsensitive);
    c.setIgnorePunctuation(false);
    return c;
}

}  // namespace

const std::array<unsigned char, 256>& foldTable() {
    static const std::array<unsigned char, 256> table = makeFoldTable();
    return table;
}

QByteArray folded(QByteArrayView bytes) {
    return mapped(bytes, foldTable());
}

QByteArray primaryKey(QByteArrayView field) {
    return mapped(field, ranks());
}

int compareFields(QByteArrayView a, QByteArrayView b) {
    const int first = compareBytes(primaryKey(a), primaryKey(b));
    return first != 0 ? first : compareBytes(a, b);
}

void sortNames(QStringList& names) {
    const QCollator c = nameCollator();
    std::stable_sort(names.begin(), names.end(),
                     [&c](const QString& a, const QString& b) { return c.compare(a, b) < 0; });
}

qsizetype insertName(QStringList& names, const QString& name) {
    const QCollator c = nameCollator();
    const auto at =
        std::upper_bound(names.begin(), names.end(), name,
                         [&c](const QString& a, const QString& b) { return c.compare(a, b) < 0; });
    const qsizetype index = at - names.begin();
    names.insert(index, name);
    return index;
}

}  // namespace store
