#include "store/opus_record.h"

#include <algorithm>
#include <bit>
#include <cstdint>
#include <cstring>

#include "store/codepage.h"

#ifdef __SSE2__
#include <emmintrin.h>
#endif

namespace store {

QString trimBlanks(const QString& text) {
    qsizetype first = 0, last = text.size();
    while (first < last && text[first] == u' ') ++first;
    while (last > first && text[last - 1] == u' ') --last;
    return text.mid(first, last - first);
}

bool isDeletedRecord(const char* record) {
    const QByteArrayView identity(record + fieldOffset(Field::Identity),
                                  fieldWidth(Field::Identity));
    return trimBlankBytes(identity) == QByteArrayView(kDeletedIdentity);
}

QByteArrayView trimBlankBytes(QByteArrayView bytes) {
    const char* data = bytes.data();
    const qsizetype size = bytes.size();
#ifdef __SSE2__
    // Fields are mostly padding, so their blanks are looked at sixteen at a time; the last look
    // each way is sixteen bytes from the end, over bytes already seen to be blanks.
    if (size >= 16) {
        const auto notBlanks = [data](qsizetype at) {
            const __m128i sixteen = _mm_loadu_si128(reinterpret_cast<const __m128i*>(data + at));
            const int blanks = _mm_movemask_epi8(_mm_cmpeq_epi8(sixteen, _mm_set1_epi8(' ')));
            return ~static_cast<unsigned>(blanks) & 0xFFFFu;
        };
        qsizetype first = 0;
        for (;;) {
            const qsizetype at = std::min(first, size - 16);
            if (const unsigned found = notBlanks(at)) {
                first = at + std::countr_zero(found);
                break;
            }
            if (at == size - 16) return bytes.sliced(size, 0);  // blanks alone
            first = at + 16;
        }
        qsizetype last = size;
        for (;;) {  // ends at the latest at the byte `first`
            const qsizetype at = std::max<qsizetype>(last - 16, 0);
            if (const unsigned found = notBlanks(at)) {
                last = at + std::bit_width(found);
                break;
            }
            last = at;
        }
        return bytes.sliced(first, last - first);
    }
#endif
    qsizetype first = 0, last = size;
    while (first < last && data[first] == ' ') ++first;
    while (last > first && data[last - 1] == ' ') --last;
    return bytes.sliced(first, last - first);
}

MediumKey mediumKey(QByteArrayView identity) {
    qsizetype first = 0;
    while (first < identity.size() && identity[first] == ' ') ++first;
    MediumKey key;
    key.fill(' ');
    const qsizetype length = std::min<qsizetype>(identity.size() - first, kMediumKeyLength);
    std::memcpy(key.data(), identity.data() + first, length);
    return key;
}

std::uint64_t packedMediumKey(QByteArrayView identity) {
    // The usual Identity starts without a blank and runs past eight bytes: its key is then its
    // first eight bytes in one word, less the eighth.
    if constexpr (std::endian::native == std::endian::little) {
        if (identity.size() >= 8 && identity[0] != ' ') {
            std::uint64_t eight;
            std::memcpy(&eight, identity.data(), sizeof eight);
            return eight & 0x00FFFFFFFFFFFFFFu;
        }
    }
    return packedMediumKey(mediumKey(identity));
}

OpusRecord::OpusRecord() {
    bytes_.fill(' ');
}

OpusRecord OpusRecord::fromBytes(QByteArrayView bytes) {
    OpusRecord r;
    std::memcpy(r.bytes_.data(), bytes.data(), std::min<qsizetype>(bytes.size(), kRecordLength));
    return r;
}

OpusRecord OpusRecord::withIdentity(const char* identity) {
    OpusRecord r;
    r.setText(Field::Identity, QString::fromLatin1(identity));
    return r;
}

QString OpusRecord::text(Field f) const {
    return fromDisk(field(f));
}

QString OpusRecord::trimmed(Field f) const {
    return trimBlanks(text(f));
}

void OpusRecord::setText(Field f, const QString& text) {
    const QByteArray encoded = toDisk(QStringView(text).left(fieldWidth(f)));
    char* start = bytes_.data() + fieldOffset(f);
    std::memset(start, ' ', fieldWidth(f));
    std::memcpy(start, encoded.constData(), encoded.size());
}

void OpusRecord::trimAll() {
    // Padding the trimmed text with blanks again gives back the trailing blanks: only leading
    // blanks move anything, and a field of blanks alone stays as it is. Done on the bytes, as a
    // pass over the collection does it for every record.
    for (Field f : kAllFields) {
        char* start = bytes_.data() + fieldOffset(f);
        if (*start != ' ') continue;
        const int width = fieldWidth(f);
        const QByteArrayView text = trimBlankBytes(QByteArrayView(start, width));
        if (text.isEmpty()) continue;
        const auto first = static_cast<int>(text.data() - start);
        std::memmove(start, start + first, width - first);
        std::memset(start + width - first, ' ', first);
    }
}

unsigned OpusRecord::assign(const char* bytes) {
    // Compared sixteen bytes at a time, then copied whole: a pass does it for every record.
    unsigned same = 0;
    for (Field f : kAllFields) {
        const int offset = fieldOffset(f), width = fieldWidth(f);
        const char* next = bytes + offset;
        const char* held = bytes_.data() + offset;
        bool equal = true;
#ifdef __SSE2__
        // The last sixteen bytes of the field are compared last, over what went before if need
        // be: every field is wider than sixteen bytes.
        for (int at = 0; equal; at += 16) {
            if (at > width - 16) at = width - 16;
            const __m128i a = _mm_loadu_si128(reinterpret_cast<const __m128i*>(next + at));
            const __m128i b = _mm_loadu_si128(reinterpret_cast<const __m128i*>(held + at));
            equal = _mm_movemask_epi8(_mm_cmpeq_epi8(a, b)) == 0xFFFF;
            if (at == width - 16) break;
        }
#else
        equal = std::memcmp(next, held, width) == 0;
#endif
        if (equal) same |= 1u << static_cast<int>(f);
    }
    std::memcpy(bytes_.data(), bytes, kRecordLength);
    return same;
}

}  // namespace store
