#include "collection_check/name_groups.h"

#include <tuple>

namespace collection_check {

void sortByFieldAndFold(std::vector<Name>& names) {
    std::sort(names.begin(), names.end(), [](const Name& a, const Name& b) {
        return std::tie(a.field, a.folded, a.exact) < std::tie(b.field, b.folded, b.exact);
    });
}

void sortByFold(std::vector<Name>& names) {
    std::sort(names.begin(), names.end(), [](const Name& a, const Name& b) {
        return std::tie(a.folded, a.exact, a.firstOpus) < std::tie(b.folded, b.exact, b.firstOpus);
    });
}

std::vector<Name> spellings(const std::vector<Name>& names, const Group& g) {
    std::vector<Name> out;
    for (size_t i = g.from; i < g.to; ++i) {
        auto same = std::find_if(out.begin(), out.end(),
                                 [&](const auto& s) { return s.exact == names[i].exact; });
        if (same == out.end()) {
            out.push_back(names[i]);
        } else {
            same->count += names[i].count;
            if (names[i].firstOpus < same->firstOpus) {
                same->firstOpus = names[i].firstOpus;
                same->field = names[i].field;
            }
        }
    }
    std::sort(out.begin(), out.end(), [](const auto& a, const auto& b) {
        return a.count != b.count ? a.count > b.count : a.firstOpus < b.firstOpus;
    });
    return out;
}

std::vector<std::int32_t> firstOpusOf(const std::vector<Name>& spellings) {
    std::vector<std::int32_t> numbers;
    for (const auto& s : spellings) numbers.push_back(s.firstOpus);
    return numbers;
}

std::int64_t keepCommonest(std::vector<Group>& groups, size_t most) {
    std::stable_sort(groups.begin(), groups.end(), [](const Group& a, const Group& b) {
        return a.total != b.total ? a.total > b.total : a.firstOpus < b.firstOpus;
    });
    return keepFirst(groups, most);
}

}  // namespace collection_check
