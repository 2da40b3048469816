// Catalogue numbers read from titles (their spellings, near misses, letters that count only for
// their composer), the composers a Composer field names, the order of works, catalogue numbers
// typed into Quick Find, and a record's number with the bytes it is written with.

#include <QTest>
#include <algorithm>
#include <vector>

#include "catalogue/catalogue_number.h"
#include "catalogue/composers.h"
#include "catalogue/record_number.h"
#include "store/codepage.h"
#include "store/collation.h"
#include "store/opus_record.h"

using catalogue::Catalogue;
using catalogue::CatalogueNumber;

namespace {

// A field as it lies in a record: code-page bytes, blank-padded.
QByteArray field(const QString& text, int width) {
    const QByteArray bytes = store::toDisk(text);
    return bytes + QByteArray(width - bytes.size(), ' ');
}

CatalogueNumber numberIn(const QString& composer, const QString& title) {
    return catalogue::findCatalogueNumber(field(title, 60),
                                          catalogue::recogniseComposer(field(composer, 45)));
}

}  // namespace

class CatalogueTest : public QObject {
    Q_OBJECT
private slots:
    void readsTheFirstCatalogueNumber_data();
    void readsTheFirstCatalogueNumber();
    void sortsInTheCataloguesOrder();
    void recognisesComposers_data();
    void recognisesComposers();
    void groupsComposersBySpelling_data();
    void groupsComposersBySpelling();
    void matchesTypedWords_data();
    void matchesTypedWords();
    void readsNoOtherWordAsANumber_data();
    void readsNoOtherWordAsANumber();
    void readsARecordsNumberAsWritten_data();
    void readsARecordsNumberAsWritten();
};

