#include "catalogue/record_number.h"

#include <array>

#include "store/collation.h"
#include "store/latin_reading.h"
#include "store/opus_record.h"

namespace catalogue {

namespace {

// A field without its blanks around it: the reading of a number looks at fewer bytes.
QByteArrayView fieldOf(const char* record, store::Field f) {
    return store::trimBlankBytes({record + store::fieldOffset(f), store::fieldWidth(f)});
}

// Letters (Latin or Greek, in either case) and digits, as the reading of a title tells words.
struct ByteKinds {
    std::array<bool, 256> letter{};
    std::array<bool, 256> word{};
};
const ByteKinds& byteKinds() {
    static const ByteKinds kinds = [] {
        ByteKinds k;
        for (int b = 0; b < 256; ++b) {
            const unsigned char f = store::foldByte(static_cast<unsigned char>(b));
            k.letter[b] = (f >= 'a' && f <= 'z') || store::isGreekLetter(f);
            k.word[b] = k.letter[b] || (f >= '0' && f <= '9');
        }
        return k;
    }();
    return kinds;
}

}  // namespace

CatalogueNumber recordNumber(const char* record, Composer composer) {
    const CatalogueNumber inTitle =
        findCatalogueNumber(fieldOf(record, store::Field::Title), composer);
    if (inTitle.isValid()) return inTitle;
    return findCatalogueNumber(fieldOf(record, store::Field::Cover), composer);
}

WrittenNumber writtenRecordNumber(const char* record, Composer composer) {
    for (const store::Field f : {store::Field::Title, store::Field::Cover}) {
        const QByteArrayView text = fieldOf(record, f);
        const CatalogueNumber number = findCatalogueNumber(text, composer);
        if (number.isValid()) return {number, writtenIn(text, composer, number)};
    }
    return {};
}

QByteArrayView writtenIn(QByteArrayView text, Composer composer, CatalogueNumber number) {
    // The reading of a title starts a number only where a word starts, and reads from there on
    // alone: the last word start from which the number is read again is where it begins. Titles
    // end with their number more often than not, so the look goes from the end.
    const ByteKinds& kinds = byteKinds();
    const auto at = [&text](qsizetype i) { return static_cast<unsigned char>(text[i]); };
    qsizetype begin = text.size();
    while (--begin >= 0) {
        if (!kinds.letter[at(begin)] || (begin > 0 && kinds.word[at(begin - 1)])) continue;
        if (findCatalogueNumber(text.sliced(begin), composer) == number) break;
    }
    if (begin < 0) return {};
    // It ends where a word ends after a digit of it: the first such end up to which the same
    // number is read, the end of the text without a look (the number read from `begin` on is it).
    bool digit = false;
    for (qsizetype end = begin + 1; end <= text.size(); ++end) {
        digit = digit || (kinds.word[at(end - 1)] && !kinds.letter[at(end - 1)]);
        if (!digit || !kinds.word[at(end - 1)] || (end < text.size() && kinds.word[at(end)]))
            continue;
        const QByteArrayView written = text.sliced(begin, end - begin);
        if (end == text.size() || findCatalogueNumber(written, composer) == number) return written;
    }
    return {};
}

Composer ComposerCache::of(QByteArrayView field) {
    return known_.findOrAdd(common::hashBytes(field), [&] { return recogniseComposer(field); });
}

}  // namespace catalogue
