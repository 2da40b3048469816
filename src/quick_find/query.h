#pragma once
// What the user typed into Quick Find, as words of folded code-page letters: split at blanks, case,
// accents and diaeresis folded, Latin diacritics dropped (Dvořák is "dvorak"; the box takes any
// text, since nothing typed there is stored).

#include <QByteArray>
#include <QString>
#include <vector>

#include "store/latin_reading.h"

namespace quick_find {

struct Word {
    QByteArray letters;  // folded code-page bytes
    // Greek when the word holds a Greek letter: it then matches Greek text only. A Latin word
    // matches Latin text and the transliteration of Greek text.
    store::Script script = store::Script::Latin;
    // The word holds a character the collection cannot hold, so no record has it.
    bool impossible = false;

    bool operator==(const Word&) const = default;
};

// The words of a typed text; none for an empty text or one of blanks only.
std::vector<Word> parseQuery(const QString& typed);

}  // namespace quick_find
