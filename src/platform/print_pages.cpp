#include "platform/print_pages.h"

#include <algorithm>
#include <bit>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <stdexcept>
#include <type_traits>

#include "common/varint.h"

#ifdef Q_OS_LINUX
#include <sys/mman.h>
#endif

#ifdef __SSE2__
#include <emmintrin.h>
#endif

namespace platform {

namespace {

// A job's first chunk is small, as most jobs are (a sheet of the print selection); the chunks after
// it are large, and on Linux they are offered to the kernel for huge pages, so that a print of a
// hundred thousand records costs a dozen page faults rather than thousands.
constexpr std::size_t kFirstChunkBytes = 1 << 18;
constexpr std::size_t kChunkBytes = 1 << 21;
constexpr qsizetype kShortestRun = 4;  // a run is kept in three bytes at most below 16384

// An item is a byte of flags, then what they announce in this order: the four bytes of its line's
// topTwips, its column, its style, the repeated character and its count (each a varint), the
// length of its text and the text.
constexpr unsigned char kWide = 0x01;       // two bytes a character
constexpr unsigned char kColumn = 0x02;     // placed at a column
constexpr unsigned char kNewStyle = 0x04;   // in another style than the item before
constexpr unsigned char kRun = 0x08;        // ends in a run of one character
constexpr unsigned char kNewLine = 0x10;    // the first item of a line
constexpr unsigned char kMovedLine = 0x20;  // ... of a line moved down (topTwips follows)

// Where the run of `c` that ends text[length - 1] starts. Padding and rules are long runs: they
// are looked at sixteen bytes at a time, two such looks a step, and the last look is sixteen bytes
// from the start, over characters already seen to be `c`.
template <class Char>
qsizetype startOfRun(const Char* text, qsizetype length, Char c) {
#ifdef __SSE2__
    constexpr qsizetype kLook = 16 / sizeof(Char);
    if (length >= kLook) {
        const __m128i many = sizeof(Char) == 1 ? _mm_set1_epi8(static_cast<char>(c))
                                               : _mm_set1_epi16(static_cast<short>(c));
        // The characters from `at` on that are not `c`, two bits a character when they are wide.
        const auto others = [&](qsizetype at) {
            const __m128i chars = _mm_loadu_si128(reinterpret_cast<const __m128i*>(text + at));
            const __m128i equal =
                sizeof(Char) == 1 ? _mm_cmpeq_epi8(chars, many) : _mm_cmpeq_epi16(chars, many);
            return ~static_cast<unsigned>(_mm_movemask_epi8(equal)) & 0xFFFFu;
        };
        // The run starts after the last character that is not `c` in the look at `at`.
        const auto after = [](qsizetype at, unsigned found) {
            return at +
                   qsizetype(std::bit_width(found) + sizeof(Char) - 1) / qsizetype(sizeof(Char));
        };
        for (;;) {
            if (length >= 2 * kLook) {
                if (const unsigned found = others(length - kLook))
                    return after(length - kLook, found);
                if (const unsigned found = others(length - 2 * kLook))
                    return after(length - 2 * kLook, found);
                length -= 2 * kLook;
            } else {
                const qsizetype at = std::max<qsizetype>(length - kLook, 0);
                if (const unsigned found = others(at)) return after(at, found);
                if (at == 0) return 0;
                length = at;
            }
        }
    }
#endif
    while (length > 0 && text[length - 1] == c) --length;
    return length;
}

bool needsTwoBytes(const char* /*latin1*/, qsizetype /*length*/) {
    return false;
}

bool needsTwoBytes(const char16_t* text, qsizetype length) {
    char16_t high = 0;
    for (qsizetype i = 0; i < length; ++i) high |= text[i];
    return high > 0xFF;
}

// An item's text as it is kept: two bytes a character when it is wide, else one.
template <class Char>
void putText(char* at, const Char* chars, qsizetype length, bool wide) {
    if (length == 0) return;  // nothing to copy (and `chars` may be no pointer at all)
    if constexpr (sizeof(Char) == 1) {
        std::memcpy(at, chars, std::size_t(length));
    } else if (wide) {
        std::memcpy(at, chars, std::size_t(length) * 2);
    } else {
        for (qsizetype i = 0; i < length; ++i) at[i] = static_cast<char>(chars[i]);
    }
}

}  // namespace

char* PrintPages::newChunk(std::size_t size) {
    const bool large = !chunks_.empty() || size > kFirstChunkBytes;
    const std::size_t capacity =
        large ? (std::max(size, kChunkBytes) + kChunkBytes - 1) / kChunkBytes * kChunkBytes
              : kFirstChunkBytes;
#ifdef Q_OS_LINUX
    void* bytes = large ? std::aligned_alloc(kChunkBytes, capacity) : std::malloc(capacity);
    if (bytes && large) ::madvise(bytes, capacity, MADV_HUGEPAGE);
#else
    void* bytes = std::malloc(capacity);
#endif
    if (!bytes) throw std::bad_alloc();
    chunks_.push_back({ChunkBytes(static_cast<char*>(bytes)), size, capacity});
    return chunks_.back().bytes.get();
}

inline char* PrintPages::room(std::size_t size) {
    if (chunks_.empty()) return newChunk(size);
    Chunk& chunk = chunks_.back();
    if (chunk.capacity - chunk.used < size) return newChunk(size);
    char* at = chunk.bytes.get() + chunk.used;
    chunk.used += size;
    return at;
}

void PrintPages::addPage() {
    Page page;
    if (!chunks_.empty()) {
        page.chunk = chunks_.size() - 1;
        page.offset = chunks_.back().used;
    }
    pages_.push_back(page);
    styleInForce_ = -1;  // a page read back on its own learns its style from its first item
}

std::uint16_t PrintPages::style(const QString& fontName, double fontSize, ColorMode colorMode,
                                QColor color) {
    for (std::size_t i = 0; i < styles_.size(); ++i) {
        const Style& s = styles_[i];
        if (s.fontSize == fontSize && s.colorMode == colorMode && s.color == color &&
            s.fontName == fontName)
            return std::uint16_t(i);
    }
    if (styles_.size() > std::numeric_limits<std::uint16_t>::max())
        throw std::length_error("a print job of more styles than it can number");
    styles_.push_back({fontName, fontSize, colorMode, color});
    return std::uint16_t(styles_.size() - 1);
}

template <class Char>
void PrintPages::addText(const Char* chars, qsizetype end, int column, std::uint16_t style) {
    // A run of one character at the end is kept as the character and its count, when that is
    // shorter than the run.
    const Char repeated = end > 0 ? chars[end - 1] : Char(' ');
    qsizetype length = end > 0 ? startOfRun(chars, end, repeated) : 0;
    if (end - length < kShortestRun) length = end;
    const auto repeats = std::uint64_t(end - length);
    const auto repeatedCode = std::uint64_t(static_cast<std::make_unsigned_t<Char>>(repeated));
    const bool wide = needsTwoBytes(chars, length);
    unsigned char flags = wide ? kWide : 0;
    if (lineOpened_) flags |= openedTop_ < 0 ? kNewLine : kNewLine | kMovedLine;
    if (column != 0) flags |= kColumn;
    if (style != styleInForce_) flags |= kNewStyle;
    if (repeats > 0) flags |= kRun;

    if (!wide && (flags & (kMovedLine | kColumn | kNewStyle)) == 0 && length < 0x80 &&
        repeats < 0x80 && repeatedCode < 0x80) {
        // The usual item: a short text of one byte a character, perhaps padded.
        const std::size_t size = 2 + ((flags & kRun) ? 2 : 0) + std::size_t(length);
        char* at = room(size);
        *at++ = static_cast<char>(flags);
        if (flags & kRun) {
            *at++ = static_cast<char>(repeatedCode);
            *at++ = static_cast<char>(repeats);
        }
        *at++ = static_cast<char>(length);
        putText(at, chars, length, false);
        lineOpened_ = false;
        return;
    }

    const auto columnNumber = std::uint64_t(std::uint32_t(column));
    std::size_t size =
        1 + common::varintSize(std::uint64_t(length)) + std::size_t(length) * (wide ? 2 : 1);
    if (flags & kMovedLine) size += sizeof(std::int32_t);
    if (flags & kColumn) size += common::varintSize(columnNumber);
    if (flags & kNewStyle) size += common::varintSize(style);
    if (flags & kRun) size += common::varintSize(repeatedCode) + common::varintSize(repeats);

    char* at = room(size);
    *at++ = static_cast<char>(flags);
    if (flags & kMovedLine) {
        const std::int32_t top = openedTop_;
        std::memcpy(at, &top, sizeof top);
        at += sizeof top;
    }
    if (flags & kColumn) at = common::putVarint(at, columnNumber);
    if (flags & kNewStyle) at = common::putVarint(at, style);
    if (flags & kRun) at = common::putVarint(common::putVarint(at, repeatedCode), repeats);
    putText(common::putVarint(at, std::uint64_t(length)), chars, length, wide);
    styleInForce_ = style;
    lineOpened_ = false;
}

template void PrintPages::addText(const char*, qsizetype, int, std::uint16_t);
template void PrintPages::addText(const char16_t*, qsizetype, int, std::uint16_t);

void PrintPages::dropEmptyPagesAtTheEnd() {
    while (!pages_.empty() && pages_.back().lines == 0) pages_.pop_back();
}

PrintPage PrintPages::page(std::size_t n) const {
    const Page& kept = pages_[n];
    PrintPage page;
    page.lines.reserve(kept.lines);
    std::size_t chunk = kept.chunk;
    std::size_t offset = kept.offset;
    std::size_t linesLeft = kept.lines;
    int style = 0;
    for (;;) {
        if (chunk < chunks_.size() && offset == chunks_[chunk].used) {
            ++chunk;
            offset = 0;
        }
        if (chunk >= chunks_.size()) break;
        const char* start = chunks_[chunk].bytes.get() + offset;
        const char* at = start;
        const auto flags = static_cast<unsigned char>(*at++);
        if (flags & kNewLine) {
            if (linesLeft == 0) break;  // the next page begins
            --linesLeft;
            PrintLine& line = page.lines.emplace_back();
            if (flags & kMovedLine) {
                std::int32_t top;
                std::memcpy(&top, at, sizeof top);
                at += sizeof top;
                line.topTwips = top;
            }
        }
        {
            const int column = (flags & kColumn) ? int(std::uint32_t(common::takeVarint(at))) : 0;
            if (flags & kNewStyle) style = int(common::takeVarint(at));
            char16_t repeated = u' ';
            std::uint64_t repeats = 0;
            if (flags & kRun) {
                repeated = char16_t(common::takeVarint(at));
                repeats = common::takeVarint(at);
            }
            const auto length = qsizetype(common::takeVarint(at));
            QString text(length + qsizetype(repeats), Qt::Uninitialized);
            char16_t* out = reinterpret_cast<char16_t*>(text.data());
            if (flags & kWide) {
                std::memcpy(out, at, std::size_t(length) * 2);
                at += length * 2;
            } else {
                for (qsizetype i = 0; i < length; ++i) out[i] = static_cast<unsigned char>(at[i]);
                at += length;
            }
            std::fill_n(out + length, repeats, repeated);
            const Style& s = styles_[std::size_t(style)];
            page.lines.back().items.push_back(
                {std::move(text), column, s.fontName, s.fontSize, s.colorMode, s.color});
        }
        offset += std::size_t(at - start);
    }
    return page;
}

std::vector<PrintPage> PrintPages::all() const {
    std::vector<PrintPage> pages;
    pages.reserve(pages_.size());
    for (std::size_t n = 0; n < pages_.size(); ++n) pages.push_back(page(n));
    return pages;
}
}  // namespace platform
