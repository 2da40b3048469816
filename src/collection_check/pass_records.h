#pragma once
// What the check's pass hands over at its end for the findings: the names it counted, the works
// and the medium keys, each as hashes with the first record it was met in; the pick lists' names.

#include <QSet>
#include <array>
#include <cstdint>
#include <utility>
#include <vector>

#include "collection_check/report.h"

namespace collection_check {

struct Name {              // one way of writing a name in one field
    std::uint64_t folded;  // its fold's key
    std::uint64_t exact;
    std::int64_t count;
    std::int32_t firstOpus;
    NameField field;
};
struct Work {  // one record's Composer, Title, Orchestra and Soloists, folded together
    std::uint64_t key;
    std::int32_t opus;
};
struct Identity {  // one medium key as written
    std::int64_t count;
    std::int32_t firstOpus;
};
// The records whose Identity is stored with leading blanks: medium key, record.
using LeadingBlanks = std::vector<std::pair<std::uint64_t, std::int32_t>>;

// The place of a NameField in what is kept by field.
inline int fieldIndex(NameField field) {
    return static_cast<int>(field);
}

// The folded names of the pick lists, by the NameField they may be found in.
using ListedNames = std::array<QSet<std::uint64_t>, 4>;

}  // namespace collection_check
