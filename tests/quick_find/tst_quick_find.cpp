// The Quick Find window's state over a real collection: what a text finds and how the line counts
// it, passes cancelled by the next keystroke, a collection that cannot be read, and going to a
// hit.

#include <QDir>
#include <QFile>
#include <QTest>
#include <QThread>

#include "quick_find/quick_find.h"
#include "record/record_window.h"
#include "support/collection_dir.h"
#include "support/fakes.h"
#include "support/window_test.h"

using quick_find::HitModel;
using quick_find::QuickFind;
using testing::CollectionDir;

namespace {

const std::vector<QStringList> kRecords = {
    {"No0001 CD", "Johann Sebastian Bach", "Goldberg Variations", "", "Glenn Gould, piano"},
    {"No0002 CD", "Wolfgang Amadeus Mozart", "Requiem", "Wiener Philharmoniker  Karl Boehm"},
    {"No0003 LP", "Leopold Mozart", "Trumpet Concerto"},
    {"~~~"},
    {"No0005 CD", "Μίκης Θεοδωράκης", "Άξιον Εστί"},
};

std::vector<std::int32_t> hitsOf(QuickFind& find) {
    std::vector<std::int32_t> hits;
    for (int row = 0; row < find.hits().rowCount(); ++row)
        hits.push_back(find.hits().opusNumber(row));
    return hits;
}

}  // namespace

class QuickFindTest : public testing::WindowTest {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void findsAndCounts_data();
    void findsAndCounts();
    void largeCountsAreGrouped();
    void aBlankTextShowsNothing();
    void aPassIsNeverReportedForAChangedText();
    void aCollectionThatCannotBeReadSaysWhy();
    void goingToAHitSavesTheRecordLeft();
    void aSaveThatFailsStaysWhereItIs();

private:
    void load(const std::vector<QStringList>& records);
    void search(const QString& text);

    std::unique_ptr<QuickFind> find_;
};

void QuickFindTest::init() {
    WindowTest::init();
    load(kRecords);
}

void QuickFindTest::cleanup() {
    find_.reset();
    WindowTest::cleanup();
}

void QuickFindTest::load(const std::vector<QStringList>& records) {
    find_.reset();
    WindowTest::load(records);
    find_ = std::make_unique<QuickFind>(*w_);
}

void QuickFindTest::search(const QString& text) {
    find_->setText(text);
    QTRY_VERIFY(!find_->searching());
}

void QuickFindTest::findsAndCounts_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<std::vector<std::int32_t>>("hits");
    QTest::addColumn<QString>("countLine");
    QTest::newRow("two") << "mozart" << std::vector<std::int32_t>{2, 3} << "2 records match";
    QTest::newRow("one") << "gould" << std::vector<std::int32_t>{1} << "1 record matches";
    QTest::newRow("none") << "zelenka" << std::vector<std::int32_t>{} << "No record matches";
}

void QuickFindTest::findsAndCounts() {
    QFETCH(QString, typed);
    QFETCH(std::vector<std::int32_t>, hits);
    QFETCH(QString, countLine);
    search(typed);
    QVERIFY(find_->listShown());
    QCOMPARE(hitsOf(*find_), hits);
    QCOMPARE(find_->countLine(), countLine);
    if (hits.empty()) return;
    // The list reads a row's texts from the collection.
    QCOMPARE(find_->hits().index(0, HitModel::Composer).data().toString(),
             store::trimBlanks(dir_->field(hits[0], store::Field::Composer)));
}

void QuickFindTest::largeCountsAreGrouped() {
    load(testing::numberedRecords(2500));
    search(QStringLiteral("composer"));
    QCOMPARE(find_->countLine(), QStringLiteral("2,500 records match"));
}

void QuickFindTest::aBlankTextShowsNothing() {
    search(QStringLiteral("mozart"));
    for (const QString& blank : {QString(), QStringLiteral("   ")}) {
        find_->setText(blank);
        QVERIFY(!find_->listShown());
        QVERIFY(!find_->searching());
        QCOMPARE(find_->countLine(), QString());
        QCOMPARE(find_->hits().rowCount(), 0);
    }
}

void QuickFindTest::aPassIsNeverReportedForAChangedText() {
    QStringList lines;
    find_->changed = [this, &lines] { lines << find_->countLine(); };
    find_->setText(QStringLiteral("a"));  // 1, 2, 3 and 5
    // The pass for "a" ends and reports while the next keystroke is on its way.
    QThread::msleep(200);
    lines.clear();
    find_->setText(QStringLiteral("mozart"));
    QTRY_VERIFY(!find_->searching());
    QTest::qWait(50);  // anything still queued for "a" arrives
    QCOMPARE(hitsOf(*find_), (std::vector<std::int32_t>{2, 3}));
    QCOMPARE(lines, (QStringList{"Searching... 0 found so far", "Searching... 2 found so far",
                                 "2 records match"}));
}

void QuickFindTest::aCollectionThatCannotBeReadSaysWhy() {
    QVERIFY(QFile::remove(dir_->path("Clasical.dat")));
    QVERIFY(QDir(dir_->path()).mkdir("Clasical.dat"));
    search(QStringLiteral("mozart"));
    QCOMPARE(find_->countLine(),
             "The collection could not be read: " + dir_->path("Clasical.dat") + " is a folder");
}

void QuickFindTest::goingToAHitSavesTheRecordLeft() {
    w_->typeInto(record::txtOno, QStringLiteral("Edited Bach"));
    search(QStringLiteral("mozart"));
    QVERIFY(find_->goToHit(1));
    QCOMPARE(w_->state().current, 3);
    QCOMPARE(w_->state().boxes[record::txtOno], QStringLiteral("Leopold Mozart"));
    QCOMPARE(store::trimBlanks(dir_->field(1, store::Field::Composer)),
             QStringLiteral("Edited Bach"));
    // The saved text is what the next keystroke finds and shows.
    search(QStringLiteral("edited"));
    QCOMPARE(find_->hits().index(0, HitModel::Composer).data().toString(),
             QStringLiteral("Edited Bach"));
}

void QuickFindTest::aSaveThatFailsStaysWhereItIs() {
    if (!QFile::exists("/dev/full")) QSKIP("no /dev/full here");
    search(QStringLiteral("mozart"));
    w_->typeInto(record::txtOno, QStringLiteral("Typed"));
    QFile::remove(dir_->path("Clasical.dat"));
    QVERIFY(QFile::link("/dev/full", dir_->path("Clasical.dat")));
    fakes_.dialogs.expectMessage(QStringLiteral("Sonvella 4.0"),
                                 "Opus Number  1 could not be saved:\n" +
                                     dir_->path("Clasical.dat") +
                                     " has been replaced by another file",
                                 platform::Icon::Exclamation);
    QVERIFY(!find_->goToHit(0));
    QCOMPARE(w_->state().current, 1);
    QCOMPARE(w_->state().boxes[record::txtOno], QStringLiteral("Typed"));
}

QTEST_GUILESS_MAIN(QuickFindTest)
#include "tst_quick_find.moc"
