#include "collection_check/check_fold.h"

#include <QChar>

#include "store/codepage.h"
#include "store/collation.h"

namespace collection_check {

std::array<unsigned char, 256> makeCheckFoldTable() {
    std::array<unsigned char, 256> table{};
    const std::array<unsigned char, 256>& fold = store::foldTable();
    for (int b = 1; b < 256; ++b) {
        const auto byte = static_cast<char>(fold[b]);
        const QChar c = store::fromDisk(QByteArrayView(&byte, 1)).front();
        const bool kept = c.isLetter() || (c >= u'0' && c <= u'9');
        table[b] = kept ? fold[b] : 0;
    }
    return table;
}

namespace detail {

std::array<std::uint64_t, 128> makeBasePowers() {
    std::array<std::uint64_t, 128> p{};
    p[0] = 1;
    for (size_t i = 1; i < p.size(); ++i) p[i] = p[i - 1] * kBase;
    return p;
}

}  // namespace detail

}  // namespace collection_check
