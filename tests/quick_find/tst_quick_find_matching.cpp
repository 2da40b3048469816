// What Quick Find matches: the fold and the transliteration of typed words against the code
// page's bytes, several words across fields, catalogue numbers however they are written, deleted
// records, and the pass over a collection (the demo collection, a cancelled pass, a collection
// that cannot be read).

#include <QFile>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>

#include "quick_find/quick_find_pass.h"
#include "quick_find/record_matcher.h"
#include "store/codepage.h"
#include "store/collation.h"
#include "store/latin_reading.h"
#include "support/collection_dir.h"

using quick_find::PassResult;

namespace {

bool matches(const QString& typed, const QStringList& fields) {
    const quick_find::RecordMatcher matcher(quick_find::parseQuery(typed), {});
    return matcher.matches(testing::record(fields).data());
}

struct Pass {
    PassResult result;
    std::vector<std::int32_t> hits;
    int batches = 0;
};

// The plain reading, a field byte after byte, that the scan must agree with.
bool plainlyMatches(const std::vector<quick_find::Word>& words, const store::OpusRecord& record) {
    const auto holds = [&record](const quick_find::Word& word, store::Field f) {
        const QByteArray reading = word.script == store::Script::Greek
                                       ? store::folded(record.field(f))
                                       : store::latinReading(record.field(f));
        return reading.contains(word.letters);
    };
    for (const quick_find::Word& word : words) {
        if (std::none_of(store::kAllFields.begin(), store::kAllFields.end(),
                         [&](store::Field f) { return holds(word, f); }))
            return false;
    }
    if (store::trimBlanks(record.text(store::Field::Identity)) != QLatin1String("~~~")) return true;
    return std::any_of(words.begin(), words.end(),
                       [&](const quick_find::Word& w) { return holds(w, store::Field::Identity); });
}

Pass runPass(const QString& path, const QString& typed, bool cancelAtFirstBatch = false) {
    Pass pass;
    std::atomic<bool> cancelled{false};
    pass.result = quick_find::runPass(
        path, quick_find::parseQuery(typed), cancelled, [&](std::vector<std::int32_t> hits) {
            ++pass.batches;
            pass.hits.insert(pass.hits.end(), hits.begin(), hits.end());
            if (cancelAtFirstBatch) cancelled = true;
        });
    return pass;
}

}  // namespace

class QuickFindMatchingTest : public QObject {
    Q_OBJECT
private slots:
    void foldsAndTransliterates_data();
    void foldsAndTransliterates();
    void everyWordSomewhereInTheFields();
    void deletedRecordsOnlyByTheirIdentity();
    void aCatalogueNumberFindsItsWork_data();
    void aCatalogueNumberFindsItsWork();
    void agreesWithAPlainReading();
    void findsInTheDemoCollection_data();
    void findsInTheDemoCollection();
    void aCancelledPassStopsAtTheNextBlock();
    void aCollectionThatCannotBeReadStopsThePass();
};

