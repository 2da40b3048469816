#include "multi/page_print.h"

#include <QFileInfo>

#include "common/numbers.h"
#include "common/texts.h"
#include "multi/multi_window.h"
#include "multi/result_files.h"
#include "platform/clock.h"
#include "platform/print_job.h"
#include "print_conventions/print_conventions.h"
#include "store/codepage.h"

namespace multi {

void PrintRecords(MultiWindow& window) {
    window.saveShownEnabled = false;
    platform::PrintJob& job = window.services().printJob;
    print_conventions::setPrinterFont(job);
    ++window.pageNumber;
    job.line();
    job.line(QStringLiteral("Sonvella 4.0 - My Music Collection: Printed on ") +
             print_conventions::printedOn(window.services().clock.now()));
    for (const ShownRow& row : window.ShownTable) {
        job.line(print_conventions::rule('_'));
        job.line();
        // The first five slots: the record as it was drawn, without the Composer and Title again.
        for (const QByteArray* text : {&row.identityLine, &row.composerAndTitle, &row.orchestra,
                                       &row.soloists, &row.cover}) {
            job.line(store::fromDisk(*text));
        }
        job.line(print_conventions::rule('_'));
    }
    job.line();
    job.line(window.pageTitle + QStringLiteral(" Page ") + common::numberText(window.pageNumber));
    window.ClearArrays();
}

void mnuPrint(MultiWindow& window) {
    PrintRecords(window);
    window.ClearArrays();
    print_conventions::endPrintJob(window.services().printJob, window.dialogs());
    window.clearDrawing();
    window.saveShownEnabled = false;
    window.printShownEnabled = false;
    window.notify();
}

void mnuExport(MultiWindow& window) {
    FileTrouble trouble(window.dialogs(), common::kTitle);
    // Deleted by hand: only made again, empty; the page stays for the next "&Save Shown".
    if (!QFileInfo::exists(mySearchFile())) {
        createEmpty(mySearchFile(), trouble);
        return;
    }
    const bool saved = Export(window, trouble, OnFailure::Stop);
    showRecordedUpTo(window, !trouble.failed(mySearchFile()));
    if (!saved) return;  // the page stays, to be saved again once the trouble is mended
    window.ClearArrays();
    window.clearDrawing();
    window.printShownEnabled = false;
    window.saveShownEnabled = false;
    window.notify();
}

}  // namespace multi
