// ForwardSearch through the single-field commands: where it starts, where it stops, what it says,
// and how texts are matched against the stored fields.

#include <QTest>

#include "record/record_window.h"
#include "search/search_commands.h"
#include "store/codepage.h"
#include "support/collection_dir.h"
#include "support/fakes.h"
#include "support/window_test.h"

using platform::Answer;
using platform::Buttons;
using platform::Icon;
using record::RecordWindow;
using testing::CollectionDir;

namespace {

const QString kTitle = QStringLiteral("Sonvella 4.0");
const QString kNoneOther = QStringLiteral("None Other Similar Opus Number Found");

const search::SearchCommand& command(const char* menuEntry) {
    for (const auto& c : search::kSearchCommands) {
        if (QLatin1String(c.menuEntry) == QLatin1String(menuEntry)) return c;
    }
    qFatal("no search %s", menuEntry);
}

}  // namespace

class ForwardSearchTest : public testing::WindowTest {
    Q_OBJECT
private slots:
    void startsAtOneWhateverIsShown();
    void aHitInTheLastRecordEndsAtOnce();
    void nothingFoundShowsTheOldRecordAgain();
    void twoHitsAnsweredNo();
    void yesSelectsTheHitForPrinting();
    void cancelLeavesTheHitShown();
    void textsMatchTheStoredField_data();
    void textsMatchTheStoredField();
    void deletedRecordsAreExaminedToo();
    void theCaptionCountsTheRecords();
    void aTextTheCodePageCannotHoldMatchesNothing();

private:
    void expectComposerSearch(const QString& text) {
        dialogs_.expectInput("Sonvella 4.0: Find Composer", "Find Composer:", text);
    }
    void expectPrintQuestion(int n, Answer answer) {
        dialogs_.expectMessage(kTitle,
                               QStringLiteral("Do you Wish to Print Opus Number  %1 ;").arg(n),
                               Icon::Question, Buttons::YesNoCancel, answer);
    }
};

void ForwardSearchTest::startsAtOneWhateverIsShown() {
    load(testing::numberedRecords(9));
    QVERIFY(w_->showRecord(7));
    dialogs_.expectInput("Sonvella 4.0: Find Title", "Find Title:", "Title ");
    expectPrintQuestion(1, Answer::Cancel);
    runSearch(*w_, command("mnuTitle"));
    QCOMPARE(w_->state().current, 1);
    QCOMPARE(w_->state().boxes[record::txtTitlos], QStringLiteral("Title 1"));
    QCOMPARE(w_->state().caption,
             QStringLiteral("Sonvella 4.0 - My Music Collection - Opus No:  1  of  9"));
}

void ForwardSearchTest::aHitInTheLastRecordEndsAtOnce() {
    load({{"No0001 CD", "Bach"}, {"No0002 CD", "Ravel"}, {"No0003 CD", "Mahler"}});
    for (Answer answer : {Answer::No, Answer::Yes}) {
        expectComposerSearch("Mahler");
        expectPrintQuestion(3, answer);
        dialogs_.expectMessage(kTitle, kNoneOther, Icon::Exclamation);
        runSearch(*w_, command("mnuAuthor"));
        QCOMPARE(w_->state().current, 3);
    }
}

void ForwardSearchTest::nothingFoundShowsTheOldRecordAgain() {
    load({{"No0001 CD", "Bach"}, {"No0002 CD", "Ravel"}});
    QVERIFY(w_->showRecord(2));
    w_->typeInto(record::txtOno, QStringLiteral("unsaved edit"));
    const QByteArray before = dir_->bytes();
    expectComposerSearch("Mahler");
    dialogs_.expectMessage(kTitle, "Composer Mahler was Not Found", Icon::Information);
    runSearch(*w_, command("mnuAuthor"));
    QCOMPARE(w_->state().current, 2);
    QCOMPARE(w_->state().boxes[record::txtOno], QStringLiteral("Ravel"));  // the edit is gone
    QCOMPARE(dir_->bytes(), before);                                       // and was never saved
    QCOMPARE(w_->state().caption,
             QStringLiteral("Sonvella 4.0 - My Music Collection - Opus No:  2  of  2"));
}

void ForwardSearchTest::twoHitsAnsweredNo() {
    load({{"No0001", "Bach"}, {"No0002", "Ravel"}, {"No0003", "J.S. Bach"}, {"No0004", "Mahler"}});
    expectComposerSearch("Bach");
    expectPrintQuestion(1, Answer::No);
    expectPrintQuestion(3, Answer::No);
    dialogs_.expectMessage(kTitle, kNoneOther, Icon::Exclamation);
    runSearch(*w_, command("mnuAuthor"));
    QCOMPARE(w_->state().current, 3);
    QCOMPARE(w_->state().boxes[record::txtOno], QStringLiteral("J.S. Bach"));
    QCOMPARE(w_->state().caption,
             QStringLiteral("Sonvella 4.0 - My Music Collection - Opus No:  3  of  4"));
}

