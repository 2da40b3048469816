#include "print/print_selection.h"

#include "common/numbers.h"
#include "common/texts.h"
#include "platform/clock.h"
#include "platform/dialogs.h"
#include "platform/print_job.h"
#include "print_conventions/print_conventions.h"
#include "record/record_window.h"

namespace print {

using print_conventions::endPrintJob;
using print_conventions::numberItem;
using print_conventions::printedOn;
using print_conventions::rule;
using print_conventions::setPrinterFont;
using store::Field;

void cmdPrint(record::RecordWindow& window) {
    platform::PrintJob& job = window.services().printJob;
    window.setStatus(
        QStringLiteral("Opus Number <") + common::numberText(window.state().current) +
        QStringLiteral(" > will be printed. Click on 'PRINT' to print all selected opus numbers"));
    setPrinterFont(job);
    const std::int16_t onSheet = static_cast<std::int16_t>(job.recordsOnSheet() + 1);
    job.setRecordsOnSheet(onSheet);
    if (onSheet == 1) {
        job.line();
        job.line();
        job.line();
        job.line(QStringLiteral("Sonvella 4.0 My Music Collection: Printed on ") +
                 printedOn(window.services().clock.now()));
    }
    // The record as last read or written, not what stands unsaved in the boxes.
    const store::OpusRecord& record = window.record();
    job.line(rule('-'));
    job.write(record.text(Field::Identity));
    job.writeAt(90, QStringLiteral("Opus # = "));
    job.write(numberItem(window.state().current));
    job.endLine();
    job.line(record.text(Field::Composer) + QStringLiteral("     ") + record.text(Field::Title));
    job.line(record.text(Field::Orchestra));
    job.line(record.text(Field::Soloists));
    job.line(record.text(Field::Cover));
    job.line(rule('-'));
    if (onSheet == 8) {
        job.newPage();
        job.setRecordsOnSheet(0);
    }
}

void cmdEndPrint(record::RecordWindow& window) {
    window.clearStatus();
    // Ended or dropped, the job takes its count of blocks on the sheet with it.
    if (!endPrintJob(window.services().printJob, window.dialogs())) return;
    window.dialogs().show(common::kTitle,
                          QStringLiteral("Opus Number(s) you have selected by clicking\n"
                                         "on <TO PRINT>, are now being printed."),
                          platform::Icon::Information);
}

}  // namespace print
