#pragma once
// The catalogue number of a work ("BWV 988", "Op. 27 No. 2", "Hob. XVI:52") read from the bytes of
// a title, as one 64-bit key that sorts in the catalogue's order, with its text made only when it
// is shown; and a word typed into Quick Find ("bwv988", "op27no2") read as one, to match keys.

#include <QByteArrayView>
#include <QString>
#include <compare>
#include <cstdint>

#include "catalogue/catalogues.h"
#include "catalogue/composers.h"

namespace catalogue {

// Every spelling of one number has one key. Keys sort by catalogue (the table's order), then
// group, the letters of a key or series, number, letter after the number, sub-number: "Op. 2",
// "Op. 27", "Op. 27 No. 1", "Op. 27 No. 2", "Op. 27a", "Op. 28". Zero is no number.
class CatalogueNumber {
public:
    constexpr CatalogueNumber() = default;
    static constexpr CatalogueNumber fromKey(std::uint64_t key) {
        CatalogueNumber n;
        n.key_ = key;
        return n;
    }

    constexpr std::uint64_t key() const { return key_; }
    constexpr bool isValid() const { return key_ != 0; }
    Catalogue catalogue() const;
    int number() const;
    int subNumber() const;  // 0: none

    // "BWV 988", "Op. 27 No. 2", "K. 550", "Hob. XVI:52", "TWV 51:D7"; empty for no number.
    QString text() const;

    friend constexpr auto operator<=>(CatalogueNumber, CatalogueNumber) = default;

private:
    std::uint64_t key_ = 0;
};

// The first catalogue number in `text` (code-page bytes: a Title, or a Cover) that counts for
// `composer` (see CatalogueRow::composer); no number when there is none. Allocates nothing: it
// runs once for each of a million records.
CatalogueNumber findCatalogueNumber(QByteArrayView text, Composer composer);

// A word typed into Quick Find read as a catalogue number: code-page bytes without blanks, in any
// case, spelled as a title would spell it ("bwv988", "k550", "hobxvi52", "op.27/2", "εργο27").
// What the word leaves out matches anything: "op27" matches every sub-number of opus 27, "op56"
// both Op. 56a and Op. 56b. Letters that several catalogues share stand for each of them: "k550"
// is Mozart's K. 550 and Scarlatti's.
struct CatalogueQuery {
    std::uint64_t catalogues = 0;  // one bit for each Catalogue the word may stand for
    std::uint64_t key = 0;         // the parts typed, in the bits of a key
    std::uint64_t mask = 0;        // the bits of a key the word says something about

    bool isValid() const { return catalogues != 0; }
};
// Not valid when the word is not a whole catalogue number ("bach", "op", "op27x").
CatalogueQuery parseCatalogueWord(QByteArrayView word);
bool matches(const CatalogueQuery& query, CatalogueNumber number);

}  // namespace catalogue
