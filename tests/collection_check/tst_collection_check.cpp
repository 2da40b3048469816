// The collection check over real collection files: one of each kind of finding and the near
// misses that must not be reported, the figures of the demo collection, an empty and an
// unreadable collection, and what the findings lead to (a record shown, a name added to a pick
// list, the check saved as HTML).

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStringDecoder>
#include <QTest>
#include <atomic>

#include "collection_check/check_collection.h"
#include "collection_check/check_window.h"
#include "platform/program_directory.h"
#include "record/cover_names.h"
#include "record/record_window.h"
#include "store/name_list.h"
#include "support/collection_dir.h"
#include "support/fakes.h"
#include "support/file_size_limit.h"
#include "support/window_test.h"

using collection_check::CheckWindow;
using collection_check::ReportModel;
using platform::Icon;
using record::RecordWindow;
using testing::CollectionDir;

namespace {

const QString kTitle = QStringLiteral("Sonvella 4.0 - Collection Check");

// One of each kind of finding, and near misses: Bacharach is not Bach, the same work by other
// performers is no duplicate, and names that fold alike to a listed name are listed. Record 2
// is record 1 typed again, with its names run together and blanks and case of its own.
const std::vector<QStringList> kHandMade = {
    {"No0001 CD", "Bach, J.S.", "Goldberg Variations",
     "Berliner Philharmoniker  Herbert von Karajan", "Glenn Gould, piano"},
    {"No0002 CD", "BACH, J. S.", "Goldberg  Variations",
     "Berliner Philharmoniker Herbert von Karajan", "Glenn Gould, piano"},
    {"No0002 CD", "Bacharach", "Goldberg Variations",
     "Berliner Philharmoniker  Herbert von Karajan", "Glenn Gould, piano"},
    {"no0002 CD", "Bach, J.S.", "Goldberg Variations", "Κρατική Ορχήστρα Αθηνών  Karl Boehm",
     "Maurizio Pollini, piano"},
    {"  No0003 LP", "Bach, J.S.", "Mass in B minor"},
    {"No"},
    {"~~~"},
    {"No0004 CD", "Bach, J.S.", "Goldberg Variations", "", "Glenn Gould, piano"},
    {"No0004 CD", "Bach, J.S.", "Goldberg Variations", "", "Glenn Gould, piano"},
};

const QStringList kHandMadeFindings = {
    "Probable duplicates | Bach, J.S. / Goldberg Variations / Berliner Philharmoniker  Herbert von "
    "Karajan / Glenn Gould, piano: 2 records on different media | 1, 2",
    "Probable duplicates | Bach, J.S. / Goldberg Variations / Glenn Gould, piano: 2 records on the "
    "same medium | 8, 9",
    "Name variants | \"Bach, J.S.\" 5 times, \"BACH, J. S.\" once | 1, 2",
    "Identities | \"No0002\" 2 records, \"no0002\" 1 record: Identities that differ only in case | "
    "2, 4",
    "Identities | \"No0003\" stored with leading blanks: 1 record | 5",
    "Names not in the pick lists | Orchestra/Conductor \"Berliner Philharmoniker Herbert von "
    "Karajan\" is in neither Orchestras.txt nor Conductors.txt: 1 record | 2",
    "Names not in the pick lists | Composer \"Bacharach\" is not in Composers.txt: 1 record | 3",
    "Names not in the pick lists | Orchestra/Conductor \"Κρατική Ορχήστρα Αθηνών\" is in neither "
    "Orchestras.txt nor Conductors.txt: 1 record | 4",
    "Names not in the pick lists | Soloist \"Maurizio Pollini, piano\" is in none of "
    "AKSoloists.txt, LZSoloists.txt and Vocal.txt: 1 record | 4",
    "Unfinished records | Identity \"No\" and every other field blank: never filled in | 6",
    "Unfinished records | Deleted records (Identity \"~~~\"): 1 | 7",
};
constexpr int kBacharachRow = 6;
constexpr int kPolliniRow = 8;

void writeLists(const CollectionDir& dir) {
    dir.write("Composers.txt", "\"Bach, J.S.\"\r\n");
    dir.write("Conductors.txt", "Herbert von Karajan\r\nKarl Boehm\r\n");
    dir.write("Orchestras.txt", "Berliner Philharmoniker\r\n");
    dir.write("AKSoloists.txt", "\"Glenn Gould, piano\"\r\n");
}

QStringList rows(const ReportModel& model) {
    QStringList out;
    for (int r = 0; r < model.rowCount(); ++r) {
        QStringList cells;
        for (int c = 0; c < ReportModel::ColumnCount; ++c)
            cells << model.data(model.index(r, c)).toString();
        out << cells.join(QStringLiteral(" | "));
    }
    return out;
}

}  // namespace

