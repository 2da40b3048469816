// First, last, next, previous and go-to, with scripted dialogs and real files.

#include <QFile>
#include <QTest>

#include "record/record_window.h"
#include "support/collection_dir.h"
#include "support/fakes.h"
#include "support/window_test.h"

using platform::Icon;
using record::RecordWindow;
using store::Field;
using testing::CollectionDir;

namespace {

const QString kTitle = QStringLiteral("Sonvella 4.0");
const QString kFindTitle = QStringLiteral("Sonvella 4.0: Find Sonvella Number");
const QString kFindPrompt = QStringLiteral("Find Sonvella Number:");

}  // namespace

class NavigationTest : public testing::WindowTest {
    Q_OBJECT
private slots:
    void nextAndPreviousSaveTheRecordLeft();
    void theEndsBeepAndSaveNothing_data();
    void theEndsBeepAndSaveNothing();
    void firstAndLastSaveFirst();
    void goesToATypedNumber_data();
    void goesToATypedNumber();
    void goToAsksAgainForBadNumbers_data();
    void goToAsksAgainForBadNumbers();
    void goToBeyondTheLastRepeatsTheTypedText();
    void anEmptyAnswerChangesNothing();
    void aSaveThatFailsKeepsTheRecord();
    void goingToARecordWhileACommandRunsMovesNothing();

private:
    testing::RecordingShell& shell_ = fakes_.shell;
};

void NavigationTest::nextAndPreviousSaveTheRecordLeft() {
    load(5);
    w_->typeInto(record::txtOno, QStringLiteral("Edited 1"));
    w_->cmdNext();
    QCOMPARE(w_->state().current, 2);
    QCOMPARE(w_->state().boxes[record::txtOno], QStringLiteral("Composer 2"));
    QCOMPARE(w_->state().caption,
             QStringLiteral("Sonvella 4.0 - My Music Collection - Opus No:  2  of  5"));
    QCOMPARE(store::trimBlanks(dir_->field(1, Field::Composer)), QStringLiteral("Edited 1"));
    w_->typeInto(record::txtOno, QStringLiteral("Edited 2"));
    w_->cmdPrevious();
    QCOMPARE(w_->state().current, 1);
    QCOMPARE(w_->state().boxes[record::txtOno], QStringLiteral("Edited 1"));
    QCOMPARE(store::trimBlanks(dir_->field(2, Field::Composer)), QStringLiteral("Edited 2"));
}

void NavigationTest::theEndsBeepAndSaveNothing_data() {
    QTest::addColumn<bool>("next");
    QTest::newRow("next on the last") << true;
    QTest::newRow("previous on the first") << false;
}

void NavigationTest::theEndsBeepAndSaveNothing() {
    QFETCH(bool, next);
    load(3);
    if (next) {
        QVERIFY(w_->showRecord(3));
    }
    const QByteArray before = dir_->bytes();
    w_->typeInto(record::txtTitlos, QStringLiteral("not saved"));
    dialogs_.expectBeep().expectMessage(
        kTitle, next ? "Last Opus Number Reached" : "First Opus Number Reached", Icon::Exclamation);
    next ? w_->cmdNext() : w_->cmdPrevious();
    QCOMPARE(dir_->bytes(), before);
    QCOMPARE(w_->state().current, next ? 3 : 1);
    QCOMPARE(w_->state().boxes[record::txtTitlos], QStringLiteral("not saved"));
}

void NavigationTest::firstAndLastSaveFirst() {
    load(4);
    w_->typeInto(record::txtSp, QStringLiteral("Cover edited"));
    w_->CmdLast();
    QCOMPARE(w_->state().current, 4);
    QCOMPARE(store::trimBlanks(dir_->field(1, Field::Cover)), QStringLiteral("Cover edited"));
    w_->typeInto(record::txtSp, QStringLiteral("Last edited"));
    w_->CmdFirst();
    QCOMPARE(w_->state().current, 1);
    QCOMPARE(store::trimBlanks(dir_->field(4, Field::Cover)), QStringLiteral("Last edited"));
}

void NavigationTest::goesToATypedNumber_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<int>("record");
    QTest::newRow("5") << "5" << 5;
    QTest::newRow("7.5 rounds to 8") << "7.5" << 8;
    QTest::newRow("6.5 rounds to 6") << "6.5" << 6;
    QTest::newRow("blanks around") << "  9 " << 9;
    QTest::newRow("leading zero") << "010" << 10;
}

