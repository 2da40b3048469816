#pragma once
// Unsigned numbers in as few bytes as they need: 7 bits a byte, the low bits first; the top bit
// says that more follow. Inline, as the print job's page store writes and reads them per item.

#include <cstddef>
#include <cstdint>

namespace common {

inline std::size_t varintSize(std::uint64_t n) {
    std::size_t size = 1;
    while (n >= 0x80) {
        n >>= 7;
        ++size;
    }
    return size;
}

inline char* putVarint(char* at, std::uint64_t n) {
    while (n >= 0x80) {
        *at++ = static_cast<char>(n | 0x80);
        n >>= 7;
    }
    *at++ = static_cast<char>(n);
    return at;
}

inline std::uint64_t takeVarint(const char*& at) {
    std::uint64_t n = 0;
    for (int shift = 0;; shift += 7) {
        const auto byte = static_cast<unsigned char>(*at++);
        n |= std::uint64_t(byte & 0x7F) << shift;
        if (byte < 0x80) return n;
    }
}

}  // namespace common