void CatalogueTest::readsTheFirstCatalogueNumber_data() {
    QTest::addColumn<QString>("composer");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("shown");  // empty: no number
    QTest::addColumn<int>("catalogue");

    const auto row = [](const char* name, const char* composer, const char* title,
                        const char* shown, Catalogue c) {
        QTest::newRow(name) << QString::fromUtf8(composer) << QString::fromUtf8(title)
                            << QString::fromUtf8(shown) << int(c);
    };
    const auto none = [](const char* name, const char* composer, const char* title) {
        QTest::newRow(name) << QString::fromUtf8(composer) << QString::fromUtf8(title) << QString()
                            << int(Catalogue::None);
    };
    // Spellings of one number.
    row("BWV988", "Bach, J.S.", "Goldberg Variations BWV988", "BWV 988", Catalogue::BWV);
    row("Bwv. 988", "Bach, J.S.", "Aria (Bwv. 988)", "BWV 988", Catalogue::BWV);
    row("B.W.V. 988", "Bach, J.S.", "Goldberg-Variationen, B.W.V. 988", "BWV 988", Catalogue::BWV);
    row("op.27/2", "Beethoven", "Sonata op.27/2 Moonlight", "Op. 27 No. 2", Catalogue::Op);
    row("Op. 27 No. 2", "Beethoven", "Sonata No. 14, Op. 27 No. 2", "Op. 27 No. 2", Catalogue::Op);
    row("Op 27, Nr 2", "Beethoven", "Sonate Op 27, Nr 2", "Op. 27 No. 2", Catalogue::Op);
    row("Opus 27", "Beethoven", "Two Sonatas Opus 27", "Op. 27", Catalogue::Op);
    row("Έργο, Αρ.", "Μπετόβεν", "Σονάτα Έργο 27 Αρ. 2", "Op. 27 No. 2", Catalogue::Op);
    row("K.550", "Mozart", "Symphony No. 40, K.550", "K. 550", Catalogue::Koechel);
    row("KV 550", "Mozart", "Sinfonie Nr. 40 KV 550", "K. 550", Catalogue::Koechel);
    row("K6 number after the slash", "Mozart", "Sonata K. 331/300i", "K. 331", Catalogue::Koechel);
    // Letters and groups.
    row("letter after the number", "Bach, J.S.", "Concerto BWV 1041a", "BWV 1041a", Catalogue::BWV);
    row("capital letter after the number", "Schubert", "Symphony D. 936A", "D. 936a",
        Catalogue::Deutsch);
    row("Hob. XVI:52", "Haydn", "Sonata Hob. XVI:52", "Hob. XVI:52", Catalogue::Hob);
    row("Hob.I:104", "Haydn", "London Symphony Hob.I:104", "Hob. I:104", Catalogue::Hob);
    row("Hob. group letter", "Haydn", "Trumpet Concerto, Hob. VIIe:1", "Hob. VIIe:1",
        Catalogue::Hob);
    row("TWV key", "Telemann", "Concerto TWV 51:D7", "TWV 51:D7", Catalogue::TWV);
    row("TWV without key", "Telemann", "Fantasia TWV 40:2", "TWV 40:2", Catalogue::TWV);
    row("LW series", "Liszt", "Sonata LW A179", "LW A179", Catalogue::LW);
    row("JW", "Janacek", "Sinfonietta JW VI/18", "JW VI/18", Catalogue::JW);
    row("S. 244/2", "Liszt", "Hungarian Rhapsody S. 244/2", "S. 244 No. 2", Catalogue::Searle);
    row("D.899/3", "Schubert", "Impromptu D.899/3", "D. 899 No. 3", Catalogue::Deutsch);
    row("Wq. 183/1", "Bach, C.P.E.", "Sinfonia Wq. 183/1", "Wq. 183 No. 1", Catalogue::Wq);
    row("H.", "Bach, C.P.E.", "Sonata H. 664", "H. 664", Catalogue::Helm);
    row("Sz.", "Bartok", "Concerto for Orchestra Sz. 116", "Sz. 116", Catalogue::Sz);
    row("BB", "Bartok", "Concerto for Orchestra BB 123", "BB 123", Catalogue::BB);
    row("B.", "Dvorak", "Symphony No. 9, B. 178", "B. 178", Catalogue::Burghauser);
    row("M.", "Ravel", "Bolero M. 81", "M. 81", Catalogue::Marnat);
    row("FP", "Poulenc", "Gloria FP 177", "FP 177", Catalogue::FP);
    row("TrV", "Strauss, Richard", "Vier letzte Lieder TrV 296", "TrV 296", Catalogue::TrV);
    row("WAB", "Bruckner", "Symphony No. 7 WAB 107", "WAB 107", Catalogue::WAB);
    row("RV", "Vivaldi", "La primavera RV 269", "RV 269", Catalogue::RV);
    row("HWV", "Handel", "Messiah HWV 56", "HWV 56", Catalogue::HWV);
    row("BuxWV", "Buxtehude", "Praeludium BuxWV 137", "BuxWV 137", Catalogue::BuxWV);
    row("WoO", "Beethoven", "Fur Elise WoO 59", "WoO 59", Catalogue::WoO);
    // Which number, and near misses.
    row("the first of two", "Dvorak", "Symphony No. 8, Op. 88, B. 163", "Op. 88", Catalogue::Op);
    row("Nos. is a set, not a sub-number", "Chopin", "Etudes Op. 10 Nos. 1-12", "Op. 10",
        Catalogue::Op);
    none("Op. without a number", "Chopin", "Waltz in A minor, Op. posth.");
    none("Opera is no opus", "Verdi", "Opera 2 arias");
    row("D. Oistrakh is no number", "Schubert", "Fantasia (D. Oistrakh) D. 934", "D. 934",
        Catalogue::Deutsch);
    none("D. Oistrakh alone", "Schubert", "Sonatina, D. Oistrakh");
    row("a key's letter is no number", "Schubert", "Sonata in D, D. 850", "D. 850",
        Catalogue::Deutsch);
    none("BWV inside a word", "Bach, J.S.", "Suite XBWV 1007");
    none("a number inside a word", "Bach, J.S.", "BWV 1007th suite");
    none("Hob. without its group", "Haydn", "Sonata Hob. 52");
    // Letters that belong to a composer.
    row("Scarlatti's K.", "Scarlatti, Domenico", "Sonata K. 380", "K. 380", Catalogue::Kirkpatrick);
    row("Scarlatti's Kk.", "Scarlatti, D.", "Sonata Kk. 380", "K. 380", Catalogue::Kirkpatrick);
    none("Kk. is not Mozart's", "Mozart", "Sonata Kk. 380");
    row("KV is Mozart's only", "Scarlatti", "Sonata KV 380, K. 381", "K. 381",
        Catalogue::Kirkpatrick);
    none("Alessandro Scarlatti has no K.", "Scarlatti, Alessandro", "Sinfonia K. 380");
    row("Scarlatti's L.", "Scarlatti", "Sonata L. 23", "L. 23", Catalogue::Longo);
    row("Debussy's L.", "Debussy", "Clair de lune L. 75", "L. 75", Catalogue::Lesure);
    none("D. is Schubert's only", "Liszt", "Soirees de Vienne after D. 960");
    none("H. is not J. S. Bach's", "Bach, Johann Sebastian", "Suite H. 5");
    none("no letter counts for a composer outside the table", "Sorabji", "Toccata K. 5");
    row("BWV counts whoever the composer", "Busoni, F.", "Chaconne after BWV 1004", "BWV 1004",
        Catalogue::BWV);
    row("Op. counts whoever the composer", "Sorabji", "Fantasia Op. 3", "Op. 3", Catalogue::Op);
}

