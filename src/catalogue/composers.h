#pragma once
// Who a Composer field names: a table of composers known by surname (in Latin letters, and as the
// usual Greek spelling reads in Latin letters), and for any other composer a key made of the
// field's letters, so that spellings of one composer group together.

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <cstdint>

namespace catalogue {

// The composers of the table, in its order. Members of one family share a surname; the given
// names or initials tell them apart (composers.cpp).
enum class Composer : std::uint8_t {
    Unknown = 0,  // not in the table
    JSBach,
    CPEBach,
    JCBach,
    WFBach,
    Buxtehude,
    Handel,
    Telemann,
    Vivaldi,
    Haydn,
    MichaelHaydn,
    Mozart,
    LeopoldMozart,
    DomenicoScarlatti,
    AlessandroScarlatti,
    Beethoven,
    Schubert,
    Liszt,
    Bartok,
    RichardStrauss,
    JohannStrauss,
    Bruckner,
    Dvorak,
    Debussy,
    Ravel,
    Poulenc,
    Janacek,
    Chopin,
    Brahms,
    Schumann,
    ClaraSchumann,
    Mendelssohn,
    FannyMendelssohn,
    Tchaikovsky,
    Rachmaninoff,
    Prokofiev,
    Shostakovich,
    Sibelius,
    Grieg,
    Mahler,
    Verdi,
    Puccini,
    Rossini,
    Wagner,
    Elgar,
    SaintSaens,
    Faure,
    Stravinsky,
    Corelli,
    Paganini,
    Purcell,
    Monteverdi,
    Mussorgsky,
    RimskyKorsakov,
    Bizet,
    Berlioz,
    Albinoni,
    Pachelbel,
    Boccherini,
    Theodorakis,
    Hadjidakis,
    Skalkottas,
    Kalomiris,
    Count
};

// The table composer a Composer field (code-page bytes) names: the first word of the field, read
// as Quick Find reads it for a Latin word (folded, Greek in Latin letters), that is a surname of
// the table; among a family, the member whose given names or initials stand in the field, else
// the family's best-known member (a Bach is J. S. Bach), or Unknown where the family has none
// (a Strauss without a given name). Unknown for a field with no surname of the table.
// Allocates nothing for a field of up to 128 bytes; a caller that meets one field many times may
// keep the answer.
Composer recogniseComposer(QByteArrayView field);

// The field's letters and digits as Quick Find reads them for a Latin word: "BACH, J. S." and
// "Bach, J.S." are both "bachjs", "Ξενάκης" and "Xenakis" both "xenakis". Groups composers
// outside the table.
QByteArray composerReading(QByteArrayView field);

// How a table composer is shown: "Johann Sebastian Bach". Empty for Unknown.
QString composerName(Composer composer);

// What groups recordings by composer: a table composer, or for any other the field's reading.
struct ComposerKey {
    Composer composer = Composer::Unknown;
    QByteArray reading;  // Unknown only; empty for a table composer

    friend bool operator==(const ComposerKey& a, const ComposerKey& b) {
        return a.composer == b.composer && a.reading == b.reading;
    }
    friend bool operator<(const ComposerKey& a, const ComposerKey& b) {
        return a.composer != b.composer ? a.composer < b.composer : a.reading < b.reading;
    }
};
ComposerKey composerKey(QByteArrayView field);

}  // namespace catalogue
