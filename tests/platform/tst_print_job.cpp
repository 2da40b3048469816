// The print job model and its rendering into a PDF file.

#include <QDir>
#include <QFile>
#include <QPrinterInfo>
#include <QTemporaryDir>
#include <QTest>

#include <sys/resource.h>
#include <cerrno>
#include <csignal>
#include <cstring>

#include "platform/print_job.h"
#include "platform/sheet_layout.h"
#include "platform_qt/qt_printer_output.h"
#include "support/fakes.h"
#include "support/pdf_pages.h"

using platform::ColorMode;
using platform::PrintJob;

class PrintJobTest : public QObject {
    Q_OBJECT
private slots:
    void itemsStandAtTheirColumns();
    void aNewPageThenTheEndGivesNoEmptySheet();
    void fontAndColourAreRecordedPerItem();
    void movingDownIsRecordedOnTheNextLine();
    void cancelDropsEverythingAndLeavesColour();
    void aLongJobReadsBackAsItWasWritten();
    void rendersPagesIntoAPdf();
    void anUnwritablePdfIsAFailure();
    void linesBelowTheSheetComeOutOnANewSheet();
    void aPdfCutShortByAFullDiskIsAFailureAndLeavesNoFile();
    void withoutAPrinterTheJobBecomesAPdfInPrintouts();
};

void PrintJobTest::itemsStandAtTheirColumns() {
    testing::RecordingPrinter printer;
    PrintJob job(printer);
    job.write(QStringLiteral("Bach"));
    job.writeAt(10, QStringLiteral("Opus # = "));
    job.write(QStringLiteral(" 12 "));
    job.endLine();
    job.line();
    job.line(QStringLiteral("last"));
    const auto outcome = job.endDoc();
    QCOMPARE(outcome.kind, platform::PrintOutcome::Printed);
    QCOMPARE(printer.jobs.size(), size_t(1));
    QCOMPARE(platform::pageText(printer.jobs[0][0]),
             (QStringList{"Bach     Opus # =  12 ", "", "last"}));
    QVERIFY(job.isEmpty());  // a new job starts
}

void PrintJobTest::aNewPageThenTheEndGivesNoEmptySheet() {
    testing::RecordingPrinter printer;
    PrintJob job(printer);
    job.line(QStringLiteral("one"));
    job.newPage();
    job.line(QStringLiteral("two"));
    job.newPage();
    job.endDoc();
    QCOMPARE(printer.jobs.at(0).size(), size_t(2));
    // Ending an empty job sends nothing at all.
    QCOMPARE(job.endDoc().kind, platform::PrintOutcome::Nothing);
    QCOMPARE(printer.jobs.size(), size_t(1));
}

void PrintJobTest::fontAndColourAreRecordedPerItem() {
    testing::RecordingPrinter printer;
    PrintJob job(printer);
    job.setFont(QStringLiteral("courier"), 9);
    job.setColorMode(ColorMode::Color);
    job.setTextColor(QColor(255, 0, 0));
    job.line(QStringLiteral("red"));
    job.setTextColor(QColor(10, 10, 80));
    job.line(QStringLiteral("blue"));
    job.endDoc();
    const auto& lines = printer.jobs[0][0].lines;
    QCOMPARE(lines[0].items[0].color, QColor(255, 0, 0));
    QCOMPARE(lines[1].items[0].color, QColor(10, 10, 80));
    QCOMPARE(lines[1].items[0].colorMode, ColorMode::Color);
    QCOMPARE(lines[1].items[0].fontName, QStringLiteral("courier"));
    QCOMPARE(lines[1].items[0].fontSize, 9.0);
}

void PrintJobTest::movingDownIsRecordedOnTheNextLine() {
    testing::RecordingPrinter printer;
    PrintJob job(printer);
    job.line(QStringLiteral("head"));
    job.moveTo(15600);
    job.line();
    job.line(QStringLiteral("Page Number =  2 "));
    job.endDoc();
    const auto& lines = printer.jobs[0][0].lines;
    QCOMPARE(lines[0].topTwips, -1);
    QCOMPARE(lines[1].topTwips, 15600);
    QCOMPARE(lines[2].topTwips, -1);
}