void NavigationTest::goesToATypedNumber() {
    QFETCH(QString, typed);
    QFETCH(int, record);
    load(10);
    const QByteArray before = dir_->bytes();
    w_->typeInto(record::txtOno, QStringLiteral("dropped"));  // go-to does not save
    dialogs_.expectInput(kFindTitle, kFindPrompt, typed);
    w_->cmdFindcode();
    QCOMPARE(w_->state().current, record);
    QCOMPARE(w_->state().boxes[record::txtOno], QStringLiteral("Composer %1").arg(record));
    QCOMPARE(dir_->bytes(), before);
}

void NavigationTest::goToAsksAgainForBadNumbers_data() {
    QTest::addColumn<QString>("typed");
    QTest::newRow("0") << "0";
    QTest::newRow("-3") << "-3";
    QTest::newRow("abc") << "abc";
    QTest::newRow("beyond 32 bits") << "4294967296";
    QTest::newRow("below 32 bits") << "-4294967296";
}

void NavigationTest::goToAsksAgainForBadNumbers() {
    QFETCH(QString, typed);
    load(345);
    dialogs_.expectInput(kFindTitle, kFindPrompt, typed)
        .expectMessage(kTitle, "Please type a number between 1 and  345", Icon::Information)
        .expectInput(kFindTitle, kFindPrompt, "12");
    w_->cmdFindcode();
    QCOMPARE(w_->state().current, 12);
}

void NavigationTest::goToBeyondTheLastRepeatsTheTypedText() {
    load(345);
    QVERIFY(w_->showRecord(7));
    w_->typeInto(record::txtOno, QStringLiteral("edit dropped"));
    dialogs_.expectInput(kFindTitle, kFindPrompt, "0346")
        .expectMessage(kTitle, "Opus Number 0346 was Not Found", Icon::Information);
    w_->cmdFindcode();
    QCOMPARE(w_->state().current, 7);
    QCOMPARE(w_->state().boxes[record::txtOno],
             QStringLiteral("Composer 7"));  // re-read from the file
    QCOMPARE(store::trimBlanks(dir_->field(7, Field::Composer)), QStringLiteral("Composer 7"));
}

void NavigationTest::anEmptyAnswerChangesNothing() {
    load(3);
    w_->typeInto(record::txtOno, QStringLiteral("kept"));
    dialogs_.expectInput(kFindTitle, kFindPrompt, "");
    w_->cmdFindcode();
    QCOMPARE(w_->state().current, 1);
    QCOMPARE(w_->state().boxes[record::txtOno], QStringLiteral("kept"));
}

void NavigationTest::aSaveThatFailsKeepsTheRecord() {
    if (!QFile::exists("/dev/full")) QSKIP("no /dev/full here");
    // Two records' worth of a file that cannot take a write: next must stay where it is.
    dir_ = std::make_unique<CollectionDir>(testing::numberedRecords(3));
    w_ = std::make_unique<RecordWindow>(session_, fakes_.services());
    QVERIFY(w_->Form_Load());
    QFile::remove(dir_->path("Clasical.dat"));
    QVERIFY(QFile::link("/dev/full", dir_->path("Clasical.dat")));
    w_->typeInto(record::txtOno, QStringLiteral("Typed"));
    dialogs_.expectMessage(kTitle,
                           "Opus Number  1 could not be saved:\n" + dir_->path("Clasical.dat") +
                               " has been replaced by another file",
                           Icon::Exclamation);
    w_->cmdNext();
    QCOMPARE(w_->state().current, 1);
    QCOMPARE(w_->state().boxes[record::txtOno], QStringLiteral("Typed"));
    QCOMPARE(w_->state().caption,
             QStringLiteral("Sonvella 4.0 - My Music Collection - Opus No:  1  of  3"));
}

void NavigationTest::goingToARecordWhileACommandRunsMovesNothing() {
    // Quick Find and the Collection Check open records through goToRecord while a long command
    // of the window may still be running.
    load(3);
    w_->typeInto(record::txtOno, QStringLiteral("Typed"));
    w_->setBusy(true);
    dialogs_.expectBeep();
    QVERIFY(!w_->goToRecord(2, QStringLiteral("Quick Find...")));
    w_->setBusy(false);
    QCOMPARE(w_->state().current, 1);
    QCOMPARE(store::trimBlanks(dir_->field(1, Field::Composer)), QStringLiteral("Composer 1"));
    QVERIFY(w_->goToRecord(2, QStringLiteral("Quick Find...")));
    QCOMPARE(w_->state().current, 2);
}

QTEST_GUILESS_MAIN(NavigationTest)
#include "tst_navigation.moc"