class CollectionCheckTest : public testing::WindowTest {
    Q_OBJECT
private slots:
    void cleanup();
    void findsOneOfEachKindAndNoNearMiss();
    void countsTheDemoCollection();
    void listsTheMediaWithoutAFrontCover_data();
    void listsTheMediaWithoutAFrontCover();
    void findsACatalogueNumberWrittenSeveralWays();
    void anEmptyCollectionShowsZeros();
    void aListOfRecordsEndsInDotsOnlyWhenSomeAreLeftOut_data();
    void aListOfRecordsEndsInDotsOnlyWhenSomeAreLeftOut();
    void aCollectionThatCannotBeReadSaysWhy();
    void goingToAFindingSavesTheRecordShownFirst();
    void addToListGoesThroughThePickListPanel();
    void soloistsSplitAtLineBreaksAndFileBySurname();
    void savesTheCheckAsOneHtmlPage();
    void aPageThatCannotBeWrittenSaysWhere();
    void aPageCutShortByAFullDiskIsNotSaved();

private:
    // Loads the main window on the collection and its lists and runs a check to its end.
    // Every medium has its front cover unless `covers` is false.
    void check(const std::vector<QStringList>& records,
               void (*lists)(const CollectionDir&) = writeLists, bool covers = true);

    std::unique_ptr<CheckWindow> check_;
};

void CollectionCheckTest::cleanup() {
    check_.reset();
    WindowTest::cleanup();
}

void CollectionCheckTest::check(const std::vector<QStringList>& records,
                                void (*lists)(const CollectionDir&), bool covers) {
    dir_ = std::make_unique<CollectionDir>(records);
    lists(*dir_);
    for (const QStringList& r : records) {
        const QString name = record::coverName(r.value(0).leftJustified(45));
        if (covers && record::isSafeCoverName(name))
            dir_->write("Sonvella400/Covers/" + name + ".jpg", "a picture");
    }
    loadWindow();
    check_ = std::make_unique<CheckWindow>(*w_);
    check_->start();
    QTRY_VERIFY(check_->phase() != CheckWindow::Phase::Running);
}

void CollectionCheckTest::findsOneOfEachKindAndNoNearMiss() {
    check(kHandMade);
    QCOMPARE(check_->phase(), CheckWindow::Phase::Done);
    QCOMPARE(rows(check_->model()), kHandMadeFindings);
    const collection_check::Figures& f = check_->figures();
    QCOMPARE(f.records, 9);
    QCOMPARE(f.media, 7);  // as media counting counts: no0002 splits No0002
    QCOMPARE(f.deleted, 1);
    QCOMPARE(f.unfinished, 1);
    using Counts = QList<QPair<QString, std::int64_t>>;
    QCOMPARE(f.mediaByKind, (Counts{{"CD", 4}, {"LP", 1}, {"other", 1}, {"deleted", 1}}));
    QCOMPARE(f.topComposers, (Counts{{"Bach, J.S.", 6}, {"Bacharach", 1}}));
}

