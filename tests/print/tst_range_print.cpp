// Printing the collection six to a sheet (monochrome and colour) and for filing three to a sheet,
// read back from the print job page by page.

#include <QTemporaryDir>
#include <QTest>

#include "platform_qt/qt_printer_output.h"
#include "print/range_print.h"
#include "record/record_window.h"
#include "support/collection_dir.h"
#include "support/fakes.h"
#include "support/pdf_pages.h"
#include "support/window_test.h"

using platform::Answer;
using platform::Buttons;
using platform::Icon;
using record::RecordWindow;
using testing::CollectionDir;

namespace {

const QString kTitle = QStringLiteral("Sonvella 4.0");
const QString kCollectionLine =
    QStringLiteral("Print a Range of Opus Numbers or the Entire Collection.");
const QString kFilingLine = QStringLiteral("Print a Range of Opus Numbers for Filing.");
const QString kRuleUnder = QString(250, QLatin1Char('_'));
const QString kRuleDash = QString(250, QLatin1Char('-'));
const QColor kDarkBlue(10, 10, 80);

QString pad(const QString& text, int width) {
    return text.leftJustified(width, QLatin1Char(' '), true);
}

// The lines a record of testing::numberedRecords() prints as in the collection layout.
QStringList collectionBlock(int n) {
    const QStringList f = testing::numberedRecords(n).back();
    return {"",
            pad(f[1], 45) + "     " + pad(f[2], 60),
            "ORCHESTRA/CONDUCTOR",
            pad(f[3], 75),
            "SOLOISTS",
            pad(f[4], 115),
            "COVER",
            pad(f[5], 115),
            "IDENTITY",
            pad(f[0], 45).leftJustified(79) + "Opus # =  " + QString::number(n) + " ",
            kRuleUnder};
}

QStringList pageHead() {
    return {"", "Sonvella 4.0 - My Music Collection: Printed on 7/12/2026, 14:05", kRuleUnder};
}

}  // namespace

class RangePrintTest : public testing::WindowTest {
    Q_OBJECT
private slots:
    void sixRecordsFillOneSheet();
    void aSeventhStartsASecondSheet();
    void firstEqualToLastPrintsOneRecord();
    void badAnswersStartAgain_data();
    void badAnswersStartAgain();
    void anEmptyAnswerEndsTheCommand();
    void colourPrintsRedTitlesOnDarkBlue();
    void colourStartsAgainAtTheColourQuestion();
    void filingPrintsThreeToASheet_data();
    void filingPrintsThreeToASheet();
    void aDeletedRecordIsPrintedLikeAnyOther();
    void aFailedPrinterIsReportedAndTheJobDropped();
    void rangesBeyond32767Records();
    void rendersToPdf();

private:
    void expectRange(const QString& firstLine, const QString& what, const QString& first,
                     const QString& last);
    void expectCompleted(const QString& first, const QString& last);
};

void RangePrintTest::expectRange(const QString& firstLine, const QString& what,
                                 const QString& first, const QString& last) {
    dialogs_
        .expectInput("Sonvella 4.0: Print " + what + "/First Number",
                     firstLine + "\nEnter First number to print:", first)
        .expectInput("Sonvella 4.0: Print " + what + "/Last Number",
                     firstLine + "\nEnter Last number to print:", last);
}

void RangePrintTest::expectCompleted(const QString& first, const QString& last) {
    dialogs_.expectMessage(
        kTitle, "Printing Opus Numbers from " + first + " to " + last + "  has been completed",
        Icon::Information);
}

