#pragma once
// A small open-addressing table for passes over the whole collection (the Collection Check, the
// Works window), keyed by 64-bit numbers that are never 0 (hashes, or the seven bytes of a medium
// key). One probe for most lookups and no allocation per entry: a pass looks up several keys in
// every record of a million.

#include <QByteArrayView>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <vector>

namespace common {

template <class Value>
class HashTable {
public:
    // The value of `key`, made with `make()` when the key is new.
    template <class Make>
    Value& findOrAdd(std::uint64_t key, Make&& make) {
        if ((size_ + 1) * 2 > slots_.size()) grow();
        size_t i = index(key);
        while (slots_[i].key != 0) {
            if (slots_[i].key == key) return slots_[i].value;
            i = (i + 1) & (slots_.size() - 1);
        }
        slots_[i].key = key;
        slots_[i].value = make();
        ++size_;
        return slots_[i].value;
    }

    // Asks the processor for the slot of `key` ahead of its lookup, so that lookups of a batch
    // overlap their waits for memory.
    void prefetch(std::uint64_t key) const {
        if (!slots_.empty()) __builtin_prefetch(&slots_[index(key)]);
    }

    template <class F>
    void forEach(F&& f) const {
        for (const Slot& slot : slots_) {
            if (slot.key != 0) f(slot.key, slot.value);
        }
    }
    size_t size() const { return size_; }
    void clear() {
        slots_ = {};
        size_ = 0;
    }

private:
    struct Slot {
        std::uint64_t key = 0;
        Value value{};
    };

    // Fibonacci hashing: the top bits of the key times the golden ratio, so keys that differ only
    // in their low bits (medium keys are bytes of text) still spread.
    size_t index(std::uint64_t key) const {
        return size_t((key * 0x9E3779B97F4A7C15ull) >> shift_);
    }

    void grow() {
        std::vector<Slot> old = std::move(slots_);
        const size_t capacity = old.empty() ? 1024 : old.size() * 2;
        slots_.assign(capacity, Slot{});
        shift_ = 64;
        for (size_t c = capacity; c > 1; c >>= 1) --shift_;
        for (const Slot& slot : old) {
            if (slot.key == 0) continue;
            size_t i = index(slot.key);
            while (slots_[i].key != 0) i = (i + 1) & (capacity - 1);
            slots_[i] = slot;
        }
    }

    std::vector<Slot> slots_;
    size_t size_ = 0;
    int shift_ = 64;
};

// A key for the table made of bytes (a field as written), eight bytes at a time; never 0.
inline std::uint64_t hashBytes(QByteArrayView bytes) {
    const char* p = bytes.data();
    qsizetype n = bytes.size();
    std::uint64_t h = 0x9E3779B97F4A7C15ull ^ std::uint64_t(n);
    const auto mix = [&h](std::uint64_t word) {
        h = (h ^ word) * 0xff51afd7ed558ccdull;
        h ^= h >> 29;
    };
    for (; n >= 8; p += 8, n -= 8) {
        std::uint64_t word;
        std::memcpy(&word, p, 8);
        mix(word);
    }
    std::uint64_t tail = 0;
    if (n > 0) std::memcpy(&tail, p, size_t(n));
    mix(tail);
    h *= 0xc4ceb9fe1a85ec53ull;
    h ^= h >> 32;
    return h ? h : 1;
}

// A key for the table made of two numbers (a group and a key within it); never 0.
inline std::uint64_t combineKeys(std::uint64_t a, std::uint64_t b) {
    std::uint64_t h = (a * 0xff51afd7ed558ccdull) ^ b;
    h *= 0xc4ceb9fe1a85ec53ull;
    h ^= h >> 33;
    return h ? h : 1;
}

}  // namespace common