void CollectionCheckTest::countsTheDemoCollection() {
    dir_ = std::make_unique<CollectionDir>();
    const QDir demo(QStringLiteral(SONVELLA_SOURCE_DIR "/data/demo"));
    collection_check::CollectionPass::PickLists lists;
    for (size_t i = 0; i < store::kNameLists.size(); ++i)
        store::LoadNameList(demo.filePath(QString::fromLatin1(store::kNameLists[i].file)),
                            lists[i]);
    const std::atomic<bool> cancelled{false};
    const auto report = collection_check::checkCollection(
        demo.filePath("Clasical.dat"), lists, demo.filePath("Covers"), nullptr, cancelled);
    QVERIFY(report);
    ReportModel model;
    model.setReport(*report);
    QCOMPARE(report->figures.records, 64);
    QCOMPARE(report->figures.media, 42);  // "no9016" splits a MiniDisc; the deleted count too
    QCOMPARE(report->figures.deleted, 2);
    QCOMPARE(report->figures.unfinished, 0);
    QCOMPARE(report->figures.mediaByKind.size(), 14);  // every kind, and the deleted apart
    QCOMPARE(report->figures.mediaByKind.back(),
             qMakePair(QStringLiteral("deleted"), std::int64_t(2)));
    QCOMPARE(report->figures.topComposers.size(), 15);
    QCOMPARE(report->figures.topComposers.front(),
             qMakePair(QStringLiteral("Johann Sebastian Bach"), std::int64_t(10)));
    // Eight of its media have their covers.
    QStringList found = rows(model), covers;
    for (const QString& row : found)
        if (row.startsWith("Covers | ")) covers << row;
    for (const QString& row : covers) found.removeOne(row);
    QCOMPARE(covers.size(), 40 - 8);
    QCOMPARE(covers.front(), "Covers | \"No9004\" has no front cover (No9004.jpg): 1 record | 5");
    QVERIFY(!covers.join(' ').contains("\"No9001\""));
    // The few mistakes the demo holds on purpose.
    QCOMPARE(found,
             (QStringList{"Probable duplicates | Erik Satie / Gymnopedies / Pascal Roge, piano: 2 "
                          "records on different media | 60, 64",
                          "Name variants | \"Wiener Philharmoniker\" 4 times, \"wiener "
                          "philharmoniker\" once | 2, 37",
                          "Catalogue numbers | Johann Sebastian Bach, BWV 988: \"BWV 988\" 1 "
                          "record, \"BWV988\" 1 record, \"bwv. 988\" 1 record | 1, 62, 63",
                          "Identities | \"No9016\" 1 record, \"no9016\" 1 record: Identities "
                          "that differ only in case | 28, 29",
                          "Names not in the pick lists | Soloist \"Felix Ayo, violin\" is in none "
                          "of AKSoloists.txt, LZSoloists.txt and Vocal.txt: 4 records | 13",
                          "Names not in the pick lists | Composer \"Ruggero Leoncavallo\" is not "
                          "in Composers.txt: 1 record | 17",
                          "Unfinished records | Deleted records (Identity \"~~~\"): 2 | 11, 47"}));
}

void CollectionCheckTest::listsTheMediaWithoutAFrontCover_data() {
    QTest::addColumn<QStringList>("pictures");
    QTest::addColumn<QStringList>("found");
    QTest::newRow("some") << QStringList{"No0001.jpg", "Other collection.jpg"}
                          << QStringList{
                                 "Covers | \"No0002\" has no front cover (No0002.jpg): 2 "
                                 "records | 2, 3",
                                 "Covers | \"No0003\" has no front cover (No0003.jpg): 1 "
                                 "record | 4"};
    QTest::newRow("none") << QStringList{"Other collection.jpg"}
                          << QStringList{
                                 "Covers | None of the 3 media has a front cover in %1 | "
                                 "1, 2, 4"};
}

void CollectionCheckTest::listsTheMediaWithoutAFrontCover() {
    QFETCH(QStringList, pictures);
    QFETCH(QStringList, found);
    // A blank Identity and a deleted record name no cover; "no0001" is not "No0001".
    const std::vector<QStringList> records = {
        {"No0001 CD", "Bach, J.S."}, {"No0002 LP", "Bach, J.S."}, {"No0002 LP", "Bach, J.S."},
        {"No0003 CD", "Bach, J.S."}, {"", "Bach, J.S."},          {"~~~"}};
    dir_ = std::make_unique<CollectionDir>(records);
    writeLists(*dir_);
    for (const QString& picture : pictures) dir_->write("Sonvella400/Covers/" + picture, "jpeg");
    loadWindow();
    check_ = std::make_unique<CheckWindow>(*w_);
    check_->start();
    QTRY_COMPARE(check_->phase(), CheckWindow::Phase::Done);
    QStringList covers;
    for (const QString& row : rows(check_->model()))
        if (row.startsWith("Covers | ")) covers << row;
    if (found.size() == 1)
        found[0] = found[0].arg(QDir::toNativeSeparators(dir_->path("Sonvella400/Covers")));
    QCOMPARE(covers, found);
}

void CollectionCheckTest::findsACatalogueNumberWrittenSeveralWays() {
    // One work written three ways; one written one way twice; the same opus of two composers,
    // which is two works.
    check({
        {"No0001 CD", "Bach, J.S.", "Goldberg Variations, BWV 988"},
        {"No0002 CD", "Bach, J.S.", "Goldberg Variations, BWV 988"},
        {"No0003 CD", "Johann Sebastian Bach", "Goldberg-Variationen BWV988"},
        {"No0004 CD", "Bach", "Aria (bwv. 988)"},
        {"No0005 CD", "Bach, J.S.", "Goldberg Variations, BWV 988"},
        {"No0006 CD", "Bach, J.S.", "Cello Suite No. 1, BWV 1007"},
        {"No0007 CD", "Bach, J.S.", "Cello Suite No. 1, BWV 1007"},
        {"No0008 CD", "Beethoven", "Sonata Op. 27 No. 2"},
        {"No0009 CD", "Chopin", "Nocturne op.27/2"},
    });
    QCOMPARE(check_->phase(), CheckWindow::Phase::Done);
    QCOMPARE(rows(check_->model()).filter(QStringLiteral("Catalogue numbers |")),
             QStringList{"Catalogue numbers | Johann Sebastian Bach, BWV 988: \"BWV 988\" 3 "
                         "records, \"BWV988\" 1 record, \"bwv. 988\" 1 record | 1, 3, 4"});
}