void CatalogueTest::readsTheFirstCatalogueNumber() {
    QFETCH(QString, composer);
    QFETCH(QString, title);
    QFETCH(QString, shown);
    QFETCH(int, catalogue);
    const CatalogueNumber number = numberIn(composer, title);
    QCOMPARE(number.text(), shown);
    QCOMPARE(int(number.catalogue()), catalogue);
}

void CatalogueTest::sortsInTheCataloguesOrder() {
    const QStringList sorted = {
        QStringLiteral("BWV 988"),      QStringLiteral("Hob. I:104"),
        QStringLiteral("Hob. VIIe:1"),  QStringLiteral("Hob. XVI:52"),
        QStringLiteral("Op. 2 No. 3"),  QStringLiteral("Op. 10"),
        QStringLiteral("Op. 27"),       QStringLiteral("Op. 27 No. 1"),
        QStringLiteral("Op. 27 No. 2"), QStringLiteral("Op. 27a"),
        QStringLiteral("Op. 110"),      QStringLiteral("WoO 59"),
    };
    std::vector<CatalogueNumber> numbers;
    for (auto it = sorted.crbegin(); it != sorted.crend(); ++it)
        numbers.push_back(numberIn(QStringLiteral("Haydn"), *it));
    std::sort(numbers.begin(), numbers.end());
    QStringList texts;
    for (CatalogueNumber n : numbers) texts << n.text();
    QCOMPARE(texts, sorted);
}

