#pragma once
// How the collection check compares names: the store's fold (case, Greek accents and diaeresis,
// final sigma) and then only letters and digits, so "Bach, J.S." and "BACH, J. S." are one name.
// Names are kept as 64-bit hashes, never as strings, so a check of a million records stays small.

#include <QByteArrayView>
#include <cstdint>

namespace collection_check {

// A text's hash as written, and as folded. A text with no letter or digit folds to 0: it names
// nothing and is compared with nothing.
struct NameHashes {
    std::uint64_t exact = 0;
    std::uint64_t folded = 0;
};
NameHashes hashName(QByteArrayView text);
std::uint64_t foldedHash(QByteArrayView text);

// The names of a field: the pick lists join names with two blanks, so a run of two or more blanks
// separates names; each comes without its blanks around it, and empty names are skipped.
template <class OnName>
void forEachName(QByteArrayView field, OnName&& onName) {
    const char* p = field.data();
    qsizetype end = field.size();
    while (end > 0 && p[end - 1] == ' ') --end;
    qsizetype i = 0;
    while (i < end) {
        while (i < end && p[i] == ' ') ++i;
        const qsizetype start = i;
        while (i < end && !(p[i] == ' ' && i + 1 < end && p[i + 1] == ' ')) ++i;
        qsizetype last = i;
        while (last > start && p[last - 1] == ' ') --last;
        if (last > start) onName(QByteArrayView(p + start, last - start));
    }
}

}  // namespace collection_check
