#pragma once
// Finished print jobs rendered with QPrinter on the system's default printer, in a fixed-pitch
// font with columns as character cells, a new sheet wherever a page runs past the bottom. Without
// a printer the job becomes a PDF file in the program's Printouts folder.

#include "platform/print_job.h"

namespace platform {

class QtPrinterOutput : public PrinterOutput {
public:
    // `pdfFolder` empty: the Printouts folder of the program's directory.
    explicit QtPrinterOutput(QString pdfFolder = {});

    PrintOutcome print(const std::vector<PrintPage>& pages) override;
    // A job as PrintJob keeps it, read back one page at a time as it is drawn.
    PrintOutcome printPages(const PrintPages& pages) override;

    // Renders pages into a PDF file (A4), whatever printers there are. The file is there only when
    // it could be written whole; a failure leaves nothing behind.
    static PrintOutcome printToPdf(const std::vector<PrintPage>& pages, const QString& file);

    class PageReader;

private:
    PrintOutcome printAll(PageReader& pages);
    static PrintOutcome printToPdf(PageReader& pages, const QString& file);
    QString nextPdfFile() const;

    QString pdfFolder_;
};

}  // namespace platform
