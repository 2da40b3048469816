#include "catalogue/catalogue_number.h"

#include <algorithm>
#include <array>
#include <vector>

#include "store/codepage.h"
#include "store/collation.h"
#include "store/latin_reading.h"

namespace catalogue {

namespace {

// --- The key --------------------------------------------------------------------------------
// From the top: catalogue 6 bits, group 6, group letter 5, key or series letters 3 x 6, number
// 14, letter after the number 5, sub-number 10.
struct Field {
    int shift;
    int bits;
    constexpr std::uint64_t mask() const { return ((std::uint64_t(1) << bits) - 1) << shift; }
    constexpr std::uint64_t put(int value) const { return std::uint64_t(value) << shift; }
    constexpr int get(std::uint64_t key) const { return int((key & mask()) >> shift); }
    constexpr int most() const { return (1 << bits) - 1; }
};
constexpr Field kSub{0, 10};
constexpr Field kSuffix{10, 5};
constexpr Field kNumber{15, 14};
constexpr Field kSeries{29, 18};
constexpr Field kGroupLetter{47, 5};
constexpr Field kGroup{52, 6};
constexpr Field kCatalogue{58, 6};
constexpr int kSeriesLetters = 3;
static_assert(int(Catalogue::Count) <= 64, "a bit of CatalogueQuery::catalogues for each");

// A key's letter (A a B b ... Z z, each capital just before its small one): the case of a
// Telemann key tells major from minor. Bit 0 is the case.
int seriesCode(unsigned char raw, unsigned char small) {
    return 2 * (small - 'a' + 1) + (raw == small ? 1 : 0);
}
char seriesLetter(int code) {
    const char small = char('a' + code / 2 - 1);
    return code % 2 == 1 ? small : char(small - 'a' + 'A');
}
// The bits of the series that say a letter's case.
constexpr std::uint64_t kSeriesCase = kSeries.put(0b000001'000001'000001);

// --- Reading bytes --------------------------------------------------------------------------

enum Kind : unsigned char { Other, Latin, Greek, Digit, Blank };

// The catalogues' spellings, and each byte folded with its kind, prepared once.
struct Spelling {
    std::array<unsigned char, 8> letters{};  // the longest spelling has 5
    int length = 0;
    const CatalogueRow* row = nullptr;
};
struct Prepared {
    std::array<unsigned char, 256> folded{};
    std::array<Kind, 256> kind{};                         // of the folded byte
    std::vector<Spelling> spellings;                      // by first letter
    std::array<std::pair<int, int>, 256> startingWith{};  // first letter: range of spellings
    std::vector<QByteArray> subMarkers;                   // "no", "nr", "νο", "αρ"
};

Kind kindOf(unsigned char folded) {
    if (folded >= 'a' && folded <= 'z') return Latin;
    if (store::isGreekLetter(folded)) return Greek;
    if (folded >= '0' && folded <= '9') return Digit;
    if (folded == ' ' || folded == 0xA0) return Blank;
    return Other;
}

const Prepared& prepared() {
    static const Prepared p = [] {
        Prepared made;
        for (int b = 0; b < 256; ++b) {
            made.folded[b] = store::foldByte(static_cast<unsigned char>(b));
            made.kind[b] = kindOf(made.folded[b]);
        }
        for (const CatalogueRow& row : catalogueTable()) {
            const QByteArray all = store::toDisk(QStringView(row.spellings));
            for (const QByteArray& word : all.split(' ')) {
                Spelling s;
                s.length = int(std::min<qsizetype>(word.size(), s.letters.size()));
                for (int k = 0; k < s.length; ++k)
                    s.letters[k] = made.folded[static_cast<unsigned char>(word[k])];
                s.row = &row;
                made.spellings.push_back(s);
            }
        }
        std::stable_sort(
            made.spellings.begin(), made.spellings.end(),
            [](const Spelling& a, const Spelling& b) { return a.letters[0] < b.letters[0]; });
        for (int i = 0; i < int(made.spellings.size()); ++i) {
            auto& range = made.startingWith[made.spellings[i].letters[0]];
            if (range.second == 0) range.first = i;
            range.second = i + 1;
        }
        for (const char16_t* marker : {u"no", u"nr", u"νο", u"αρ"})
            made.subMarkers.push_back(store::toDisk(QStringView(marker)));
        return made;
    }();
    return p;
}

// The bytes read, folded as they are read.
struct Bytes {
    const Prepared& p;
    const unsigned char* data;
    qsizetype size;
    bool typed;  // a typed word: no blanks, a group need not be followed by its separator