void QuickFindMatchingTest::foldsAndTransliterates_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("found");
    // Latin
    QTest::newRow("case") << "mozart"
                          << "Wolfgang Amadeus MOZART" << true;
    QTest::newRow("diacritics typed") << "Dvořák"
                                      << "Antonin Dvorak" << true;
    QTest::newRow("diaeresis typed") << "Saint-Saëns"
                                     << "Camille Saint-Saens" << true;
    QTest::newRow("acute typed, capital") << "FAURÉ"
                                          << "Gabriel Faure" << true;
    QTest::newRow("stroke typed") << "Lutosławski"
                                  << "Witold Lutoslawski" << true;
    QTest::newRow("a character no record holds") << "mozart✓"
                                                 << "Mozart✓" << false;
    // Greek
    QTest::newRow("Greek accents") << "θεοδωρακης"
                                   << "Μίκης Θεοδωράκης" << true;
    QTest::newRow("Greek capitals typed") << "ΘΕΟΔΩΡΆΚΗΣ"
                                          << "Μίκης Θεοδωράκης" << true;
    QTest::newRow("final sigma typed as sigma") << "θεοδωρακησ"
                                                << "Θεοδωράκης" << true;
    QTest::newRow("sigma found as final sigma") << "ερωτικος"
                                                << "Ο Μεγάλος Ερωτικός" << true;
    QTest::newRow("diaeresis with accent") << "καΐρης"
                                           << "ΘΕΟΦΙΛΟΣ ΚΑΪΡΗΣ" << true;
    QTest::newRow("diaeresis dropped") << "προυποθεση"
                                       << "Προϋπόθεση" << true;
    QTest::newRow("Greek finds no Latin") << "μοζαρτ"
                                          << "Mozart" << false;
    // Latin letters for Greek text
    QTest::newRow("th and i") << "theodorakis"
                              << "Μίκης Θεοδωράκης" << true;
    QTest::newRow("ou") << "mitropoulos"
                        << "Δημήτρης Μητρόπουλος" << true;
    QTest::newRow("oy is not ou") << "mitropoylos"
                                  << "Δημήτρης Μητρόπουλος" << false;
    QTest::newRow("y alone") << "eyaggelos"
                             << "Ευάγγελος" << true;
    QTest::newRow("ch") << "chatzidakis"
                        << "Μάνος Χατζιδάκις" << true;
    QTest::newRow("ps") << "psarianos"
                        << "Δημήτρης Ψαριανός" << true;
    QTest::newRow("from inside th") << "heodorakis"
                                    << "Θεοδωράκης" << true;
    QTest::newRow("accent and final sigma") << "skalkotas"
                                            << "Νίκος Σκαλκώτας" << true;
    QTest::newRow("a wrong letter") << "skalkotaz"
                                    << "Νίκος Σκαλκώτας" << false;
    // Mixed
    QTest::newRow("Latin in mixed text") << "columbia"
                                         << "Columbia Ελλάδος" << true;
    QTest::newRow("Greek in mixed text") << "ελλαδος"
                                         << "Columbia Ελλάδος" << true;
    QTest::newRow("Latin for Greek in mixed text") << "ellados"
                                                   << "Columbia Ελλάδος" << true;
    QTest::newRow("a mixed word") << "cdελλ"
                                  << "CDΕλλάδα" << true;
}

void QuickFindMatchingTest::foldsAndTransliterates() {
    QFETCH(QString, typed);
    QFETCH(QString, text);
    QFETCH(bool, found);
    // In the Composer, and at the end of the widest field, where the scan's last block overlaps.
    QCOMPARE(matches(typed, {"No0001 CD", text}), found);
    const QString cover = QString(115 - text.size(), QLatin1Char(' ')) + text;
    QCOMPARE(matches(typed, {"No0001 CD", "", "", "", "", cover}), found);
}

void QuickFindMatchingTest::everyWordSomewhereInTheFields() {
    const QStringList record = {"No0001 CD", "Johann Sebastian Bach", "Goldberg Variations",
                                "",          "Glenn Gould, piano",    "CBS Masterworks"};
    QVERIFY(matches("gould bach", record));
    QVERIFY(matches("  BACH   gould ", record));
    QVERIFY(matches("masterworks goldberg", record));  // the Cover counts as well
    QVERIFY(!matches("gould mozart", record));
    // A word never runs from the end of one field into the next.
    const QString fullIdentity = QString(43, QLatin1Char('x')) + QStringLiteral("ab");
    QVERIFY(matches("xab", {fullIdentity, "cd"}));
    QVERIFY(!matches("abcd", {fullIdentity, "cd"}));
}

void QuickFindMatchingTest::deletedRecordsOnlyByTheirIdentity() {
    const QStringList deleted = {"~~~", "Bach"};
    QVERIFY(!matches("bach", deleted));
    QVERIFY(matches("~~~", deleted));
    QVERIFY(matches("~~~ bach", deleted));
    QVERIFY(matches("bach", {"~~~ kept", "Bach"}));  // not the marker
}