void PrintJobTest::cancelDropsEverythingAndLeavesColour() {
    testing::RecordingPrinter printer;
    PrintJob job(printer);
    job.setColorMode(ColorMode::Color);
    job.line(QStringLiteral("dropped"));
    job.cancel();
    QVERIFY(job.isEmpty());
    QCOMPARE(job.colorMode(), ColorMode::Monochrome);
    QCOMPARE(job.endDoc().kind, platform::PrintOutcome::Nothing);
    QVERIFY(printer.jobs.empty());
}

void PrintJobTest::aLongJobReadsBackAsItWasWritten() {
    // Several chunks of items, kept compactly: texts in Latin-1 and in Greek, runs of one
    // character long and short, columns, lines moved down, styles changing within a line, an
    // empty page between two others. Each item is read back exactly as it was written.
    testing::RecordingPrinter printer;
    PrintJob job(printer);
    std::vector<std::vector<QStringList>> written(1);  // pages of lines of "column|text|colour"
    const auto item = [&](int column, QAnyStringView text) {
        if (column)
            job.writeAt(column, text);
        else
            job.write(text);
        QStringList& line = written.back().back();
        line << QStringLiteral("%1|%2|%3")
                    .arg(column)
                    .arg(text.toString(), job.colorMode() == ColorMode::Color ? "c" : "m");
    };
    for (int n = 0; n < 6000; ++n) {
        if (n % 7 == 0) job.moveTo(100 + n);
        written.back().emplace_back();
        job.setColorMode(n % 3 ? ColorMode::Monochrome : ColorMode::Color);
        item(0, QStringLiteral("Bach %1").leftJustified(45 + n % 9).arg(n));
        job.setColorMode(n % 5 ? ColorMode::Monochrome : ColorMode::Color);
        item(n % 4 ? 80 : 0, QString::fromUtf8("Θεοδωράκης ") + QString(n % 11, u'_'));
        const QByteArray latin = "Mahler " + QByteArray(n % 70, n % 2 ? ' ' : '#');
        item(0, QLatin1StringView(latin));
        if (n % 500 == 0) item(0, QString(20000 + n, u'-'));
        if (n % 13 == 0) item(0, QString());
        job.endLine();
        if (n % 1000 == 999) {
            job.newPage();
            if (n == 2999) job.newPage();  // a page with nothing on it
            written.emplace_back();
            if (n == 2999) written.emplace_back();
        }
    }
    job.endDoc();
    const std::vector<platform::PrintPage>& pages = printer.jobs.at(0);
    QCOMPARE(pages.size(), size_t(7));
    for (size_t p = 0; p < pages.size(); ++p) {
        QCOMPARE(pages[p].lines.size(), written[p].size());
        for (size_t l = 0; l < pages[p].lines.size(); ++l) {
            QStringList read;
            for (const platform::PrintItem& i : pages[p].lines[l].items) {
                read << QStringLiteral("%1|%2|%3")
                            .arg(i.column)
                            .arg(i.text, i.colorMode == ColorMode::Color ? "c" : "m");
            }
            QCOMPARE(read, written[p][l]);
        }
    }
    QCOMPARE(pages[0].lines[7].topTwips, 107);
    QCOMPARE(pages[0].lines[8].topTwips, -1);
}

void PrintJobTest::rendersPagesIntoAPdf() {
    testing::RecordingPrinter printer;
    PrintJob job(printer);
    job.setFont(QStringLiteral("courier"), 9);
    for (int page = 1; page <= 3; ++page) {
        for (int line = 0; line < 60; ++line) job.line(QString(250, QLatin1Char('_')));
        job.moveTo(15600);
        job.line(QStringLiteral("Page Number = %1").arg(page));
        job.newPage();
    }
    job.endDoc();
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("Printouts/job.pdf"));
    const auto outcome = platform::QtPrinterOutput::printToPdf(printer.jobs[0], file);
    QCOMPARE(outcome.kind, platform::PrintOutcome::SavedAsPdf);
    QCOMPARE(outcome.where, file);
    QCOMPARE(testing::pdfPageCount(file), 3);
}