    Bytes(QByteArrayView bytes, bool isTyped)
        : p(prepared()),
          data(reinterpret_cast<const unsigned char*>(bytes.data())),
          size(bytes.size()),
          typed(isTyped) {}
    unsigned char at(qsizetype i) const { return i < size ? p.folded[data[i]] : 0; }
    unsigned char raw(qsizetype i) const { return i < size ? data[i] : 0; }
    Kind kind(qsizetype i) const { return i < size ? p.kind[data[i]] : Other; }
};

bool isWordByte(const Bytes& t, qsizetype i) {
    const Kind k = t.kind(i);
    return k == Latin || k == Greek || k == Digit;
}
bool isLetter(const Bytes& t, qsizetype i) {
    const Kind k = t.kind(i);
    return k == Latin || k == Greek;
}

void skipBlanks(const Bytes& t, qsizetype& i) {
    while (t.kind(i) == Blank) ++i;
}

// Matches folded letters at i, each perhaps followed by a dot.
bool readLetters(const Bytes& t, qsizetype& i, const unsigned char* letters, int length) {
    qsizetype j = i;
    for (int k = 0; k < length; ++k) {
        if (t.at(j) != letters[k]) return false;
        ++j;
        if (t.at(j) == '.') ++j;
    }
    i = j;
    return true;
}

// A number of 1 to `most`, or -1.
int readNumber(const Bytes& t, qsizetype& i, int most) {
    qsizetype j = i;
    int value = 0;
    for (; t.kind(j) == Digit; ++j) {
        value = 10 * value + (t.at(j) - '0');
        if (value > most) return -1;
    }
    if (value == 0) return -1;
    i = j;
    return value;
}

int romanDigit(unsigned char folded) {
    switch (folded) {
        case 'i':
            return 1;
        case 'v':
            return 5;
        case 'x':
            return 10;
        default:
            return 0;
    }
}

// A roman group of 1 to 63 (I V X only: no catalogue has more groups), or -1.
int readRoman(const Bytes& t, qsizetype& i) {
    qsizetype j = i;
    int value = 0;
    while (romanDigit(t.at(j)) != 0) {
        const int digit = romanDigit(t.at(j));
        value += romanDigit(t.at(j + 1)) > digit ? -digit : digit;
        ++j;
    }
    if (value <= 0 || value > kGroup.most()) return -1;
    i = j;
    return value;
}

// One small Latin letter that ends a word, or before a digit: "VIIb:", "1041a", "viib1".
int readLetter(const Bytes& t, qsizetype& i) {
    if (t.kind(i) != Latin || isLetter(t, i + 1)) return 0;
    return t.at(i++) - 'a' + 1;
}

bool readGroupSeparator(const Bytes& t, qsizetype& i) {
    if (t.at(i) == ':' || t.at(i) == '/') {
        ++i;
        skipBlanks(t, i);
        return true;
    }
    return t.typed;
}

// Up to three Latin letters right before a digit, in their case.
bool readSeries(const Bytes& t, qsizetype& i, std::uint64_t& key, int least) {
    qsizetype j = i;
    int code = 0;
    for (; t.kind(j) == Latin && j - i < kSeriesLetters; ++j)
        code = 64 * code + seriesCode(t.raw(j), t.at(j));
    if (j - i < least || t.kind(j) != Digit) return false;
    for (qsizetype k = j - i; k < kSeriesLetters; ++k) code *= 64;
    key |= kSeries.put(code);
    i = j;
    return true;
}

// The word before a sub-number, perhaps with a dot.
bool readSubMarker(const Bytes& t, qsizetype& i) {
    for (const QByteArray& m : t.p.subMarkers) {
        qsizetype j = i;
        if (readLetters(t, j, reinterpret_cast<const unsigned char*>(m.constData()),
                        int(m.size())) &&
            !isLetter(t, j)) {
            i = j;
            return true;
        }
    }
    return false;
}

// A sub-number right after a number: "/2" stuck to it, or "No. 2", "Nr 2", ", No. 2".
int readSubNumber(const Bytes& t, qsizetype& i) {
    qsizetype j = i;
    if (t.at(j) == '/') {
        ++j;
    } else {
        if (t.at(j) == ',') ++j;
        skipBlanks(t, j);
        if (!readSubMarker(t, j)) return 0;
        skipBlanks(t, j);
    }
    const int sub = readNumber(t, j, kSub.most());
    if (sub < 0 || isWordByte(t, j)) return 0;
    i = j;
    return sub;
}

// The key of a number of `row` at i, just after its letters; 0 when none is there.
std::uint64_t readNumberOf(const Bytes& t, qsizetype i, const CatalogueRow& row) {
    skipBlanks(t, i);
    std::uint64_t key = kCatalogue.put(int(row.catalogue));
    switch (row.shape) {
        case Shape::Plain:
            break;
        case Shape::RomanGroup: {
            const int group = readRoman(t, i);
            if (group < 0) return 0;
            key |= kGroup.put(group) | kGroupLetter.put(readLetter(t, i));
            if (!readGroupSeparator(t, i)) return 0;
            break;
        }
        case Shape::NumberGroup: {
            const int group = readNumber(t, i, kGroup.most());
            if (group < 0 || !readGroupSeparator(t, i)) return 0;
            key |= kGroup.put(group);
            if (!readSeries(t, i, key, 0)) return 0;
            break;
        }
        case Shape::Series:
            if (!readSeries(t, i, key, 1)) return 0;
            break;
    }
    const int number = readNumber(t, i, kNumber.most());
    if (number < 0) return 0;
    key |= kNumber.put(number) | kSuffix.put(readLetter(t, i));
    const int sub = row.subNumbers ? readSubNumber(t, i) : 0;
    key |= kSub.put(sub);
    const bool ends = t.typed ? i == t.size : !isWordByte(t, i);
    return ends ? key : 0;
}

// Calls `found(row, key)` for each catalogue whose spelling starts at i and that counts for
// `composer` (any, for a typed word), with the key of the number after it (0 when there is none),
// until it returns true.
template <typename Found>
bool readAt(const Bytes& t, qsizetype i, const Composer* composer, Found found) {
    const auto [first, last] = t.p.startingWith[t.at(i)];
    for (int s = first; s < last; ++s) {
        const Spelling& spelling = t.p.spellings[s];
        const CatalogueRow& row = *spelling.row;
        if (composer && row.composer != Composer::Unknown && row.composer != *composer) continue;
        qsizetype j = i;
        if (!readLetters(t, j, spelling.letters.data(), spelling.length)) continue;
        if (found(row, readNumberOf(t, j, row))) return true;
    }
    return false;
}

}  // namespace

Catalogue CatalogueNumber::catalogue() const {
    return Catalogue(kCatalogue.get(key_));
}

int CatalogueNumber::number() const {
    return kNumber.get(key_);
}

int CatalogueNumber::subNumber() const {
    return kSub.get(key_);
}

QString CatalogueNumber::text() const {
    if (!isValid()) return {};
    const CatalogueRow& row = catalogueRow(catalogue());
    QString text = QLatin1String(row.shown);
    text += QLatin1Char(' ');
    if (const int group = kGroup.get(key_); group != 0) {
        if (row.shape == Shape::RomanGroup) {
            static constexpr const char* kTens[] = {"", "X", "XX", "XXX", "XL", "L", "LX"};
            static constexpr const char* kOnes[] = {"",  "I",  "II",  "III",  "IV",
                                                    "V", "VI", "VII", "VIII", "IX"};
            text += QLatin1String(kTens[group / 10]);
            text += QLatin1String(kOnes[group % 10]);
        } else {
            text += QString::number(group);
        }
        if (const int letter = kGroupLetter.get(key_); letter != 0)
            text += QLatin1Char(char('a' + letter - 1));
        text += QLatin1Char(row.groupSeparator);
    }
    const int series = kSeries.get(key_);
    for (int k = kSeriesLetters - 1; k >= 0; --k) {
        if (const int code = (series >> (6 * k)) & 63; code != 0)
            text += QLatin1Char(seriesLetter(code));
    }
    text += QString::number(number());
    if (const int letter = kSuffix.get(key_); letter != 0)
        text += QLatin1Char(char('a' + letter - 1));
    if (subNumber() != 0) {
        text += QLatin1String(" No. ");
        text += QString::number(subNumber());
    }
    return text;
}

CatalogueNumber findCatalogueNumber(QByteArrayView text, Composer composer) {
    const Bytes t(text, false);
    std::uint64_t key = 0;
    const auto found = [&key](const CatalogueRow&, std::uint64_t k) { return (key = k) != 0; };
    bool inWord = false;
    for (qsizetype i = 0; i < t.size; ++i) {
        const Kind kind = t.kind(i);
        const bool startsWord = !inWord && (kind == Latin || kind == Greek);
        inWord = kind == Latin || kind == Greek || kind == Digit;
        if (startsWord && readAt(t, i, &composer, found)) return CatalogueNumber::fromKey(key);
    }
    return {};
}

CatalogueQuery parseCatalogueWord(QByteArrayView word) {
    const Bytes t(word, true);
    CatalogueQuery query;
    readAt(t, 0, nullptr, [&query](const CatalogueRow& row, std::uint64_t key) {
        if (key == 0) return false;
        query.catalogues |= std::uint64_t(1) << int(row.catalogue);
        query.key = key & ~kCatalogue.mask();
        return false;  // every catalogue the letters may stand for
    });
    if (!query.isValid()) return {};
    query.mask = ~kCatalogue.mask() & ~kSeriesCase;
    if (kSuffix.get(query.key) == 0) query.mask &= ~kSuffix.mask();
    if (kSub.get(query.key) == 0) query.mask &= ~kSub.mask();
    query.key &= query.mask;
    return query;
}

bool matches(const CatalogueQuery& query, CatalogueNumber number) {
    return number.isValid() && (query.catalogues >> int(number.catalogue()) & 1) != 0 &&
           (number.key() & query.mask) == query.key;
}

}  // namespace catalogue