void ForwardSearchTest::yesSelectsTheHitForPrinting() {
    load({{"No0001", "Bach"}, {"No0002", "Ravel"}, {"No0003", "Bach"}});
    expectComposerSearch("Bach");
    expectPrintQuestion(1, Answer::Yes);
    expectPrintQuestion(3, Answer::No);
    dialogs_.expectMessage(kTitle, kNoneOther, Icon::Exclamation);
    runSearch(*w_, command("mnuAuthor"));
    QCOMPARE(fakes_.printJob.recordsOnSheet(), std::int16_t(1));
    QCOMPARE(w_->state().status,
             QStringLiteral("Opus Number < 1 > will be printed. Click on 'PRINT' to "
                            "print all selected opus numbers"));
    QVERIFY(!fakes_.printJob.isEmpty());
}

void ForwardSearchTest::cancelLeavesTheHitShown() {
    load({{"No0001", "Bach"}, {"No0002", "Ravel"}, {"No0003", "Ravel"}});
    expectComposerSearch("Ravel");
    expectPrintQuestion(2, Answer::Cancel);
    runSearch(*w_, command("mnuAuthor"));
    QCOMPARE(w_->state().current, 2);
    QCOMPARE(w_->state().boxes[record::txtOno], QStringLiteral("Ravel"));
}

void ForwardSearchTest::textsMatchTheStoredField_data() {
    QTest::addColumn<QString>("stored");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<bool>("hit");
    QTest::newRow("same case") << "Bach"
                               << "Bach" << true;
    QTest::newRow("a part of it") << "Johann Sebastian Bach"
                                  << "ian Ba" << true;
    QTest::newRow("capitals") << "Bach"
                              << "BACH" << false;
    QTest::newRow("small letters") << "Bach"
                                   << "bach" << false;
    QTest::newRow("a trailing blank matches padding") << "Bach"
                                                      << "Bach " << true;
    QTest::newRow("one blank") << "Bach"
                               << " " << true;
    QTest::newRow("one blank in a full field") << QString(45, QLatin1Char('x')) << " " << false;
    QTest::newRow("46 characters")
        << QString(45, QLatin1Char('x')) << QString(46, QLatin1Char('x')) << false;
    QTest::newRow("the whole width")
        << QString(45, QLatin1Char('x')) << QString(45, QLatin1Char('x')) << true;
    QTest::newRow("greek") << QStringLiteral("Μίκης Θεοδωράκης") << QStringLiteral("Θεοδωράκης")
                           << true;
    QTest::newRow("greek accents count")
        << QStringLiteral("Θεοδωράκης") << QStringLiteral("Θεοδωρακης") << false;
}

void ForwardSearchTest::textsMatchTheStoredField() {
    QFETCH(QString, stored);
    QFETCH(QString, typed);
    QFETCH(bool, hit);
    load({{"No0001", stored}});
    expectComposerSearch(typed);
    if (hit) {
        expectPrintQuestion(1, Answer::No);
        dialogs_.expectMessage(kTitle, kNoneOther, Icon::Exclamation);
    } else {
        dialogs_.expectMessage(kTitle, "Composer " + typed + " was Not Found", Icon::Information);
    }
    runSearch(*w_, command("mnuAuthor"));
}

void ForwardSearchTest::deletedRecordsAreExaminedToo() {
    load({{"~~~"}, {"No0002 CD"}, {"~~~"}});
    dialogs_.expectInput("Sonvella 4.0: Find Identity", "Find Identity:", "~~~");
    expectPrintQuestion(1, Answer::No);
    expectPrintQuestion(3, Answer::No);
    dialogs_.expectMessage(kTitle, kNoneOther, Icon::Exclamation);
    runSearch(*w_, command("mnuISBN"));
}

void ForwardSearchTest::theCaptionCountsTheRecords() {
    load(testing::numberedRecords(20));
    QStringList captions;
    w_->setView({[&] {
                     if (captions.isEmpty() || captions.last() != w_->state().caption)
                         captions << w_->state().caption;
                 },
                 {}});
    expectComposerSearch("nowhere");
    dialogs_.expectMessage(kTitle, "Composer nowhere was Not Found", Icon::Information);
    runSearch(*w_, command("mnuAuthor"));
    const QString searching =
        QStringLiteral("Sonvella 4.0 - My Music Collection - Searching Opus No: ");
    QCOMPARE(captions.first(), searching + " 1  of  20");
    QVERIFY(captions.contains(searching + " 20  of  20"));
    QVERIFY(!captions.contains(searching + " 21  of  20"));
    QCOMPARE(captions.filter(searching).size(), 20);
    QCOMPARE(captions.last(),
             QStringLiteral("Sonvella 4.0 - My Music Collection - Opus No:  1  of  20"));
    w_->setView({});
}

void ForwardSearchTest::aTextTheCodePageCannotHoldMatchesNothing() {
    // Stored as the bytes a careless converter would make of "Dvořák": it must not be found by it.
    dir_ = std::make_unique<CollectionDir>();
    dir_->write("Clasical.dat", testing::record({"No0001", "Dvo?ák"}).bytes().toByteArray());
    w_ = std::make_unique<RecordWindow>(session_, fakes_.services());
    QVERIFY(w_->Form_Load());
    expectComposerSearch(QStringLiteral("Dvořák"));
    dialogs_.expectMessage(kTitle, QStringLiteral("Composer Dvořák was Not Found"),
                           Icon::Information);
    runSearch(*w_, command("mnuAuthor"));
}

QTEST_GUILESS_MAIN(ForwardSearchTest)
#include "tst_forward_search.moc"
