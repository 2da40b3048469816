#include "csv/text_encoding.h"

#include <array>

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

}  // namespace

DetectedEncoding detectEncoding(QByteArrayView start, bool whole) {
    if (start.startsWith(QByteArrayView(kUtf8Mark))) return {Encoding::Utf8, true};
    return {isUtf8(start, whole) ? Encoding::Utf8 : Encoding::Windows1253, false};
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
