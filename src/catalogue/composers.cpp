#include "catalogue/composers.h"

#include <QVarLengthArray>
#include <algorithm>
#include <array>
#include <string_view>
#include <vector>

#include "store/latin_reading.h"

namespace catalogue {

namespace {

struct ComposerRow {
    Composer composer;
    const char* name;  // UTF-8
    // The surnames the field may hold, in Latin letters, blank-separated: the usual Latin
    // spellings, then the Latin reading of the usual Greek ones (Μπαχ reads "mpach").
    const char* surnames;
    // Among a family, what picks this member: '|'-separated runs of words that stand one after
    // the other in the field ("c p e" is C. P. E.). Empty for a composer of no family here.
    const char* givenNames;
    // Whether a surname alone, with none of the family's given names, names this member.
    bool best;
};

// clang-format off
constexpr ComposerRow kComposers[] = {
    {Composer::JSBach, "Johann Sebastian Bach", "bach mpach", "sebastian|sempastian|j s|js|i s",
     true},
    {Composer::CPEBach, "Carl Philipp Emanuel Bach", "bach mpach",
     "emanuel|emanouel|c p e|cpe|c ph e|k f e|kfe", false},
    {Composer::JCBach, "Johann Christian Bach", "bach mpach", "christian|kristian|j c|jc|i k",
     false},
    {Composer::WFBach, "Wilhelm Friedemann Bach", "bach mpach", "friedemann|frinteman|w f|wf|v f",
     false},
    {Composer::Buxtehude, "Dieterich Buxtehude", "buxtehude mpouxtechounte", "", true},
    {Composer::Handel, "George Frideric Handel", "handel haendel hendel chentel chaintel", "",
     true},
    {Composer::Telemann, "Georg Philipp Telemann", "telemann teleman", "", true},
    {Composer::Vivaldi, "Antonio Vivaldi", "vivaldi vivalnti", "", true},
    {Composer::Haydn, "Joseph Haydn", "haydn chaintn chaydn", "joseph|josef|iosif|f j", true},
    {Composer::MichaelHaydn, "Michael Haydn", "haydn chaintn chaydn", "michael|m|j m", false},
    {Composer::Mozart, "Wolfgang Amadeus Mozart", "mozart motsart", "wolfgang|amadeus|w a|wa",
     true},
    {Composer::LeopoldMozart, "Leopold Mozart", "mozart motsart", "leopold|leopolnt|l", false},
    {Composer::DomenicoScarlatti, "Domenico Scarlatti", "scarlatti skarlatti",
     "domenico|ntomeniko|d", true},
    {Composer::AlessandroScarlatti, "Alessandro Scarlatti", "scarlatti skarlatti",
     "alessandro|alessantro|alesantro|a", false},
    {Composer::Beethoven, "Ludwig van Beethoven", "beethoven mpetoven mpetofen", "", true},
    {Composer::Schubert, "Franz Schubert", "schubert soumpert", "", true},
    {Composer::Liszt, "Franz Liszt", "liszt list", "", true},
    {Composer::Bartok, "B\u00e9la Bart\u00f3k", "bartok mpartok", "", true},
    {Composer::RichardStrauss, "Richard Strauss", "strauss straous", "richard|richarnt|r", false},
    {Composer::JohannStrauss, "Johann Strauss II", "strauss straous", "johann|giochan|j|ii",
     false},
    {Composer::Bruckner, "Anton Bruckner", "bruckner mproukner", "", true},
    {Composer::Dvorak, "Anton\u00edn Dvo\u0159\u00e1k", "dvorak ntvorzak ntvorak", "", true},
    {Composer::Debussy, "Claude Debussy", "debussy ntempisi ntempysi", "", true},
    {Composer::Ravel, "Maurice Ravel", "ravel", "", true},
    {Composer::Poulenc, "Francis Poulenc", "poulenc poulenk", "", true},
    {Composer::Janacek, "Leo\u0161 Jan\u00e1\u010dek", "janacek gianatsek", "", true},
    {Composer::Chopin, "Fr\u00e9d\u00e9ric Chopin", "chopin sopen", "", true},
    {Composer::Brahms, "Johannes Brahms", "brahms mprams", "", true},
    {Composer::Schumann, "Robert Schumann", "schumann souman", "robert|rompert|r", true},
    {Composer::ClaraSchumann, "Clara Schumann", "schumann souman", "clara|klara|c|k", false},
    {Composer::Mendelssohn, "Felix Mendelssohn", "mendelssohn mentelson", "felix", true},
    {Composer::FannyMendelssohn, "Fanny Mendelssohn", "mendelssohn mentelson hensel",
     "fanny|fani", false},
    {Composer::Tchaikovsky, "Pyotr Ilyich Tchaikovsky",
     "tchaikovsky tchaikowsky tschaikowsky tschaikovsky tsaikofski tsaikovski", "", true},
    {Composer::Rachmaninoff, "Sergei Rachmaninoff", "rachmaninoff rachmaninov rachmaninof", "",
     true},
    {Composer::Prokofiev, "Sergei Prokofiev", "prokofiev prokofieff prokofjew prokofief", "",
     true},
    {Composer::Shostakovich, "Dmitri Shostakovich",
     "shostakovich schostakowitsch chostakovitch sostakovits", "", true},
    {Composer::Sibelius, "Jean Sibelius", "sibelius simpelious", "", true},
    {Composer::Grieg, "Edvard Grieg", "grieg gkrigk", "", true},
    {Composer::Mahler, "Gustav Mahler", "mahler maler", "", true},
    {Composer::Verdi, "Giuseppe Verdi", "verdi vernti", "", true},
    {Composer::Puccini, "Giacomo Puccini", "puccini poutsini", "", true},
    {Composer::Rossini, "Gioachino Rossini", "rossini rosini", "", true},
    {Composer::Wagner, "Richard Wagner", "wagner vagkner vagner", "", true},
    {Composer::Elgar, "Edward Elgar", "elgar elgkar", "", true},
    {Composer::SaintSaens, "Camille Saint-Sa\u00ebns", "saens sans", "", true},
    {Composer::Faure, "Gabriel Faur\u00e9", "faure fore", "", true},
    {Composer::Stravinsky, "Igor Stravinsky", "stravinsky strawinsky stravinski", "", true},
    {Composer::Corelli, "Arcangelo Corelli", "corelli koreli", "", true},
    {Composer::Paganini, "Niccol\u00f2 Paganini", "paganini pagkanini", "", true},
    {Composer::Purcell, "Henry Purcell", "purcell persel", "", true},
    {Composer::Monteverdi, "Claudio Monteverdi", "monteverdi montevernti", "", true},
    {Composer::Mussorgsky, "Modest Mussorgsky", "mussorgsky moussorgsky mousorgkski", "", true},
    {Composer::RimskyKorsakov, "Nikolai Rimsky-Korsakov", "korsakov korsakoff korsakof", "",
     true},
    {Composer::Bizet, "Georges Bizet", "bizet mpize", "", true},
    {Composer::Berlioz, "Hector Berlioz", "berlioz mperlioz", "", true},
    {Composer::Albinoni, "Tomaso Albinoni", "albinoni almpinoni", "", true},
    {Composer::Pachelbel, "Johann Pachelbel", "pachelbel pachelmpel", "", true},
    {Composer::Boccherini, "Luigi Boccherini", "boccherini mpokerini", "", true},
    {Composer::Theodorakis, "Mikis Theodorakis", "theodorakis", "", true},
    {Composer::Hadjidakis, "Manos Hadjidakis", "hadjidakis hatzidakis chatzidakis", "", true},
    {Composer::Skalkottas, "Nikos Skalkottas", "skalkottas skalkotas", "", true},
    {Composer::Kalomiris, "Manolis Kalomiris", "kalomiris kalomoiris", "", true},
};
// clang-format on

constexpr bool inComposerOrder() {
    for (int i = 0; i < int(std::size(kComposers)); ++i) {
        if (int(kComposers[i].composer) != i + 1) return false;
    }
    return int(std::size(kComposers)) + 1 == int(Composer::Count);
}
static_assert(inComposerOrder(), "one row per composer, in the order of the enum");

std::vector<std::string_view> split(std::string_view text, char separator) {
    std::vector<std::string_view> parts;
    while (!text.empty()) {
        const std::size_t end = std::min(text.find(separator), text.size());
        if (end > 0) parts.push_back(text.substr(0, end));
        text.remove_prefix(std::min(end + 1, text.size()));
    }
    return parts;
}

// The table split into words once: every surname with its row, sorted for a binary search, and
// each row's given names as runs of words.
struct Prepared {
    std::vector<std::pair<std::string_view, int>> surnames;
    std::vector<std::vector<std::vector<std::string_view>>> givenNames;
};

const Prepared& prepared() {
    static const Prepared p = [] {
        Prepared made;
        for (int row = 0; row < int(std::size(kComposers)); ++row) {
            for (std::string_view s : split(kComposers[row].surnames, ' '))
                made.surnames.emplace_back(s, row);
            std::vector<std::vector<std::string_view>> runs;
            for (std::string_view run : split(kComposers[row].givenNames, '|'))
                runs.push_back(split(run, ' '));
            made.givenNames.push_back(std::move(runs));
        }
        std::sort(made.surnames.begin(), made.surnames.end());
        return made;
    }();
    return p;
}

bool isWordLetter(unsigned char c) {
    return (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9');
}

// The field's words as a Latin word reads them, each its letters and digits. Held in place for a
// field of up to 128 bytes.
class Reading {
public:
    explicit Reading(QByteArrayView field) {
        bool afterOmicron = false;
        bool inWord = false;
        for (const char c : field) {
            const auto byte = static_cast<unsigned char>(c);
            const store::Letters l = store::lettersOf(store::Script::Latin, byte, afterOmicron);
            afterOmicron = store::isOmicron(byte);
            if (!isWordLetter(l.first)) {
                inWord = false;
                continue;
            }
            if (!inWord) words_.append({letters_.size(), letters_.size()});
            inWord = true;
            letters_.append(char(l.first));
            if (l.second != 0) letters_.append(char(l.second));
            words_.back().second = letters_.size();
        }
    }
    qsizetype count() const { return words_.size(); }
    std::string_view word(qsizetype i) const {
        const auto [begin, end] = words_[i];
        return {letters_.data() + begin, std::size_t(end - begin)};
    }
    // Whether the words of `run` stand one after the other somewhere in the field.
    bool holds(const std::vector<std::string_view>& run) const {
        const auto n = qsizetype(run.size());
        for (qsizetype i = 0; i + n <= count(); ++i) {
            qsizetype k = 0;
            while (k < n && word(i + k) == run[std::size_t(k)]) ++k;
            if (k == n) return true;
        }
        return false;
    }

private:
    QVarLengthArray<char, 256> letters_;
    QVarLengthArray<std::pair<qsizetype, qsizetype>, 64> words_;  // begin and end in letters_
};

// The member of the family whose surname `surname` is that the field names.
Composer familyMember(const Reading& reading, std::string_view surname) {
    const Prepared& p = prepared();
    const auto [first, last] = std::equal_range(
        p.surnames.begin(), p.surnames.end(), std::pair<std::string_view, int>(surname, 0),
        [](const auto& a, const auto& b) { return a.first < b.first; });
    for (auto it = first; it != last; ++it) {
        const auto& runs = p.givenNames[it->second];
        if (std::any_of(runs.begin(), runs.end(), [&](const auto& r) { return reading.holds(r); }))
            return kComposers[it->second].composer;
    }
    for (auto it = first; it != last; ++it) {
        if (kComposers[it->second].best) return kComposers[it->second].composer;
    }
    return Composer::Unknown;
}

bool isSurname(std::string_view word) {
    const Prepared& p = prepared();
    const auto it = std::lower_bound(
        p.surnames.begin(), p.surnames.end(), std::pair<std::string_view, int>(word, 0),
        [](const auto& a, const auto& b) { return a.first < b.first; });
    return it != p.surnames.end() && it->first == word;
}

}  // namespace

Composer recogniseComposer(QByteArrayView field) {
    const Reading reading(field);
    for (qsizetype i = 0; i < reading.count(); ++i) {
        if (isSurname(reading.word(i))) return familyMember(reading, reading.word(i));
    }
    return Composer::Unknown;
}

QByteArray composerReading(QByteArrayView field) {
    const Reading reading(field);
    QByteArray letters;
    for (qsizetype i = 0; i < reading.count(); ++i) {
        const std::string_view w = reading.word(i);
        letters.append(w.data(), qsizetype(w.size()));
    }
    return letters;
}

QString composerName(Composer composer) {
    if (composer == Composer::Unknown || composer == Composer::Count) return {};
    return QString::fromUtf8(kComposers[int(composer) - 1].name);
}

ComposerKey composerKey(QByteArrayView field) {
    const Composer composer = recogniseComposer(field);
    if (composer != Composer::Unknown) return {composer, {}};
    return {Composer::Unknown, composerReading(field)};
}

}  // namespace catalogue
