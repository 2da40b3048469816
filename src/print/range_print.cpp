#include "print/range_print.h"

#include <QColor>

#include "common/numbers.h"
#include "common/texts.h"
#include "platform/clock.h"
#include "platform/dialogs.h"
#include "platform/print_job.h"
#include "print_conventions/print_conventions.h"
#include "record/record_window.h"

namespace print {

using common::numberText;
using platform::Icon;
using print_conventions::endPrintJob;
using print_conventions::numberItem;
using print_conventions::printedOn;
using print_conventions::rule;
using print_conventions::setPrinterFont;
using record::RecordWindow;
using store::Field;

namespace {

const QColor kDarkBlue(10, 10, 80);
const QColor kRed(255, 0, 0);

struct RangeTexts {
    QString firstLine;
    QString firstTitle;
    QString lastTitle;
};

const RangeTexts kCollectionTexts = {
    QStringLiteral("Print a Range of Opus Numbers or the Entire Collection."),
    QStringLiteral("Sonvella 4.0: Print Collection/First Number"),
    QStringLiteral("Sonvella 4.0: Print Collection/Last Number"),
};

const RangeTexts kFilingTexts = {
    QStringLiteral("Print a Range of Opus Numbers for Filing."),
    QStringLiteral("Sonvella 4.0: Print for Filing/First Number"),
    QStringLiteral("Sonvella 4.0: Print for Filing/Last Number"),
};

struct Range {
    double first = 0;
    double last = 0;
};

enum class Asked { Ended, StartAgain, Print };

void askForNumbersInRange(RecordWindow& window) {
    window.dialogs().show(
        common::kTitle, QStringLiteral("Please type numbers between 1 and ") + numberText(window.N),
        Icon::Information);
}

// Both prompts are always shown, then the answers are checked.
Asked askRange(RecordWindow& window, const RangeTexts& texts, Range* range) {
    platform::Dialogs& dialogs = window.dialogs();
    const QString first = dialogs.input(
        texts.firstLine + QStringLiteral("\nEnter First number to print:"), texts.firstTitle);
    const QString last = dialogs.input(
        texts.firstLine + QStringLiteral("\nEnter Last number to print:"), texts.lastTitle);
    if (first.isEmpty() || last.isEmpty()) {
        dialogs.show(common::kTitle, QStringLiteral("You must enter a number in BOTH input boxes"),
                     Icon::Information);
        return Asked::Ended;
    }
    if (!common::readDecimal(first, &range->first) || !common::readDecimal(last, &range->last)) {
        askForNumbersInRange(window);
        return Asked::StartAgain;
    }
    const double n = window.N;
    if (range->first >= 1 && range->last >= 1 && range->first <= n && range->last <= n) {
        if (range->first > range->last) {
            dialogs.show(
                common::kTitle,
                QStringLiteral("Last number to print must be greater than First number to print."),
                Icon::Information);
            return Asked::StartAgain;
        }
        return Asked::Print;
    }
    askForNumbersInRange(window);
    return Asked::StartAgain;
}

// The count of records and the Opus Number before the first, rounded as typed numbers are.
std::int64_t recordCount(const Range& range) {
    return static_cast<std::int64_t>(common::roundHalfEven(range.last + 1 - range.first));
}

std::int32_t openingNumber(const Range& range) {
    return static_cast<std::int32_t>(common::roundHalfEven(range.first - 1));
}

void setProgress(RecordWindow& window, std::int32_t opusNumber) {
    window.setStatus(QStringLiteral("Printing... Opus Number <") + numberText(opusNumber) +
                     QStringLiteral(" > "));
}

// Ends the job, says so, and clears the status text.
void finish(RecordWindow& window, const Range& range) {
    const bool printed = endPrintJob(window.services().printJob, window.dialogs());
    if (printed) {
        window.dialogs().show(common::kTitle,
                              QStringLiteral("Printing Opus Numbers from ") +
                                  common::decimalText(range.first) + QStringLiteral(" to ") +
                                  common::decimalText(range.last) +
                                  QStringLiteral("  has been completed"),
                              Icon::Information);
    }
    window.clearStatus();
}

// A record that cannot be read stops the print: nothing half-made is sent.
void abandon(RecordWindow& window) {
    window.services().printJob.cancel();
    window.clearStatus();
}

void pageHead(RecordWindow& window) {
    platform::PrintJob& job = window.services().printJob;
    job.line();
    job.line(QStringLiteral("Sonvella 4.0 - My Music Collection: Printed on ") +
             printedOn(window.services().clock.now()));
    job.line(rule(u'_'));
}

void identityLine(platform::PrintJob& job, const store::OpusRecord& record,
                  std::int32_t opusNumber) {
    job.write(record.text(Field::Identity));
    job.writeAt(80, QStringLiteral("Opus # = "));
    job.write(numberItem(opusNumber));
    job.endLine();
}

void pageNumberLine(platform::PrintJob& job, std::int64_t pageNumber) {
    job.line();
    job.write(QStringLiteral("Page Number = "));
    job.write(numberItem(pageNumber));
    job.endLine();
}

void printCollection(RecordWindow& window, const Range& range, bool colour) {
    platform::PrintJob& job = window.services().printJob;
    record::BusyScope busy(window);
    setPrinterFont(job);
    if (colour) {
        job.setColorMode(platform::ColorMode::Color);
        job.setTextColor(kDarkBlue);
    }
    std::int64_t pageNumber = 0;
    int onPage = 0;
    std::int32_t current = openingNumber(range);
    const std::int64_t count = recordCount(range);
    pageHead(window);
    bool endedOnAFullPage = false;
    for (std::int64_t i = 1; i <= count; ++i) {
        ++onPage;
        ++current;
        if (!window.showRecord(current)) return abandon(window);
        const store::OpusRecord& record = window.record();
        job.line();
        if (colour) job.setTextColor(kRed);
        job.line(record.text(Field::Composer) + QStringLiteral("     ") +
                 record.text(Field::Title));
        if (colour) job.setTextColor(kDarkBlue);
        job.line(QStringLiteral("ORCHESTRA/CONDUCTOR"));
        job.line(record.text(Field::Orchestra));
        job.line(QStringLiteral("SOLOISTS"));
        job.line(record.text(Field::Soloists));
        job.line(QStringLiteral("COVER"));
        job.line(record.text(Field::Cover));
        job.line(QStringLiteral("IDENTITY"));
        identityLine(job, record, current);
        job.line(rule(u'_'));
        setProgress(window, current);
        if (onPage == 6) {
            ++pageNumber;
            pageNumberLine(job, pageNumber);
            if (i == count) {
                endedOnAFullPage = true;
                break;
            }
            job.newPage();
            pageHead(window);
            onPage = 0;
        }
    }
    if (onPage != 0 && !endedOnAFullPage) {
        // A part-filled last page carries its number near the foot of the sheet.
        ++pageNumber;
        job.moveTo(15600);
        pageNumberLine(job, pageNumber);
    }
    finish(window, range);
    if (colour) job.setColorMode(platform::ColorMode::Monochrome);
}

void printForFiling(RecordWindow& window, const Range& range) {
    platform::PrintJob& job = window.services().printJob;
    record::BusyScope busy(window);
    int onPage = 0;
    std::int32_t current = openingNumber(range);
    const std::int64_t count = recordCount(range);
    for (std::int64_t i = 1; i <= count; ++i) {
        ++onPage;
        ++current;
        if (!window.showRecord(current)) return abandon(window);
        setPrinterFont(job);
        const store::OpusRecord& record = window.record();
        for (int empty = 0; empty < 6; ++empty) job.line();
        job.line(rule(u'_'));
        job.line();
        job.line(record.text(Field::Composer) + QStringLiteral("     ") +
                 record.text(Field::Title));
        job.line(rule(u'_'));
        job.line(QStringLiteral("ORCHESTRA/CONDUCTOR"));
        job.line(record.text(Field::Orchestra));
        job.line(rule(u'_'));
        job.line(QStringLiteral("SOLOISTS"));
        job.line(record.text(Field::Soloists));
        job.line(rule(u'_'));
        job.line(QStringLiteral("COVER"));
        job.line(record.text(Field::Cover));
        job.line(rule(u'_'));
        job.line(QStringLiteral("IDENTITY"));
        identityLine(job, record, current);
        job.line(rule(u'_'));
        job.write(rule(u'-'));
        setProgress(window, current);
        job.endLine();
        if (onPage == 3) {
            job.newPage();
            onPage = 0;
        }
    }
    finish(window, range);
}

}  // namespace

void mnuPrintCollection(RecordWindow& window) {
    for (;;) {
        const platform::Answer colour =
            window.dialogs().ask(common::kTitle, QStringLiteral("Do you Wish to Print in Color?"),
                                 Icon::Question, platform::Buttons::YesNoCancel);
        if (colour == platform::Answer::Cancel) return;
        Range range;
        Asked asked = askRange(window, kCollectionTexts, &range);
        if (colour == platform::Answer::Yes) {
            // Starting a colour print again goes back to the colour question.
            if (asked == Asked::StartAgain) continue;
        } else {
            while (asked == Asked::StartAgain) asked = askRange(window, kCollectionTexts, &range);
        }
        if (asked == Asked::Print) printCollection(window, range, colour == platform::Answer::Yes);
        return;
    }
}

void mnuPrintRange(RecordWindow& window) {
    Range range;
    Asked asked = askRange(window, kFilingTexts, &range);
    while (asked == Asked::StartAgain) asked = askRange(window, kFilingTexts, &range);
    if (asked == Asked::Print) printForFiling(window, range);
}

}  // namespace print
