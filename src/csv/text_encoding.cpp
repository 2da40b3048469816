#include "csv/text_encoding.h"

#include <array>
#include <vector>

#include "store/codepage.h"

namespace csv {

namespace {

// How many bytes a UTF-8 sequence that starts with `lead` has, or 0 when no sequence starts so.
int sequenceLength(unsigned char lead) {
    if (lead < 0x80) return 1;
    if (lead >= 0xC2 && lead <= 0xDF) return 2;
    if (lead >= 0xE0 && lead <= 0xEF) return 3;
    if (lead >= 0xF0 && lead <= 0xF4) return 4;
    return 0;
}

bool isUtf8(QByteArrayView bytes, bool whole) {
    const auto* p = reinterpret_cast<const unsigned char*>(bytes.data());
    const qsizetype size = bytes.size();
    for (qsizetype i = 0; i < size;) {
        const int length = sequenceLength(p[i]);
        if (length == 0) return false;
        if (i + length > size) return !whole;  // a character cut at the end of the piece read
        for (int k = 1; k < length; ++k) {
            if ((p[i + k] & 0xC0) != 0x80) return false;
        }
        // Overlong forms, surrogates and numbers beyond U+10FFFF are not UTF-8.
        if (length == 3 &&
            ((p[i] == 0xE0 && p[i + 1] < 0xA0) || (p[i] == 0xED && p[i + 1] >= 0xA0)))
            return false;
        if (length == 4 &&
            ((p[i] == 0xF0 && p[i + 1] < 0x90) || (p[i] == 0xF4 && p[i + 1] >= 0x90)))
            return false;
        i += length;
    }
    return true;
}

// Windows-1252 from 0x80 to 0x9F; the rest of its upper half is Latin-1.
constexpr std::array<char16_t, 32> k1252Controls = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

bool isAsciiLetter(unsigned char b) {
    return (b >= 'a' && b <= 'z') || (b >= 'A' && b <= 'Z');
}

// The Greek letters of Windows-1253: Ά, and Έ to ώ (the few bytes between them that are no
// letters do not stand in words).
bool isGreekByte(unsigned char b) {
    return b == 0xA2 || b >= 0xB8;
}

bool endsWord(unsigned char b) {
    return b <= ' ' || b == ',' || b == ';' || b == '"' || b == '(' || b == ')' || b == '/';
}

// How many words speak for each code page, and the first few of them.
struct CodePageVotes {
    static constexpr qsizetype kShown = 3;
    int western = 0;
    int greek = 0;
    std::vector<QByteArrayView> westernWords, greekWords;
};

CodePageVotes voteOnCodePage(QByteArrayView text) {
    CodePageVotes votes;
    const auto* p = reinterpret_cast<const unsigned char*>(text.data());
    const qsizetype size = text.size();
    for (qsizetype i = 0; i < size;) {
        if (endsWord(p[i])) {
            ++i;
            continue;
        }
        const qsizetype start = i;
        bool accentInside = false, allGreek = true;
        for (; i < size && !endsWord(p[i]); ++i) {
            allGreek = allGreek && isGreekByte(p[i]);
            if (p[i] >= 0xC0 && i > start && i + 1 < size && isAsciiLetter(p[i - 1]) &&
                isAsciiLetter(p[i + 1]))
                accentInside = true;
        }
        const QByteArrayView word = text.sliced(start, i - start);
        if (accentInside) {
            ++votes.western;
            if (qsizetype(votes.westernWords.size()) < CodePageVotes::kShown)
                votes.westernWords.push_back(word);
        } else if (allGreek && word.size() > 1) {  // a lone "à" says little
            ++votes.greek;
            if (qsizetype(votes.greekWords.size()) < CodePageVotes::kShown)
                votes.greekWords.push_back(word);
        }
    }
    return votes;
}

}  // namespace

DetectedEncoding detectEncoding(QByteArrayView start, bool whole) {
    if (start.startsWith(QByteArrayView(kUtf8Mark))) return {Encoding::Utf8, true, {}};
    if (isUtf8(start, whole)) return {Encoding::Utf8, false, {}};
    const CodePageVotes votes = voteOnCodePage(start);
    const bool western = votes.western > votes.greek;
    const Encoding encoding = western ? Encoding::Windows1252 : Encoding::Windows1253;
    QStringList evidence;
    for (QByteArrayView word : western ? votes.westernWords : votes.greekWords)
        evidence << decode(word, encoding);
    return {encoding, false, evidence};
}

bool mixesAlphabets(const QString& text) {
    bool latin = false, greek = false;
    for (const QChar c : text) {
        if (!c.isLetter()) {
            latin = greek = false;
            continue;
        }
        const char16_t u = c.unicode();
        latin = latin || (u < 0x80);
        greek = greek || (u >= 0x0370 && u <= 0x03FF);
        if (latin && greek) return true;
    }
    return false;
}

char detectSeparator(QByteArrayView start) {
    int commas = 0, semicolons = 0, tabs = 0;
    bool quoted = false;
    for (const char c : start) {
        if (c == '"') quoted = !quoted;
        if (quoted) continue;
        if (c == '\r' || c == '\n') break;
        commas += c == ',';
        semicolons += c == ';';
        tabs += c == '\t';
    }
    if (tabs > commas && tabs >= semicolons) return '\t';
    if (semicolons > commas) return ';';
    return ',';
}

QString decode(QByteArrayView bytes, Encoding encoding) {
    switch (encoding) {
        case Encoding::Utf8:
            return QString::fromUtf8(bytes);
        case Encoding::Windows1253:
            return store::fromDisk(bytes);
        case Encoding::Windows1252: {
            QString text(bytes.size(), Qt::Uninitialized);
            char16_t* out = reinterpret_cast<char16_t*>(text.data());
            for (qsizetype i = 0; i < bytes.size(); ++i) {
                const auto b = static_cast<unsigned char>(bytes[i]);
                out[i] = b >= 0x80 && b < 0xA0 ? k1252Controls[b - 0x80] : char16_t(b);
            }
            return text;
        }
    }
    return {};
}

QString encodingName(Encoding encoding) {
    switch (encoding) {
        case Encoding::Utf8:
            return QStringLiteral("UTF-8");
        case Encoding::Windows1253:
            return QStringLiteral("Windows-1253 (Greek)");
        case Encoding::Windows1252:
            return QStringLiteral("Windows-1252 (Western)");
    }
    return {};
}

}  // namespace csv