void CatalogueTest::recognisesComposers_data() {
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("name");  // empty: not in the table
    const auto row = [](const char* text, const char* name) {
        QTest::newRow(text) << QString::fromUtf8(text) << QString::fromUtf8(name);
    };
    row("Bach, Johann Sebastian", "Johann Sebastian Bach");
    row("BACH, J. S.", "Johann Sebastian Bach");
    row("Bach", "Johann Sebastian Bach");
    row("Μπαχ", "Johann Sebastian Bach");
    row("Bach-Busoni", "Johann Sebastian Bach");
    row("Bach, Carl Philipp Emanuel", "Carl Philipp Emanuel Bach");
    row("Bach, C.P.E.", "Carl Philipp Emanuel Bach");
    row("Κ. Φ. Ε. Μπαχ", "Carl Philipp Emanuel Bach");
    row("Bach, J. C.", "Johann Christian Bach");
    row("Mozart, Wolfgang Amadeus", "Wolfgang Amadeus Mozart");
    row("ΜΟΤΣΑΡΤ", "Wolfgang Amadeus Mozart");
    row("Μότσαρτ, Β. Α.", "Wolfgang Amadeus Mozart");
    row("Mozart, Leopold", "Leopold Mozart");
    row("Scarlatti", "Domenico Scarlatti");
    row("Scarlatti, A.", "Alessandro Scarlatti");
    row("Σκαρλάττι, Ντομένικο", "Domenico Scarlatti");
    row("Haydn, M.", "Michael Haydn");
    row("Strauss, Richard", "Richard Strauss");
    row("Strauss, J.", "Johann Strauss II");
    row("Strauss", "");
    row("Σούμπερτ", "Franz Schubert");
    row("Dvorak, Antonin", "Anton\u00edn Dvo\u0159\u00e1k");
    row("Ντβόρζακ", "Anton\u00edn Dvo\u0159\u00e1k");
    row("Τσαϊκόφσκι", "Pyotr Ilyich Tchaikovsky");
    row("Θεοδωράκης, Μίκης", "Mikis Theodorakis");
    row("Bachmann", "");
    row("Sorabji", "");
    row("", "");
}

void CatalogueTest::recognisesComposers() {
    QFETCH(QString, field);
    QFETCH(QString, name);
    QCOMPARE(catalogue::composerName(catalogue::recogniseComposer(::field(field, 45))), name);
}

void CatalogueTest::groupsComposersBySpelling_data() {
    QTest::addColumn<QString>("first");
    QTest::addColumn<QString>("second");
    QTest::addColumn<bool>("same");
    const auto row = [](const char* first, const char* second, bool same) {
        QTest::newRow(qPrintable(
            QStringLiteral("%1 / %2").arg(QString::fromUtf8(first), QString::fromUtf8(second))))
            << QString::fromUtf8(first) << QString::fromUtf8(second) << same;
    };
    row("Sorabji, K. S.", "SORABJI, K.S.", true);
    row("Ξενάκης", "Xenakis", true);
    row("Xenakis", "Xenakis, I.", false);
    row("Bach, J.S.", "Μπαχ", true);
    row("Bach, J.S.", "Bach, C.P.E.", false);
}

void CatalogueTest::groupsComposersBySpelling() {
    QFETCH(QString, first);
    QFETCH(QString, second);
    QFETCH(bool, same);
    QCOMPARE(catalogue::composerKey(field(first, 45)) == catalogue::composerKey(field(second, 45)),
             same);
}

void CatalogueTest::matchesTypedWords_data() {
    QTest::addColumn<QString>("word");
    QTest::addColumn<QString>("composer");
    QTest::addColumn<QString>("title");
    QTest::addColumn<bool>("matches");
    const auto row = [](const char* word, const char* composer, const char* title, bool matches) {
        QTest::newRow(
            qPrintable(QString::fromUtf8(word) + QLatin1String(" / ") + QString::fromUtf8(title)))
            << QString::fromUtf8(word) << QString::fromUtf8(composer) << QString::fromUtf8(title)
            << matches;
    };
    row("bwv988", "Bach", "Goldberg Variations, BWV 988", true);
    row("b.w.v.988", "Bach", "Goldberg Variations, BWV 988", true);
    row("bwv988", "Bach", "Aria BWV 989", false);
    row("k550", "Mozart", "Symphony No. 40, K. 550", true);
    row("k550", "Scarlatti", "Sonata K. 550", true);
    row("kv550", "Scarlatti", "Sonata K. 550", false);
    row("op27", "Beethoven", "Sonata Op. 27 No. 2", true);
    row("op27", "Beethoven", "Sonata Op. 28", false);
    row("op27no2", "Beethoven", "Sonata Op. 27 No. 2", true);
    row("op27no2", "Beethoven", "Sonata Op. 27 No. 1", false);
    row("op27nr2", "Beethoven", "Sonata Op. 27 No. 2", true);
    row("op.27/2", "Beethoven", "Sonata Op. 27 No. 2", true);
    row("έργο27", "Beethoven", "Sonata Op. 27", true);
    row("op56", "Brahms", "Haydn Variations Op. 56a", true);
    row("op56b", "Brahms", "Haydn Variations Op. 56a", false);
    row("hobxvi52", "Haydn", "Sonata Hob. XVI:52", true);
    row("hobxv52", "Haydn", "Sonata Hob. XVI:52", false);
    row("hobviie1", "Haydn", "Trumpet Concerto Hob. VIIe:1", true);
    row("twv51d7", "Telemann", "Concerto TWV 51:D7", true);
    row("d960", "Schubert", "Sonata D. 960", true);
    row("d960", "Schubert", "Sonata Op. 960", false);
}

