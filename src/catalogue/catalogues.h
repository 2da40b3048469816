#pragma once
// The catalogues of works a title may cite: how each is written, the composer it belongs to where
// its letters alone would say too little, and the shape of its numbers. The table's order is the
// order works sort in.
//
// Read by every catalogue alike: letters match whatever their case, with or without a dot after
// each ("BWV", "Bwv.", "B.W.V."), not inside a word, followed by the number with or without
// blanks. One small letter stuck to a number belongs to it ("BWV 1041a", "Op. 56b", "D. 936A" as
// "D. 936a"), in every catalogue. Appendices ("BWV Anh. 159", "K. Anh. 1") and a second
// numbering after a slash ("K. 331/300i") are not read: the number before them is.

#include <cstdint>
#include <span>

#include "catalogue/composers.h"

namespace catalogue {

// In the table's order, which is the sort order.
enum class Catalogue : std::uint8_t {
    None = 0,
    BWV,          // J. S. Bach
    BuxWV,        // Buxtehude
    HWV,          // Handel
    TWV,          // Telemann
    RV,           // Vivaldi (Ryom)
    Hob,          // Haydn (Hoboken)
    Koechel,      // Mozart: K., KV
    Kirkpatrick,  // Domenico Scarlatti: K., Kk.
    Longo,        // Domenico Scarlatti: L.
    Deutsch,      // Schubert: D.
    Op,           // any composer: Op., Opus, Έργο
    WoO,          // any composer (Beethoven, Brahms...)
    Searle,       // Liszt: S.
    LW,           // Liszt (Liszt-Werkverzeichnis)
    Sz,           // Bartók (Szőllősy)
    BB,           // Bartók (Somfai)
    TrV,          // Richard Strauss (Trenner)
    WAB,          // Bruckner
    Wq,           // C. P. E. Bach (Wotquenne)
    Helm,         // C. P. E. Bach: H.
    Burghauser,   // Dvořák: B.
    Lesure,       // Debussy: L.
    Marnat,       // Ravel: M.
    FP,           // Poulenc
    JW,           // Janáček
    Count
};

// What follows a catalogue's letters.
enum class Shape : std::uint8_t {
    Plain,        // a number: "BWV 988"
    RomanGroup,   // a roman group, perhaps with a small letter, and a number: "Hob. XVI:52",
                  // "Hob. VIIb:1", "JW I/4"
    NumberGroup,  // a group number, the letters of a key and a number: "TWV 51:D7", "TWV 40:101"
    Series,       // the letters of a series and a number: "LW A132"
};

struct CatalogueRow {
    Catalogue catalogue;
    const char* shown;  // how a number of it begins on screen: "BWV", "Hob.", "K."
    // The letters it is written with, folded and without dots, blank-separated: u"op opus εργο".
    const char16_t* spellings;
    // Composer::Unknown: a number of it counts whoever the composer is; otherwise only for this
    // composer (a "D. 960" in a Liszt title, or a "D. Oistrakh", is no Schubert number).
    Composer composer;
    Shape shape;
    char groupSeparator;  // between group and number, as shown (either is read)
    // Whether a number of one of its works may be followed by a sub-number: "No. 2", "Nr. 2",
    // "Αρ. 2" (after blanks or a comma), or "/2" right after it.
    bool subNumbers;
};

// Every catalogue, in the order of the enum.
std::span<const CatalogueRow> catalogueTable();
const CatalogueRow& catalogueRow(Catalogue catalogue);

}  // namespace catalogue
