#pragma once
// Names grouped as the findings see them: runs of alike neighbours in a sorted vector, the groups
// of names that fold alike and the ways each is written, and how a kind keeps only its first or
// commonest findings.

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <vector>

#include "collection_check/pass_records.h"

namespace collection_check {

// Names in the order of their field and fold (and of their writing within): one run per name of a
// field.
void sortByFieldAndFold(std::vector<Name>& names);
inline bool sameFieldAndFold(const Name& a, const Name& b) {
    return a.field == b.field && a.folded == b.folded;
}

// Names in the order of their fold, their writing and their first record: one run per name,
// whatever its fields.
void sortByFold(std::vector<Name>& names);
inline bool sameFold(const Name& a, const Name& b) {
    return a.folded == b.folded;
}

// Calls onRun(from, to) for each run [from, to) of neighbours in `items` that `same` finds alike.
template <class T, class Same, class OnRun>
void forEachRun(const std::vector<T>& items, Same same, OnRun onRun) {
    for (size_t from = 0; from < items.size();) {
        size_t to = from + 1;
        while (to < items.size() && same(items[from], items[to])) ++to;
        onRun(from, to);
        from = to;
    }
}

// The first `most` of `items`; how many were left out.
template <class T>
std::int64_t keepFirst(std::vector<T>& items, size_t most) {
    if (items.size() <= most) return 0;
    const auto leftOut = std::int64_t(items.size() - most);
    items.resize(most);
    return leftOut;
}

// A run of names that share a fold (and, where it counts, a field) in a sorted vector of names.
struct Group {
    size_t from = 0, to = 0;
    std::int64_t total = 0;
    std::int32_t firstOpus = 0;
};

// Splits sorted names into runs of equal `sameGroup`, keeping those `wanted` says.
template <class Same, class Wanted>
std::vector<Group> groups(const std::vector<Name>& names, Same sameGroup, Wanted wanted) {
    std::vector<Group> out;
    forEachRun(names, sameGroup, [&](size_t from, size_t to) {
        Group g{from, to, 0, names[from].firstOpus};
        for (size_t i = from; i < to; ++i) {
            g.total += names[i].count;
            g.firstOpus = std::min(g.firstOpus, names[i].firstOpus);
        }
        if (wanted(g)) out.push_back(g);
    });
    return out;
}

// The spellings of a group: one per way of writing (the same writing in two fields counts once,
// found where it came first), most common first.
std::vector<Name> spellings(const std::vector<Name>& names, const Group& g);

std::vector<std::int32_t> firstOpusOf(const std::vector<Name>& spellings);

// The commonest groups first (then by their first record, then as they came), at most a kind's
// worth; how many were left out.
std::int64_t keepCommonest(std::vector<Group>& groups, size_t most);

}  // namespace collection_check
