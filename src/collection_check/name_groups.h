#pragma once
// Names grouped as the findings see them: runs of names that fold alike in a sorted vector, the
// ways each is written, and how a kind keeps only its commonest or first findings.

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <vector>

#include "collection_check/pass_records.h"
#include "collection_check/report.h"

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
    for (size_t i = 0; i < names.size();) {
        Group g{i, i + 1, names[i].count, names[i].firstOpus};
        while (g.to < names.size() && sameGroup(names[i], names[g.to])) {
            g.total += names[g.to].count;
            g.firstOpus = std::min(g.firstOpus, names[g.to].firstOpus);
            ++g.to;
        }
        if (wanted(g)) out.push_back(g);
        i = g.to;
    }
    return out;
}

// The spellings of a group: one per way of writing (the same writing in two fields counts once,
// found where it came first), most common first.
std::vector<Name> spellings(const std::vector<Name>& names, const Group& g);

std::vector<std::int32_t> firstOpusOf(const std::vector<Name>& spellings);

// The commonest groups first (then by their first record, then as they came), at most a kind's
// worth; how many were left out.
std::int64_t keepCommonest(std::vector<Group>& groups, size_t most);

// At most a kind's worth of findings; how many were left out.
std::int64_t keepFirst(std::vector<Finding>& findings);

}  // namespace collection_check