void CollectionCheckTest::anEmptyCollectionShowsZeros() {
    check({});
    QCOMPARE(check_->phase(), CheckWindow::Phase::Done);
    QCOMPARE(check_->figures().records, 0);
    QCOMPARE(check_->figures().media, 0);
    QVERIFY(check_->figures().mediaByKind.isEmpty());
    QCOMPARE(check_->model().rowCount(), 0);
}

void CollectionCheckTest::aListOfRecordsEndsInDotsOnlyWhenSomeAreLeftOut_data() {
    QTest::addColumn<int>("deleted");
    QTest::addColumn<bool>("dots");
    QTest::newRow("as many as are listed") << collection_check::kMaxNumbers << false;
    QTest::newRow("one more") << collection_check::kMaxNumbers + 1 << true;
}

void CollectionCheckTest::aListOfRecordsEndsInDotsOnlyWhenSomeAreLeftOut() {
    QFETCH(int, deleted);
    QFETCH(bool, dots);
    check(std::vector<QStringList>(size_t(deleted), QStringList{"~~~"}));
    const QString numbers = rows(check_->model()).constLast().section(QStringLiteral(" | "), 2);
    QCOMPARE(numbers.endsWith(QStringLiteral(", 50, ...")), dots);
    QCOMPARE(numbers.endsWith(QStringLiteral(", 50")), !dots);
}

void CollectionCheckTest::aCollectionThatCannotBeReadSaysWhy() {
    dir_ = std::make_unique<CollectionDir>(kHandMade);
    w_ = std::make_unique<RecordWindow>(session_, fakes_.services());
    QVERIFY(w_->Form_Load());
    QVERIFY(QFile::remove(dir_->path("Clasical.dat")));
    QVERIFY(QDir(dir_->path()).mkdir("Clasical.dat"));
    fakes_.dialogs.expectMessage(
        kTitle, "The collection could not be read:\n" + dir_->path("Clasical.dat") + " is a folder",
        Icon::Exclamation);
    check_ = std::make_unique<CheckWindow>(*w_);
    check_->start();
    QTRY_COMPARE(check_->phase(), CheckWindow::Phase::Failed);
    QCOMPARE(check_->model().rowCount(), 0);
}

void CollectionCheckTest::goingToAFindingSavesTheRecordShownFirst() {
    check(kHandMade);
    w_->typeInto(record::txtSp, QStringLiteral("typed on record 1"));
    QVERIFY(check_->goToFinding(kBacharachRow));
    QCOMPARE(w_->state().current, 3);
    QCOMPARE(w_->state().boxes[record::txtOno], QStringLiteral("Bacharach"));
    QCOMPARE(store::trimBlanks(dir_->field(1, store::Field::Cover)),
             QStringLiteral("typed on record 1"));

    // A record that cannot be saved keeps the window where it is, with what was typed.
    const QString path = dir_->path("Clasical.dat");
    QVERIFY(QFile::copy(path, path + ".new") && QFile::remove(path) &&
            QFile::rename(path + ".new", path));
    w_->typeInto(record::txtSp, QStringLiteral("typed on record 3"));
    fakes_.dialogs.expectMessage(
        "Sonvella 4.0",
        "Opus Number  3 could not be saved:\n" + path + " has been replaced by another file",
        Icon::Exclamation);
    QVERIFY(!check_->goToFinding(0));
    QCOMPARE(w_->state().current, 3);
    QCOMPARE(w_->state().boxes[record::txtSp], QStringLiteral("typed on record 3"));
}

