// "TO PRINT" and "PRINT": the selection written into the open print job, eight blocks a sheet.

#include <QLocale>
#include <QScopeGuard>
#include <QTest>

#include "print/print_selection.h"
#include "print/range_print.h"
#include "record/record_window.h"
#include "support/collection_dir.h"
#include "support/fakes.h"
#include "support/window_test.h"

using platform::Icon;
using record::RecordWindow;
using testing::CollectionDir;

namespace {

const QString kTitle = QStringLiteral("Sonvella 4.0");
const QString kPrinting = QStringLiteral(
    "Opus Number(s) you have selected by clicking\non <TO PRINT>, are now being printed.");
const QString kDashes = QString(250, QLatin1Char('-'));

QString pad(const QString& text, int width) {
    return text.leftJustified(width, QLatin1Char(' '), true);
}

QStringList sheetHead() {
    return {"", "", "", "Sonvella 4.0 My Music Collection: Printed on 7/12/2026, 14:05"};
}

QStringList block(int n) {
    const QStringList f = testing::numberedRecords(n).back();
    return {kDashes,
            pad(f[0], 45).leftJustified(89) + "Opus # =  " + QString::number(n) + " ",
            pad(f[1], 45) + "     " + pad(f[2], 60),
            pad(f[3], 75),
            pad(f[4], 115),
            pad(f[5], 115),
            kDashes};
}

}  // namespace

class PrintSelectionTest : public testing::WindowTest {
    Q_OBJECT
private slots:
    void toPrintSaysWhatWillBePrinted();
    void eightBlocksMakeASheet_data();
    void eightBlocksMakeASheet();
    void printWithNothingSelectedStillSaysSo();
    void theRecordAsStoredIsPrintedNotTheEdits();
    void aRangePrintContinuesTheSameSheet();
    void aDroppedJobStartsTheNextSelectionOnAFreshSheet();
    void theHeadTakesOnlyItsSeparatorsFromTheLocale_data();
    void theHeadTakesOnlyItsSeparatorsFromTheLocale();

private:
    void select(int n) {
        QVERIFY(w_->showRecord(n));
        print::cmdPrint(*w_);
    }
};

void PrintSelectionTest::toPrintSaysWhatWillBePrinted() {
    load(20);
    select(12);
    QCOMPARE(w_->state().status,
             QStringLiteral("Opus Number < 12 > will be printed. Click on 'PRINT' to "
                            "print all selected opus numbers"));
    QVERIFY(fakes_.printer.jobs.empty());  // nothing comes out before PRINT
    fakes_.dialogs.expectMessage(kTitle, kPrinting, Icon::Information);
    print::cmdEndPrint(*w_);
    QCOMPARE(w_->state().status, QString());
    QCOMPARE(platform::pageText(fakes_.printer.jobs.at(0).at(0)), sheetHead() + block(12));
}

void PrintSelectionTest::eightBlocksMakeASheet_data() {
    QTest::addColumn<int>("selected");
    QTest::addColumn<int>("sheets");
    QTest::newRow("eight") << 8 << 1;
    QTest::newRow("nine") << 9 << 2;
}

void PrintSelectionTest::eightBlocksMakeASheet() {
    QFETCH(int, selected);
    QFETCH(int, sheets);
    load(10);
    for (int n = 1; n <= selected; ++n) select(n);
    fakes_.dialogs.expectMessage(kTitle, kPrinting, Icon::Information);
    print::cmdEndPrint(*w_);
    const auto& pages = fakes_.printer.jobs.at(0);
    QCOMPARE(int(pages.size()), sheets);
    QStringList first = sheetHead();
    for (int n = 1; n <= 8; ++n) first += block(n);
    QCOMPARE(platform::pageText(pages[0]), first);
    if (sheets == 2) QCOMPARE(platform::pageText(pages[1]), sheetHead() + block(9));
    QCOMPARE(fakes_.printJob.recordsOnSheet(), std::int16_t(0));
}

void PrintSelectionTest::printWithNothingSelectedStillSaysSo() {
    load(3);
    fakes_.dialogs.expectMessage(kTitle, kPrinting, Icon::Information);
    print::cmdEndPrint(*w_);
    QVERIFY(fakes_.printer.jobs.empty());
}