void RangePrintTest::sixRecordsFillOneSheet() {
    load(10);
    dialogs_.expectMessage(kTitle, "Do you Wish to Print in Color?", Icon::Question,
                           Buttons::YesNoCancel, Answer::No);
    expectRange(kCollectionLine, "Collection", "1", "6");
    expectCompleted(" 1", " 6");
    print::mnuPrintCollection(*w_);
    QCOMPARE(fakes_.printer.jobs.size(), size_t(1));
    const auto& pages = fakes_.printer.jobs[0];
    QCOMPARE(pages.size(), size_t(1));
    QStringList expected = pageHead();
    for (int n = 1; n <= 6; ++n) expected += collectionBlock(n);
    expected << ""
             << "Page Number =  1 ";
    QCOMPARE(platform::pageText(pages[0]), expected);
    // The window went through the range and shows the last record printed.
    QCOMPARE(w_->state().current, 6);
    QCOMPARE(w_->state().boxes[record::txtOno], QStringLiteral("Composer 6"));
    QCOMPARE(w_->state().status, QString());
    // Monochrome: no colour was set.
    QCOMPARE(pages[0].lines[4].items[0].colorMode, platform::ColorMode::Monochrome);
}

void RangePrintTest::aSeventhStartsASecondSheet() {
    load(10);
    dialogs_.expectMessage(kTitle, "Do you Wish to Print in Color?", Icon::Question,
                           Buttons::YesNoCancel, Answer::No);
    expectRange(kCollectionLine, "Collection", "1", "7");
    expectCompleted(" 1", " 7");
    print::mnuPrintCollection(*w_);
    const auto& pages = fakes_.printer.jobs.at(0);
    QCOMPARE(pages.size(), size_t(2));
    QStringList second = pageHead() + collectionBlock(7);
    second << ""
           << "Page Number =  2 ";
    QCOMPARE(platform::pageText(pages[1]), second);
    // The part-filled last page carries its number near the foot of the sheet.
    QCOMPARE(pages[1].lines[14].topTwips, 15600);
    QCOMPARE(platform::pageText(pages[0]).last(), QStringLiteral("Page Number =  1 "));
}

void RangePrintTest::firstEqualToLastPrintsOneRecord() {
    load(10);
    dialogs_.expectMessage(kTitle, "Do you Wish to Print in Color?", Icon::Question,
                           Buttons::YesNoCancel, Answer::No);
    expectRange(kCollectionLine, "Collection", "4", " 4 ");
    expectCompleted(" 4", " 4");
    print::mnuPrintCollection(*w_);
    const QStringList page = platform::pageText(fakes_.printer.jobs.at(0).at(0));
    QCOMPARE(page.mid(3, 11), collectionBlock(4));
    QCOMPARE(page.size(), 3 + 11 + 2);
}

void RangePrintTest::badAnswersStartAgain_data() {
    QTest::addColumn<QString>("first");
    QTest::addColumn<QString>("last");
    QTest::addColumn<QString>("message");
    const QString between = QStringLiteral("Please type numbers between 1 and  10");
    QTest::newRow("first after last")
        << "5"
        << "3"
        << "Last number to print must be greater than First number to print.";
    QTest::newRow("not a number") << "abc"
                                  << "3" << between;
    QTest::newRow("only blanks") << " "
                                 << "3" << between;
    QTest::newRow("zero") << "0"
                          << "3" << between;
    QTest::newRow("beyond the last record") << "1"
                                            << "11" << between;
}

void RangePrintTest::badAnswersStartAgain() {
    QFETCH(QString, first);
    QFETCH(QString, last);
    QFETCH(QString, message);
    load(10);
    // Filing starts again at the first prompt.
    expectRange(kFilingLine, "for Filing", first, last);
    dialogs_.expectMessage(kTitle, message, Icon::Information);
    expectRange(kFilingLine, "for Filing", "2", "2");
    expectCompleted(" 2", " 2");
    print::mnuPrintRange(*w_);
    QCOMPARE(fakes_.printer.jobs.size(), size_t(1));
}

void RangePrintTest::anEmptyAnswerEndsTheCommand() {
    load(10);
    dialogs_.expectMessage(kTitle, "Do you Wish to Print in Color?", Icon::Question,
                           Buttons::YesNoCancel, Answer::No);
    expectRange(kCollectionLine, "Collection", "", "5");  // the second box is shown all the same
    dialogs_.expectMessage(kTitle, "You must enter a number in BOTH input boxes",
                           Icon::Information);
    print::mnuPrintCollection(*w_);
    QVERIFY(fakes_.printer.jobs.empty());
    QVERIFY(fakes_.printJob.isEmpty());
    QCOMPARE(w_->state().current, 1);
    // Cancel at the colour question does nothing at all.
    dialogs_.expectMessage(kTitle, "Do you Wish to Print in Color?", Icon::Question,
                           Buttons::YesNoCancel, Answer::Cancel);
    print::mnuPrintCollection(*w_);
}