void CollectionCheckTest::addToListGoesThroughThePickListPanel() {
    check(kHandMade);
    QCOMPARE(check_->listsFor(0), QList<int>());
    QCOMPARE(check_->listsFor(kBacharachRow), QList<int>{0});
    QCOMPARE(check_->listsFor(kBacharachRow + 1), (QList<int>{1, 3}));  // Conductors, Orchestras
    QCOMPARE(check_->listsFor(kPolliniRow), (QList<int>{5, 6}));        // L-Z by "M", or Vocal

    fakes_.dialogs.expectMessage("Sonvella 4.0", "Composer <Bacharach> has been added to the list",
                                 Icon::Information);
    check_->addToList(kBacharachRow, 0);
    QCOMPARE(dir_->bytes("Composers.txt"), QByteArray("\"Bach, J.S.\"\r\nBacharach\r\n"));
    QVERIFY(w_->pickPanel().state().lists[0].contains("Bacharach"));
    QCOMPARE(check_->model().rowCount(), kHandMadeFindings.size() - 1);
    QCOMPARE(rows(check_->model())[kBacharachRow], kHandMadeFindings[kBacharachRow + 1]);
}

void CollectionCheckTest::soloistsSplitAtLineBreaksAndFileBySurname() {
    // The Soloists box holds several lines; the lists file "First Last, instrument" by surname.
    check({{"No0001 CD", "Bach", "Cantatas", "", "Carolyn Sampson\r\nRobin Blaze"},
           {"No0002 CD", "Beethoven", "Sonatas", "", "Wilhelm Kempff, piano"}},
          [](const CollectionDir& dir) { dir.write("AKSoloists.txt", "Robin Blaze\r\n"); });
    QCOMPARE(check_->phase(), CheckWindow::Phase::Done);
    QStringList soloists;
    for (const QString& row : rows(check_->model()))
        if (row.contains("Soloist ")) soloists << row;
    QCOMPARE(soloists.size(), 2);
    QVERIFY2(soloists[0].contains("\"Carolyn Sampson\" is in none"), qPrintable(soloists[0]));
    QVERIFY2(soloists[1].contains("\"Wilhelm Kempff, piano\""), qPrintable(soloists[1]));
    const QStringList all = rows(check_->model());
    QCOMPARE(check_->listsFor(int(all.indexOf(soloists[0]))), (QList<int>{5, 6}));  // S: L-Z
    QCOMPARE(check_->listsFor(int(all.indexOf(soloists[1]))), (QList<int>{4, 6}));  // K: A-K
}

void CollectionCheckTest::savesTheCheckAsOneHtmlPage() {
    check(kHandMade);
    const QString path = platform::programFile("Collection Check.html");
    fakes_.dialogs.expectMessage(kTitle, "The Collection Check was saved in:\n" + path,
                                 Icon::Information);
    const QByteArray media("\x89PNG media chart"), composers("\x89PNG composers chart");
    check_->saveAsHtml({media, composers});
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray html = file.readAll();
    QVERIFY(html.startsWith("<!DOCTYPE html>"));
    QVERIFY(html.contains("<meta charset=\"utf-8\">"));
    QVERIFY(html.contains("data:image/png;base64," + media.toBase64() + '"'));
    QVERIFY(html.contains("data:image/png;base64," + composers.toBase64() + '"'));
    QVERIFY(html.contains("&quot;Bach, J.S.&quot; 5 times"));
    QVERIFY(html.contains(QStringLiteral("Κρατική Ορχήστρα Αθηνών").toUtf8()));
    QStringDecoder utf8(QStringDecoder::Utf8);
    const QString decoded = utf8(html);
    QVERIFY(!utf8.hasError());
    QVERIFY(!decoded.contains("src=\"http") && !decoded.contains("<link"));  // nothing outside
}

void CollectionCheckTest::aPageThatCannotBeWrittenSaysWhere() {
    check(kHandMade);
    const QString path = platform::programFile("Collection Check.html");
    QVERIFY(QDir().mkpath(path));  // a folder where the page would go
    QSaveFile probe(path);
    QVERIFY(!probe.open(QIODevice::WriteOnly));
    fakes_.dialogs.expectMessage(
        kTitle, "The Collection Check could not be saved in:\n" + path + "\n" + probe.errorString(),
        Icon::Exclamation);
    check_->saveAsHtml({});
    QVERIFY(QFileInfo(path).isDir());
}

void CollectionCheckTest::aPageCutShortByAFullDiskIsNotSaved() {
    check(kHandMade);
    const QString path = platform::programFile("Collection Check.html");
    {
        testing::FileSizeLimit limit(4096);  // less than the page with its charts
        QVERIFY(limit.active());
        fakes_.dialogs.expectMessage(
            kTitle, "The Collection Check could not be saved in:\n" + path + "\nFile too large",
            Icon::Exclamation);
        check_->saveAsHtml({QByteArray(20000, 'm'), QByteArray(20000, 'c')});
    }
    QVERIFY(!QFileInfo::exists(path));
}

QTEST_GUILESS_MAIN(CollectionCheckTest)
#include "tst_collection_check.moc"