void QuickFindMatchingTest::aCatalogueNumberFindsItsWork_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QStringList>("record");
    QTest::addColumn<bool>("found");
    const auto row = [](const char* name, const char* typed, const QStringList& record,
                        bool found) {
        QTest::newRow(name) << QString::fromUtf8(typed) << record << found;
    };
    row("BWV 988", "bwv988", {"No0001 CD", "Bach", "Goldberg Variations, BWV 988"}, true);
    row("bwv. 988", "BWV988", {"No0001 CD", "Bach", "Aria (bwv. 988)"}, true);
    row("another number", "bwv988", {"No0001 CD", "Bach", "Aria, BWV 989"}, false);
    row("every sub-number", "op27", {"No0001 CD", "Beethoven", "Sonata Op. 27 No. 2"}, true);
    row("the sub-number typed", "op27no1", {"No0001 CD", "Beethoven", "Sonata Op. 27 No. 2"},
        false);
    row("Mozart's K.", "k550", {"No0001 CD", "Mozart", "Symphony No. 40, K. 550"}, true);
    row("K. of no other", "k550", {"No0001 CD", "Haydn", "Symphony, K. 550"}, false);
    row("from the Cover", "op67",
        {"No0001 CD", "Beethoven", "Symphony No. 5", "", "", "DG, Op. 67"}, true);
    row("the Title's first", "op67",
        {"No0001 CD", "Beethoven", "Symphony No. 5, Op. 68", "", "", "DG, Op. 67"}, false);
    row("with a plain word", "beethoven op27", {"No0001 CD", "Beethoven", "Sonata Op. 27"}, true);
    row("a plain word missing", "mozart op27", {"No0001 CD", "Beethoven", "Sonata Op. 27"}, false);
    row("the text as before", "bwv988", {"No0001 CD", "", "", "", "bwv988 fans"}, true);
    row("deleted", "bwv988", {"~~~", "Bach", "Goldberg Variations, BWV 988"}, false);
}

void QuickFindMatchingTest::aCatalogueNumberFindsItsWork() {
    QFETCH(QString, typed);
    QFETCH(QStringList, record);
    QFETCH(bool, found);
    QCOMPARE(matches(typed, record), found);
}

void QuickFindMatchingTest::agreesWithAPlainReading() {
    // Random records of names and pieces of them, random words cut from their readings, and random
    // samples, so that every letter of a word gets to be the one looked for: the scan of a block
    // must find exactly the records a plain reading of every field finds.
    const QStringList pieces = {"Θεοδωράκης", "Μητρόπουλος", "ΟΥ",  "οϋ",      "Ψαριανός",
                                "Χατζιδάκις", "θθ",          "ιου", "Kleiber", "Mozart",
                                "theo",       "~~~",         "ΐ",   "oupo",    "Σκαλκώτας"};
    QRandomGenerator random(17);
    const auto pick = [&](int n) { return int(random.bounded(n)); };
    for (int trial = 0; trial < 200; ++trial) {
        std::vector<store::OpusRecord> records;
        QByteArray block;
        for (int r = 0; r < 40; ++r) {
            QStringList fields;
            for (int f = 0; f < store::kFieldCount; ++f) {
                QString text = QString(pick(4), QLatin1Char(' '));
                for (int n = pick(4); n > 0; --n)
                    text += pieces[pick(pieces.size())] + (pick(2) ? " " : "");
                // Often right up to the end of the field.
                const int width = store::kFieldLayout[f].width;
                if (pick(2) && text.size() < width)
                    text = QString(width - text.size(), QLatin1Char(' ')) + text;
                fields << text;
            }
            records.push_back(testing::record(fields));
            block += records.back().bytes().toByteArray();
        }
        QStringList typed;
        for (int n = 1 + pick(2); n > 0; --n) {
            const QByteArray piece = store::toDisk(pieces[pick(pieces.size())]);
            const bool greek =
                pick(2) &&
                store::isGreekLetter(store::foldByte(static_cast<unsigned char>(piece.front())));
            const QByteArray reading = greek ? store::folded(piece) : store::latinReading(piece);
            const int from = pick(reading.size());
            typed << store::fromDisk(reading.mid(from, 1 + pick(reading.size() - from)));
        }
        const std::vector<quick_find::Word> words = quick_find::parseQuery(typed.join(' '));
        quick_find::ByteCounts sample;
        for (auto& count : sample) count = random.bounded(1000);
        const quick_find::RecordMatcher matcher(words, sample);

        std::vector<std::int32_t> expected, found;
        for (int r = 0; r < int(records.size()); ++r) {
            if (plainlyMatches(words, records[r])) expected.push_back(r + 1);
        }
        matcher.findIn(block.constData(), std::int32_t(records.size()), 1, found);
        QVERIFY2(found == expected, qPrintable(typed.join(' ')));
    }
}