void RangePrintTest::colourPrintsRedTitlesOnDarkBlue() {
    load(10);
    dialogs_.expectMessage(kTitle, "Do you Wish to Print in Color?", Icon::Question,
                           Buttons::YesNoCancel, Answer::Yes);
    expectRange(kCollectionLine, "Collection", "1", "2");
    expectCompleted(" 1", " 2");
    print::mnuPrintCollection(*w_);
    const auto& lines = fakes_.printer.jobs.at(0).at(0).lines;
    for (size_t i = 0; i < lines.size(); ++i) {
        for (const auto& item : lines[i].items) {
            QCOMPARE(item.colorMode, platform::ColorMode::Color);
            const bool title = i == 4 || i == 15;  // line 2 of each block
            QCOMPARE(item.color, title ? QColor(255, 0, 0) : kDarkBlue);
        }
    }
    QCOMPARE(fakes_.printJob.colorMode(), platform::ColorMode::Monochrome);
}

void RangePrintTest::colourStartsAgainAtTheColourQuestion() {
    load(10);
    dialogs_.expectMessage(kTitle, "Do you Wish to Print in Color?", Icon::Question,
                           Buttons::YesNoCancel, Answer::Yes);
    expectRange(kCollectionLine, "Collection", "9", "20");
    dialogs_.expectMessage(kTitle, "Please type numbers between 1 and  10", Icon::Information);
    // Asked again, the user settles for monochrome.
    dialogs_.expectMessage(kTitle, "Do you Wish to Print in Color?", Icon::Question,
                           Buttons::YesNoCancel, Answer::No);
    expectRange(kCollectionLine, "Collection", "9", "10");
    expectCompleted(" 9", " 10");
    print::mnuPrintCollection(*w_);
    QCOMPARE(fakes_.printer.jobs.at(0).at(0).lines[4].items[0].colorMode,
             platform::ColorMode::Monochrome);
}

void RangePrintTest::filingPrintsThreeToASheet_data() {
    QTest::addColumn<int>("last");
    QTest::addColumn<int>("sheets");
    QTest::newRow("1 to 3") << 3 << 1;
    QTest::newRow("1 to 4") << 4 << 2;
}

void RangePrintTest::filingPrintsThreeToASheet() {
    QFETCH(int, last);
    QFETCH(int, sheets);
    load(5);
    expectRange(kFilingLine, "for Filing", "1", QString::number(last));
    expectCompleted(" 1", " " + QString::number(last));
    print::mnuPrintRange(*w_);
    const auto& pages = fakes_.printer.jobs.at(0);
    QCOMPARE(int(pages.size()), sheets);
    const QStringList first = platform::pageText(pages[0]);
    QCOMPARE(first.size(), 3 * 23);
    const QStringList f = testing::numberedRecords(1).back();
    const QStringList block = {"",
                               "",
                               "",
                               "",
                               "",
                               "",
                               kRuleUnder,
                               "",
                               pad(f[1], 45) + "     " + pad(f[2], 60),
                               kRuleUnder,
                               "ORCHESTRA/CONDUCTOR",
                               pad(f[3], 75),
                               kRuleUnder,
                               "SOLOISTS",
                               pad(f[4], 115),
                               kRuleUnder,
                               "COVER",
                               pad(f[5], 115),
                               kRuleUnder,
                               "IDENTITY",
                               pad(f[0], 45).leftJustified(79) + "Opus # =  1 ",
                               kRuleUnder,
                               kRuleDash};
    QCOMPARE(first.mid(0, 23), block);
    if (sheets == 2) QCOMPARE(platform::pageText(pages[1]).size(), 23);
}