void PrintSelectionTest::theRecordAsStoredIsPrintedNotTheEdits() {
    load(3);
    QVERIFY(w_->showRecord(2));
    w_->typeInto(record::txtOno, QStringLiteral("Unsaved"));
    print::cmdPrint(*w_);
    print::cmdPrint(*w_);  // twice is printed twice
    fakes_.dialogs.expectMessage(kTitle, kPrinting, Icon::Information);
    print::cmdEndPrint(*w_);
    QCOMPARE(platform::pageText(fakes_.printer.jobs.at(0).at(0)),
             sheetHead() + block(2) + block(2));
}

void PrintSelectionTest::aRangePrintContinuesTheSameSheet() {
    load(10);
    select(3);
    select(4);
    fakes_.dialogs
        .expectInput("Sonvella 4.0: Print for Filing/First Number",
                     "Print a Range of Opus Numbers for Filing.\nEnter First number to print:", "1")
        .expectInput("Sonvella 4.0: Print for Filing/Last Number",
                     "Print a Range of Opus Numbers for Filing.\nEnter Last number to print:", "1")
        .expectMessage(kTitle, "Printing Opus Numbers from  1 to  1  has been completed",
                       Icon::Information);
    print::mnuPrintRange(*w_);
    // The range print ended the job: the pending blocks came out with it, on the same sheet.
    const QStringList sheet = platform::pageText(fakes_.printer.jobs.at(0).at(0));
    QCOMPARE(sheet.mid(0, 18), sheetHead() + block(3) + block(4));
    QCOMPARE(sheet.size(), 18 + 23);
    // That sheet has come out: the next block starts a sheet of its own, with its head.
    select(5);
    fakes_.dialogs.expectMessage(kTitle, kPrinting, Icon::Information);
    print::cmdEndPrint(*w_);
    QCOMPARE(platform::pageText(fakes_.printer.jobs.at(1).at(0)), sheetHead() + block(5));
}

void PrintSelectionTest::aDroppedJobStartsTheNextSelectionOnAFreshSheet() {
    load(10);
    select(3);
    select(4);
    // The range print fails: the job is dropped, the pending blocks with it.
    fakes_.printer.answer = {platform::PrintOutcome::Failed, {}, "The printer is out of paper."};
    fakes_.dialogs
        .expectInput("Sonvella 4.0: Print for Filing/First Number",
                     "Print a Range of Opus Numbers for Filing.\nEnter First number to print:", "1")
        .expectInput("Sonvella 4.0: Print for Filing/Last Number",
                     "Print a Range of Opus Numbers for Filing.\nEnter Last number to print:", "1")
        .expectMessage(kTitle, "Nothing was printed:\nThe printer is out of paper.",
                       Icon::Exclamation);
    print::mnuPrintRange(*w_);
    fakes_.printer.answer = {platform::PrintOutcome::Printed, "Test printer", {}};
    // Nine blocks: a head and eight on the first sheet, a head and the ninth on the second.
    for (int n = 1; n <= 9; ++n) select(n);
    fakes_.dialogs.expectMessage(kTitle, kPrinting, Icon::Information);
    print::cmdEndPrint(*w_);
    const auto& sheets = fakes_.printer.jobs.at(1);
    QCOMPARE(sheets.size(), size_t(2));
    QCOMPARE(platform::pageText(sheets[0]).size(), 4 + 8 * 7);
    QCOMPARE(platform::pageText(sheets[0]).mid(0, 11), sheetHead() + block(1));
    QCOMPARE(platform::pageText(sheets[1]), sheetHead() + block(9));
}

void PrintSelectionTest::theHeadTakesOnlyItsSeparatorsFromTheLocale_data() {
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<QString>("printedOn");
    QTest::newRow("dd-MM-yyyy HH:mm") << QLocale(QLocale::Dutch) << "7-12-2026, 14:05";
    QTest::newRow("d.M.yyyy H.mm") << QLocale(QLocale::Finnish) << "7.12.2026, 14.05";
}

void PrintSelectionTest::theHeadTakesOnlyItsSeparatorsFromTheLocale() {
    QFETCH(QLocale, locale);
    QFETCH(QString, printedOn);
    const auto restore = qScopeGuard([old = QLocale()] { QLocale::setDefault(old); });
    QLocale::setDefault(locale);
    load(3);
    select(1);
    fakes_.dialogs.expectMessage(kTitle, kPrinting, Icon::Information);
    print::cmdEndPrint(*w_);
    QCOMPARE(platform::pageText(fakes_.printer.jobs.at(0).at(0)).at(3),
             "Sonvella 4.0 My Music Collection: Printed on " + printedOn);
}

QTEST_GUILESS_MAIN(PrintSelectionTest)
#include "tst_print_selection.moc"
