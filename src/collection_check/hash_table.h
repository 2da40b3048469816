#pragma once
// A small open-addressing table for the check's pass, keyed by 64-bit numbers that are never 0
// (hashes, or the seven bytes of a medium key). One probe for most lookups and no allocation per
// entry: the pass looks up several names in every record of a million.

#include <cstddef>
#include <cstdint>
#include <vector>

namespace collection_check {

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

}  // namespace collection_check