void RangePrintTest::aDeletedRecordIsPrintedLikeAnyOther() {
    dir_ =
        std::make_unique<CollectionDir>(std::vector<QStringList>{{"No0001 CD", "Bach"}, {"~~~"}});
    w_ = std::make_unique<RecordWindow>(session_, fakes_.services());
    QVERIFY(w_->Form_Load());
    expectRange(kFilingLine, "for Filing", "2", "2");
    expectCompleted(" 2", " 2");
    print::mnuPrintRange(*w_);
    const QStringList page = platform::pageText(fakes_.printer.jobs.at(0).at(0));
    QCOMPARE(page[20], pad("~~~", 45).leftJustified(79) + "Opus # =  2 ");
    QCOMPARE(page[8], QString(110, QLatin1Char(' ')));
}

void RangePrintTest::aFailedPrinterIsReportedAndTheJobDropped() {
    load(10);
    fakes_.printer.answer = {
        platform::PrintOutcome::Failed, {}, QStringLiteral("The printer ran out of paper.")};
    dialogs_.expectMessage(kTitle, "Do you Wish to Print in Color?", Icon::Question,
                           Buttons::YesNoCancel, Answer::Yes);
    expectRange(kCollectionLine, "Collection", "1", "3");
    dialogs_.expectMessage(kTitle, "Nothing was printed:\nThe printer ran out of paper.",
                           Icon::Exclamation);
    print::mnuPrintCollection(*w_);  // and no completion message
    QVERIFY(fakes_.printJob.isEmpty());
    QCOMPARE(fakes_.printJob.colorMode(), platform::ColorMode::Monochrome);
    QCOMPARE(w_->state().status, QString());
}

void RangePrintTest::rangesBeyond32767Records() {
    load(32800);
    dialogs_.expectMessage(kTitle, "Do you Wish to Print in Color?", Icon::Question,
                           Buttons::YesNoCancel, Answer::No);
    expectRange(kCollectionLine, "Collection", "1", "32800");
    expectCompleted(" 1", " 32800");
    print::mnuPrintCollection(*w_);
    const auto& pages = fakes_.printer.jobs.at(0);
    QCOMPARE(pages.size(), size_t(5467));  // 32800 / 6, the last page part-filled
    const QStringList last = platform::pageText(pages.back());
    QCOMPARE(last.last(), QStringLiteral("Page Number =  5467 "));
    QVERIFY(last[last.size() - 4].endsWith(QStringLiteral("Opus # =  32800 ")));
    QCOMPARE(w_->state().current, 32800);
}

void RangePrintTest::rendersToPdf() {
    load(7);
    dialogs_.expectMessage(kTitle, "Do you Wish to Print in Color?", Icon::Question,
                           Buttons::YesNoCancel, Answer::Yes);
    expectRange(kCollectionLine, "Collection", "1", "7");
    expectCompleted(" 1", " 7");
    print::mnuPrintCollection(*w_);
    expectRange(kFilingLine, "for Filing", "1", "4");
    expectCompleted(" 1", " 4");
    print::mnuPrintRange(*w_);
    QTemporaryDir out;
    // SONVELLA_PRINTOUTS keeps the files for a person to look at.
    const QString folder = qEnvironmentVariableIsSet("SONVELLA_PRINTOUTS")
                               ? qEnvironmentVariable("SONVELLA_PRINTOUTS")
                               : out.path();
    const QString collection = folder + "/collection.pdf", filing = folder + "/filing.pdf";
    QCOMPARE(platform::QtPrinterOutput::printToPdf(fakes_.printer.jobs.at(0), collection).kind,
             platform::PrintOutcome::SavedAsPdf);
    QCOMPARE(platform::QtPrinterOutput::printToPdf(fakes_.printer.jobs.at(1), filing).kind,
             platform::PrintOutcome::SavedAsPdf);
    QCOMPARE(testing::pdfPageCount(collection), 2);
    QCOMPARE(testing::pdfPageCount(filing), 2);
}

QTEST_MAIN(RangePrintTest)
#include "tst_range_print.moc"
