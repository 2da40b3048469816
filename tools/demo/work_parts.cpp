// The movements, acts or sections of the works the demo covers show.
#include "work_parts.h"

#include <QList>

namespace pictures {

using namespace Qt::StringLiterals;

namespace {

struct Entry {
    QString titleStart;  // the title, or enough of its beginning to tell it apart
    WorkParts parts;
};

QStringList suiteParts(const QString& pair) {
    return {u"Prélude"_s, u"Allemande"_s, u"Courante"_s, u"Sarabande"_s, pair, u"Gigue"_s};
}

// Movements numbered I., II., ...
QStringList cycle(const QStringList& names) {
    static const QStringList kNumerals = {u"I"_s, u"II"_s, u"III"_s, u"IV"_s, u"V"_s, u"VI"_s};
    QStringList list;
    for (qsizetype i = 0; i < names.size(); ++i) list << kNumerals[i] + u". "_s + names[i];
    return list;
}

const QList<Entry>& table() {
    static const QList<Entry> entries = {
        {u"Goldberg Variations"_s, {{u"Aria"_s, u"30 Variations"_s, u"Aria da capo"_s}, 32, false}},
        {u"Symphony No. 5 in C minor"_s,
         {cycle({u"Allegro con brio"_s, u"Andante con moto"_s, u"Allegro"_s, u"Allegro"_s}), 4}},
        {u"Symphony No. 7 in A major"_s,
         {cycle(
              {u"Poco sostenuto – Vivace"_s, u"Allegretto"_s, u"Presto"_s, u"Allegro con brio"_s}),
          4}},
        {u"Tosca"_s, {{u"Atto primo"_s, u"Atto secondo"_s, u"Atto terzo"_s}, 3}},
        {u"Άξιον Εστί"_s, {{u"Η Γένεσις"_s, u"Τα Πάθη"_s, u"Το Δοξαστικόν"_s}, 3}},
        {u"Symphony No. 9 in D minor"_s,
         {cycle({u"Allegro ma non troppo, un poco maestoso"_s, u"Molto vivace"_s,
                 u"Adagio molto e cantabile"_s, u"Presto – Allegro assai"_s}),
          4}},
        {u"Le nozze di Figaro"_s,
         {{u"Sinfonia"_s, u"Atto primo"_s, u"Atto secondo"_s, u"Atto terzo"_s, u"Atto quarto"_s},
          5}},
        {u"Cello Suite No. 1"_s, {suiteParts(u"Menuet I & II"_s), 6, false}},
        {u"Cello Suite No. 2"_s, {suiteParts(u"Menuet I & II"_s), 6, false}},
        {u"Cello Suite No. 3"_s, {suiteParts(u"Bourrée I & II"_s), 6, false}},
        {u"Cello Suite No. 4"_s, {suiteParts(u"Bourrée I & II"_s), 6, false}},
        {u"Cello Suite No. 5"_s, {suiteParts(u"Gavotte I & II"_s), 6, false}},
        {u"Cello Suite No. 6"_s, {suiteParts(u"Gavotte I & II"_s), 6, false}},
        {u"Violin Concerto in E minor, Op. 64"_s,
         {cycle({u"Allegro molto appassionato"_s, u"Andante"_s,
                 u"Allegretto non troppo – Allegro molto vivace"_s}),
          3}},
        {u"Violin Concerto No. 1 in G minor"_s,
         {cycle({u"Vorspiel: Allegro moderato"_s, u"Adagio"_s, u"Finale: Allegro energico"_s}), 3}},
    };
    return entries;
}

}  // namespace

WorkParts partsOf(const QString& title) {
    for (const Entry& entry : table()) {
        if (title.startsWith(entry.titleStart)) return entry.parts;
    }
    return {};
}

}  // namespace pictures
