#include "store/latin_reading.h"

#include <QString>

#include "store/codepage.h"
#include "store/collation.h"

namespace store {

namespace {

// The Latin letters of each small Greek letter, α to ω (ς is folded to σ before it gets here).
constexpr const char* kTransliteration[] = {
    "a",   // α
    "v",   // β
    "g",   // γ
    "d",   // δ
    "e",   // ε
    "z",   // ζ
    "i",   // η
    "th",  // θ
    "i",   // ι
    "k",   // κ
    "l",   // λ
    "m",   // μ
    "n",   // ν
    "x",   // ξ
    "o",   // ο
    "p",   // π
    "r",   // ρ
    "s",   // ς
    "s",   // σ
    "t",   // τ
    "y",   // υ
    "f",   // φ
    "ch",  // χ
    "ps",  // ψ
    "o",   // ω
};
constexpr char16_t kAlpha = 0x03B1;
constexpr char16_t kOmega = 0x03C9;

unsigned char byteOf(char16_t c) {
    return static_cast<unsigned char>(toDisk(QStringView(&c, 1)).front());
}

const unsigned char kOmicron = byteOf(0x03BF);
const unsigned char kUpsilon = byteOf(0x03C5);

std::array<Letters, 256> makeLatinLetters() {
    std::array<Letters, 256> table{};
    for (int b = 0; b < 256; ++b) {
        const unsigned char folded = foldByte(static_cast<unsigned char>(b));
        table[b].first = folded;
        if (!isGreekLetter(folded)) continue;
        const char* latin = kTransliteration[characterOf(folded) - kAlpha];
        table[b].first = static_cast<unsigned char>(latin[0]);
        table[b].second = static_cast<unsigned char>(latin[1]);
    }
    return table;
}

}  // namespace

const std::array<Letters, 256>& latinLetters() {
    static const std::array<Letters, 256> table = makeLatinLetters();
    return table;
}

bool isGreekLetter(unsigned char folded) {
    const char16_t c = characterOf(folded);
    return c >= kAlpha && c <= kOmega;
}

bool isOmicron(unsigned char byte) {
    return foldByte(byte) == kOmicron;
}

bool isUpsilon(unsigned char byte) {
    return foldByte(byte) == kUpsilon;
}

Letters lettersOf(Script script, unsigned char byte, bool afterOmicron) {
    if (script == Script::Greek) return {foldByte(byte), 0};
    if (afterOmicron && isUpsilon(byte)) return {'u', 0};
    return latinLetters()[byte];
}

QByteArray latinReading(QByteArrayView field) {
    QByteArray letters;
    bool afterOmicron = false;
    for (const char c : field) {
        const auto byte = static_cast<unsigned char>(c);
        const Letters l = lettersOf(Script::Latin, byte, afterOmicron);
        letters += char(l.first);
        if (l.second != 0) letters += char(l.second);
        afterOmicron = isOmicron(byte);
    }
    return letters;
}

}  // namespace store