void QuickFindMatchingTest::findsInTheDemoCollection_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<std::vector<std::int32_t>>("hits");
    QTest::newRow("mozart") << "mozart" << std::vector<std::int32_t>{12, 37, 43};
    QTest::newRow("θεοδωρακης") << "θεοδωρακης" << std::vector<std::int32_t>{7};
    QTest::newRow("theodorakis") << "theodorakis" << std::vector<std::int32_t>{7};
    QTest::newRow("mitropoulos") << "mitropoulos" << std::vector<std::int32_t>{6, 52};
    QTest::newRow("gould bach") << "gould bach" << std::vector<std::int32_t>{1, 62, 63};
    // However its titles write the number.
    QTest::newRow("bwv988") << "bwv988" << std::vector<std::int32_t>{1, 62, 63};
    QTest::newRow("~~~") << "~~~" << std::vector<std::int32_t>{11, 47};
}

void QuickFindMatchingTest::findsInTheDemoCollection() {
    QFETCH(QString, typed);
    QFETCH(std::vector<std::int32_t>, hits);
    QTemporaryDir dir;
    const QString copy = dir.filePath(QStringLiteral("Clasical.dat"));
    QVERIFY(QFile::copy(QStringLiteral(SONVELLA_SOURCE_DIR "/data/demo/Clasical.dat"), copy));
    const Pass pass = runPass(copy, typed);
    QCOMPARE(pass.result.outcome, PassResult::Outcome::Finished);
    QCOMPARE(pass.hits, hits);
}

void QuickFindMatchingTest::aCancelledPassStopsAtTheNextBlock() {
    testing::CollectionDir dir(testing::numberedRecords(5000));
    const Pass whole = runPass(dir.path("Clasical.dat"), "composer");
    QCOMPARE(whole.result.outcome, PassResult::Outcome::Finished);
    QCOMPARE(whole.hits.size(), std::size_t(5000));
    QCOMPARE(whole.hits.back(), 5000);

    const Pass cut = runPass(dir.path("Clasical.dat"), "composer", true);
    QCOMPARE(cut.result.outcome, PassResult::Outcome::Cancelled);
    QCOMPARE(cut.batches, 1);
    QVERIFY(cut.hits.size() < 5000);
}

void QuickFindMatchingTest::aCollectionThatCannotBeReadStopsThePass() {
    QTemporaryDir dir;
    const QString missing = dir.filePath(QStringLiteral("Clasical.dat"));
    const Pass pass = runPass(missing, "bach");
    QCOMPARE(pass.result.outcome, PassResult::Outcome::Failed);
    QVERIFY2(pass.result.error.startsWith(missing), qPrintable(pass.result.error));
    QVERIFY(!QFile::exists(missing));  // nothing is written, not even an empty file
}

QTEST_GUILESS_MAIN(QuickFindMatchingTest)
#include "tst_quick_find_matching.moc"
