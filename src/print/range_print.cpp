#include "print/range_print.h"

#include <QColor>
#include <QDateTime>
#include <array>

#include "common/numbered_text.h"
#include "common/numbers.h"
#include "common/texts.h"
#include "platform/clock.h"
#include "platform/dialogs.h"
#include "platform/print_job.h"
#include "print_conventions/print_conventions.h"
#include "record/record_window.h"
#include "store/codepage.h"

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
        common::kTitle,
        QStringLiteral("Please type numbers between 1 and ") + numberText(window.state().N),
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
    const double n = window.state().N;
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

// The Opus Number of the last record printed: `count` records after `opening`.
std::int32_t rangeEnd(std::int32_t opening, std::int64_t count) {
    return static_cast<std::int32_t>(opening + count);
}

// "Printing... Opus Number < 12 > ", set for every record printed.
common::NumberedText progressText() {
    return common::NumberedText(QStringLiteral("Printing... Opus Number <"), QStringLiteral(" > "));
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

// The texts of the record shown as the blocks print them: the fields padded to their widths (the
// in-memory record is trimmed and padded again) and the Opus Number as a number item. Fields in
// plain ASCII are handed on as they stand in the record; the others are decoded into storage
// that is used again for every record.
class RecordTexts {
public:
    void take(const store::OpusRecord& record, std::int32_t opusNumber) {
        numberItem_ = print_conventions::numberItem(opusNumber, numberRoom_);
        const bool ascii = store::isAscii(record.bytes());  // the usual record: nothing to decode
        for (Field f : store::kAllFields) {
            const QByteArrayView bytes = record.field(f);
            if (ascii) {
                fields_[index(f)] = QLatin1StringView(bytes.data(), bytes.size());
            } else {
                store::fromDiskInto(decoded_[index(f)], bytes);
                fields_[index(f)] = decoded_[index(f)];
            }
        }
    }
    QAnyStringView field(Field f) const { return fields_[index(f)]; }
    QLatin1StringView numberItem() const { return numberItem_; }

private:
    static int index(Field f) { return static_cast<int>(f); }

    std::array<QAnyStringView, store::kFieldCount> fields_;
    std::array<QString, store::kFieldCount> decoded_;
    print_conventions::NumberItemRoom numberRoom_;
    QLatin1StringView numberItem_;
};

// Composer, five blanks and Title on one line.
void composerAndTitleLine(platform::PrintJob& job, const RecordTexts& texts) {
    job.write(texts.field(Field::Composer));
    job.write(QLatin1StringView("     "));
    job.write(texts.field(Field::Title));
    job.endLine();
}

// The page head: the date and time are read for every head, and the line is made again only when
// the minute has changed.
class PageHead {
public:
    explicit PageHead(RecordWindow& window) : window_(window) {}
    void print() {
        platform::PrintJob& job = window_.services().printJob;
        const QDateTime now = window_.services().clock.now();
        // Compared as a day and a minute: comparing the times themselves looks up the time zone.
        const QDate day = now.date();
        const int minute = now.time().hour() * 60 + now.time().minute();
        if (line_.isNull() || day != day_ || minute != minute_) {
            line_ =
                QStringLiteral("Sonvella 4.0 - My Music Collection: Printed on ") + printedOn(now);
            day_ = day;
            minute_ = minute;
        }
        job.line();
        job.line(line_);
        job.line(rule('_'));
    }

private:
    RecordWindow& window_;
    QString line_;
    QDate day_;
    int minute_ = -1;
};

void identityLine(platform::PrintJob& job, const RecordTexts& texts) {
    job.write(texts.field(Field::Identity));
    job.writeAt(80, QLatin1StringView("Opus # = "));
    job.write(texts.numberItem());
    job.endLine();
}

void pageNumberLine(platform::PrintJob& job, std::int64_t pageNumber) {
    job.line();
    job.write(QLatin1StringView("Page Number = "));
    job.write(numberItem(pageNumber));
    job.endLine();
}

void printCollection(RecordWindow& window, const Range& range, bool colour) {
    platform::PrintJob& job = window.services().printJob;
    record::BusyScope busy(window);
    common::NumberedText progress = progressText();
    RecordTexts texts;
    PageHead pageHead(window);
    const QLatin1StringView underscores = rule('_');
    setPrinterFont(job);
    if (colour) {
        job.setColorMode(platform::ColorMode::Color);
        job.setTextColor(kDarkBlue);
    }
    std::int64_t pageNumber = 0;
    int onPage = 0;
    const std::int32_t opening = openingNumber(range);
    const std::int64_t count = recordCount(range);
    pageHead.print();
    bool endedOnAFullPage = false;
    std::int64_t i = 0;
    // Every record of the range is shown in the window as it is printed.
    const bool read = window.showRecords(opening + 1, rangeEnd(opening, count), [&] {
        ++i;
        ++onPage;
        const std::int32_t current = window.state().current;
        texts.take(window.record(), current);
        job.line();
        if (colour) job.setTextColor(kRed);
        composerAndTitleLine(job, texts);
        if (colour) job.setTextColor(kDarkBlue);
        job.line(QLatin1StringView("ORCHESTRA/CONDUCTOR"));
        job.line(texts.field(Field::Orchestra));
        job.line(QLatin1StringView("SOLOISTS"));
        job.line(texts.field(Field::Soloists));
        job.line(QLatin1StringView("COVER"));
        job.line(texts.field(Field::Cover));
        job.line(QLatin1StringView("IDENTITY"));
        identityLine(job, texts);
        job.line(underscores);
        window.setStatus(progress, current);
        if (onPage == 6) {
            ++pageNumber;
            pageNumberLine(job, pageNumber);
            if (i == count) {
                endedOnAFullPage = true;
                return;
            }
            job.newPage();
            pageHead.print();
            onPage = 0;
        }
    });
    if (!read) return abandon(window);
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
    common::NumberedText progress = progressText();
    RecordTexts texts;
    const QLatin1StringView underscores = rule('_');
    const QLatin1StringView hyphens = rule('-');
    int onPage = 0;
    const std::int32_t opening = openingNumber(range);
    const bool read = window.showRecords(opening + 1, rangeEnd(opening, recordCount(range)), [&] {
        ++onPage;
        setPrinterFont(job);
        texts.take(window.record(), window.state().current);
        for (int empty = 0; empty < 6; ++empty) job.line();
        job.line(underscores);
        job.line();
        composerAndTitleLine(job, texts);
        job.line(underscores);
        job.line(QLatin1StringView("ORCHESTRA/CONDUCTOR"));
        job.line(texts.field(Field::Orchestra));
        job.line(underscores);
        job.line(QLatin1StringView("SOLOISTS"));
        job.line(texts.field(Field::Soloists));
        job.line(underscores);
        job.line(QLatin1StringView("COVER"));
        job.line(texts.field(Field::Cover));
        job.line(underscores);
        job.line(QLatin1StringView("IDENTITY"));
        identityLine(job, texts);
        job.line(underscores);
        job.write(hyphens);
        window.setStatus(progress, window.state().current);
        job.endLine();
        if (onPage == 3) {
            job.newPage();
            onPage = 0;
        }
    });
    if (!read) return abandon(window);
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
