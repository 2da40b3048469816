#pragma once
// The letters the collection's bytes read as for a typed word (Quick Find). A word in Greek letters
// is compared with the text folded (case, accents, diaeresis and final sigma gone: the fold of
// collation.h); a word in Latin letters with the text folded and then transliterated, so that
// "theodorakis" finds "Θεοδωράκης". One table of the code page's 256 bytes, each giving up to two
// letters, prepared once.

#include <QByteArray>
#include <QByteArrayView>
#include <array>

namespace store {

// How a typed word is compared with the text.
enum class Script { Latin, Greek };

// The letters one byte reads as: one, or two (θ reads "th").
struct Letters {
    unsigned char first = 0;
    unsigned char second = 0;  // 0: none
};

// For each byte, its letters in a Latin word's eyes: Greek letters transliterated (α a, β v,
// θ th, ψ ps...), every other byte folded.
const std::array<Letters, 256>& latinLetters();

// Whether a folded byte is a Greek letter (α to ω).
bool isGreekLetter(unsigned char folded);

// Whether a byte folds to ο: an υ right after it reads "u" (ου is "ou"), not "y".
bool isOmicron(unsigned char byte);
// Whether a byte folds to υ.
bool isUpsilon(unsigned char byte);

// The letters of one byte of the text for a word of the given script, `afterOmicron` telling
// whether the byte before it, in the same field, folds to ο.
Letters lettersOf(Script script, unsigned char byte, bool afterOmicron);

// A whole field's letters as a Latin word reads them, byte after byte.
QByteArray latinReading(QByteArrayView field);

}  // namespace store