void CatalogueTest::matchesTypedWords() {
    QFETCH(QString, word);
    QFETCH(QString, composer);
    QFETCH(QString, title);
    QFETCH(bool, matches);
    // As Quick Find holds a word: folded code-page bytes.
    const catalogue::CatalogueQuery query =
        catalogue::parseCatalogueWord(store::folded(store::toDisk(word)));
    QVERIFY(query.isValid());
    QCOMPARE(catalogue::matches(query, numberIn(composer, title)), matches);
}

void CatalogueTest::readsNoOtherWordAsANumber_data() {
    QTest::addColumn<QString>("word");
    for (const char* word : {"bach", "op", "bwv", "opera2", "op27xy", "op27no", "27", "bwv988no2",
                             "hob52", "k0", "op123456"})
        QTest::newRow(word) << QString::fromUtf8(word);
}

void CatalogueTest::readsNoOtherWordAsANumber() {
    QFETCH(QString, word);
    QVERIFY(!catalogue::parseCatalogueWord(store::toDisk(word)).isValid());
}

void CatalogueTest::readsARecordsNumberAsWritten_data() {
    QTest::addColumn<QString>("composer");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("cover");
    QTest::addColumn<QString>("written");
    const auto row = [](const char* composer, const char* title, const char* cover,
                        const char* written) {
        QTest::newRow(written) << QString::fromUtf8(composer) << QString::fromUtf8(title)
                               << QString::fromUtf8(cover) << QString::fromUtf8(written);
    };
    row("Bach", "Goldberg Variations, BWV 988", "", "BWV 988");
    row("Bach", "Aria (bwv. 988) and BWV 989", "", "bwv. 988");
    row("Bach", "Concerto BWV 1041a", "", "BWV 1041a");
    row("Beethoven", "Sonata No. 14, Op. 27 No. 2 \"Moonlight\"", "", "Op. 27 No. 2");
    row("Beethoven", "Sonata op.27/2", "", "op.27/2");
    row("Beethoven", "Σονάτα Έργο 27", "", "Έργο 27");
    row("Scarlatti", "Sonata Kk. 380", "", "Kk. 380");
    row("Haydn", "Sonata Hob. XVI:52", "", "Hob. XVI:52");
    row("Beethoven", "Symphony No. 5", "Deutsche Grammophon, Op. 67", "Op. 67");
    row("Beethoven", "Symphony No. 5", "", "");
}

void CatalogueTest::readsARecordsNumberAsWritten() {
    QFETCH(QString, composer);
    QFETCH(QString, title);
    QFETCH(QString, cover);
    QFETCH(QString, written);
    store::OpusRecord record;
    record.setText(store::Field::Composer, composer);
    record.setText(store::Field::Title, title);
    record.setText(store::Field::Cover, cover);
    const catalogue::Composer known =
        catalogue::recogniseComposer(record.field(store::Field::Composer));
    const catalogue::WrittenNumber number = catalogue::writtenRecordNumber(record.data(), known);
    QCOMPARE(store::fromDisk(number.written), written);
    QCOMPARE(number.number, catalogue::recordNumber(record.data(), known));
}

QTEST_GUILESS_MAIN(CatalogueTest)
#include "tst_catalogue.moc"
