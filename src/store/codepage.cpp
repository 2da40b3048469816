#include "store/codepage.h"

#include <array>
#include <cstdint>
#include <cstring>

#ifdef __SSE2__
#include <emmintrin.h>
#endif

namespace store {

namespace {

// Characters of the bytes 0x80 to 0xFF. 0xF0xx marks a byte the code page leaves undefined.
constexpr std::array<char16_t, 128> kHighHalf = {
    0x20AC, 0xF081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0xF088, 0x2030, 0xF08A, 0x2039,
    0xF08C, 0xF08D, 0xF08E, 0xF08F, 0xF090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0xF098, 0x2122, 0xF09A, 0x203A, 0xF09C, 0xF09D, 0xF09E, 0xF09F, 0x00A0, 0x0385, 0x0386, 0x00A3,
    0x00A4, 0x00A5, 0x00A6, 0x00A7, 0x00A8, 0x00A9, 0xF0AA, 0x00AB, 0x00AC, 0x00AD, 0x00AE, 0x2015,
    0x00B0, 0x00B1, 0x00B2, 0x00B3, 0x0384, 0x00B5, 0x00B6, 0x00B7, 0x0388, 0x0389, 0x038A, 0x00BB,
    0x038C, 0x00BD, 0x038E, 0x038F, 0x0390, 0x0391, 0x0392, 0x0393, 0x0394, 0x0395, 0x0396, 0x0397,
    0x0398, 0x0399, 0x039A, 0x039B, 0x039C, 0x039D, 0x039E, 0x039F, 0x03A0, 0x03A1, 0xF0D2, 0x03A3,
    0x03A4, 0x03A5, 0x03A6, 0x03A7, 0x03A8, 0x03A9, 0x03AA, 0x03AB, 0x03AC, 0x03AD, 0x03AE, 0x03AF,
    0x03B0, 0x03B1, 0x03B2, 0x03B3, 0x03B4, 0x03B5, 0x03B6, 0x03B7, 0x03B8, 0x03B9, 0x03BA, 0x03BB,
    0x03BC, 0x03BD, 0x03BE, 0x03BF, 0x03C0, 0x03C1, 0x03C2, 0x03C3, 0x03C4, 0x03C5, 0x03C6, 0x03C7,
    0x03C8, 0x03C9, 0x03CA, 0x03CB, 0x03CC, 0x03CD, 0x03CE, 0xF0FF,
};

// Byte of a character, or -1. ASCII maps to itself; the rest is a search of the table above,
// which is fast enough for typed text and the occasional file.
int byteOf(char16_t c) {
    if (c < 0x80) return c;
    for (int i = 0; i < 128; ++i) {
        if (kHighHalf[i] == c) return 0x80 + i;
    }
    return -1;
}

// The code page agrees with Latin-1 below 0x80: the text is widened as Latin-1, which Qt does
// many bytes at a time, and the few bytes of the upper half are put right after.
void putHighHalf(QByteArrayView bytes, QChar* out) {
    const auto* in = reinterpret_cast<const unsigned char*>(bytes.data());
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        if (in[i] >= 0x80) out[i] = QChar(kHighHalf[in[i] - 0x80]);
    }
}

}  // namespace

bool isAscii(QByteArrayView bytes) {
    // Many bytes at a time: a whole record is looked at for every record a print goes through.
    const char* data = bytes.data();
    qsizetype at = 0;
#ifdef __SSE2__
    for (; at + 32 <= bytes.size(); at += 32) {
        const __m128i first = _mm_loadu_si128(reinterpret_cast<const __m128i*>(data + at));
        const __m128i second = _mm_loadu_si128(reinterpret_cast<const __m128i*>(data + at + 16));
        if (_mm_movemask_epi8(_mm_or_si128(first, second)) != 0) return false;
    }
#endif
    for (; at + 8 <= bytes.size(); at += 8) {
        std::uint64_t eight;
        std::memcpy(&eight, data + at, sizeof eight);
        if (eight & 0x8080808080808080u) return false;
    }
    for (; at < bytes.size(); ++at) {
        if (static_cast<unsigned char>(data[at]) >= 0x80) return false;
    }
    return true;
}

void fromDiskInto(QString& text, QByteArrayView bytes) {
    const qsizetype size = bytes.size();
    if (text.size() != size) text.resize(size);  // the storage stays when big enough, not shared
    if (size == 0) return;
    auto* out = reinterpret_cast<char16_t*>(text.data());
    const auto* in = reinterpret_cast<const unsigned char*>(bytes.data());
    // Widened as Latin-1 and looked at for the upper half in the same sweep, sixteen or eight
    // bytes at a time, the last step over bytes already done when it does not come out even.
    bool upperHalf = false;
#ifdef __SSE2__
    const __m128i zero = _mm_setzero_si128();
    const auto sixteen = [&](qsizetype at) {
        const __m128i b = _mm_loadu_si128(reinterpret_cast<const __m128i*>(in + at));
        upperHalf |= _mm_movemask_epi8(b) != 0;
        _mm_storeu_si128(reinterpret_cast<__m128i*>(out + at), _mm_unpacklo_epi8(b, zero));
        _mm_storeu_si128(reinterpret_cast<__m128i*>(out + at + 8), _mm_unpackhi_epi8(b, zero));
    };
    const auto eight = [&](qsizetype at) {
        const __m128i b = _mm_loadl_epi64(reinterpret_cast<const __m128i*>(in + at));
        upperHalf |= (_mm_movemask_epi8(b) & 0xFF) != 0;
        _mm_storeu_si128(reinterpret_cast<__m128i*>(out + at), _mm_unpacklo_epi8(b, zero));
    };
    if (size >= 16) {
        for (qsizetype at = 0; at < size - 16; at += 16) sixteen(at);
        sixteen(size - 16);
    } else if (size >= 8) {
        eight(0);
        eight(size - 8);
    } else {
        for (qsizetype i = 0; i < size; ++i) {
            out[i] = in[i];
            upperHalf |= in[i] >= 0x80;
        }
    }
#else
    for (qsizetype i = 0; i < size; ++i) {
        out[i] = in[i];
        upperHalf |= in[i] >= 0x80;
    }
#endif
    if (upperHalf) putHighHalf(bytes, text.data());
}

char16_t characterOf(unsigned char byte) {
    return byte < 0x80 ? char16_t(byte) : kHighHalf[byte - 0x80];
}

QString fromDisk(QByteArrayView bytes) {
    QString text(bytes.size(), Qt::Uninitialized);  // not null when empty
    fromDiskInto(text, bytes);
    return text;
}

QByteArray toDisk(QStringView text) {
    QByteArray bytes(text.size(), Qt::Uninitialized);
    for (qsizetype i = 0; i < text.size(); ++i) {
        const int b = byteOf(text[i].unicode());
        bytes[i] = static_cast<char>(b < 0 ? '?' : b);
    }
    return bytes;
}

bool canStore(char16_t c) {
    return byteOf(c) >= 0;
}

bool canStore(QStringView text) {
    for (QChar c : text) {
        if (!canStore(c.unicode())) return false;
    }
    return true;
}

}  // namespace store