void PrintJobTest::anUnwritablePdfIsAFailure() {
    testing::RecordingPrinter printer;
    PrintJob job(printer);
    job.line(QStringLiteral("x"));
    job.endDoc();
    QTemporaryDir dir;
    QFile blocker(dir.filePath(QStringLiteral("Printouts")));  // a file where the folder should be
    QVERIFY(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    const auto outcome = platform::QtPrinterOutput::printToPdf(
        printer.jobs[0], dir.filePath(QStringLiteral("Printouts/job.pdf")));
    QCOMPARE(outcome.kind, platform::PrintOutcome::Failed);
    QVERIFY2(outcome.error.contains(QStringLiteral("Printouts")), qPrintable(outcome.error));
}

void PrintJobTest::linesBelowTheSheetComeOutOnANewSheet() {
    // 124 lines of 9 points: more than an A4 sheet holds.
    testing::RecordingPrinter printer;
    PrintJob job(printer);
    job.setFont(QStringLiteral("courier"), 9);
    for (int n = 1; n < 124; ++n) job.line(QString::number(n));
    job.line(QStringLiteral("Page Number =  1 "));
    job.endDoc();
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("job.pdf"));
    QCOMPARE(platform::QtPrinterOutput::printToPdf(printer.jobs[0], file).kind,
             platform::PrintOutcome::SavedAsPdf);
    QCOMPARE(testing::pdfPageCount(file), 2);
    // Read back sheet by sheet, with lines of 100 twips on sheets of 6200: every line is there.
    const auto sheets = platform::layOutSheets(printer.jobs[0], 6200,
                                               [](const platform::PrintLine&) { return 100.0; });
    QCOMPARE(sheets.size(), size_t(2));
    QStringList lines;
    for (const platform::Sheet& sheet : sheets) {
        QCOMPARE(sheet.size(), size_t(62));
        QCOMPARE(sheet.front().topTwips, 0.0);
        for (const platform::PlacedLine& placed : sheet) lines << platform::lineText(*placed.line);
    }
    QCOMPARE(lines, platform::pageText(printer.jobs[0][0]));
}

void PrintJobTest::aPdfCutShortByAFullDiskIsAFailureAndLeavesNoFile() {
    testing::RecordingPrinter printer;
    PrintJob job(printer);
    for (int n = 0; n < 60; ++n) job.line(QString(250, QLatin1Char('_')));
    job.endDoc();
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("job.pdf"));
    // The disk fills up after 4 KiB: writes past it fail instead of ending the process.
    rlimit old{};
    QCOMPARE(getrlimit(RLIMIT_FSIZE, &old), 0);
    rlimit full = old;
    full.rlim_cur = 4096;
    const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    QCOMPARE(setrlimit(RLIMIT_FSIZE, &full), 0);
    const auto outcome = platform::QtPrinterOutput::printToPdf(printer.jobs[0], file);
    setrlimit(RLIMIT_FSIZE, &old);
    std::signal(SIGXFSZ, oldHandler);
    QCOMPARE(outcome.kind, platform::PrintOutcome::Failed);
    QCOMPARE(outcome.error,
             file + " could not be written: " + QString::fromLocal8Bit(strerror(EFBIG)));
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList());
}

void PrintJobTest::withoutAPrinterTheJobBecomesAPdfInPrintouts() {
    if (!QPrinterInfo::defaultPrinter().isNull())
        QSKIP("this machine has a printer; nothing is sent to it");
    QTemporaryDir home;
    const QByteArray oldHome = qgetenv("HOME");
    qputenv("HOME", home.path().toLocal8Bit());
    platform::QtPrinterOutput output;  // the program's own Printouts folder
    PrintJob job(output);
    job.line(QStringLiteral("one"));
    job.newPage();
    job.line(QStringLiteral("two"));
    const platform::PrintOutcome first = job.endDoc();
    job.line(QStringLiteral("three"));
    const platform::PrintOutcome second = job.endDoc();  // in the same second: a name of its own
    qputenv("HOME", oldHome);
    QCOMPARE(first.kind, platform::PrintOutcome::SavedAsPdf);
    QVERIFY2(first.where.startsWith(home.path() + "/Sonvella400/Printouts/Sonvella "),
             qPrintable(first.where));
    QCOMPARE(testing::pdfPageCount(first.where), 2);
    QVERIFY(second.where != first.where);
    QCOMPARE(testing::pdfPageCount(second.where), 1);
}

QTEST_MAIN(PrintJobTest)
#include "tst_print_job.moc"
