#pragma once
// The printer's job as a model: pages of lines, each line a row of items written at the print
// position or at a character column, with the font, colour mode and text colour in force. There
// is one job in the program; commands write into it, and ending it sends its pages to the output.
// The pages themselves, and how the job keeps them, are in print_pages.h.

#include <QAnyStringView>
#include <QColor>
#include <QString>
#include <QStringList>
#include <cstdint>
#include <vector>

#include "platform/print_pages.h"

namespace platform {

// What became of an ended job.
struct PrintOutcome {
    enum Kind { Nothing, Printed, SavedAsPdf, Failed };
    Kind kind = Nothing;
    QString where;  // the printer's name, or the PDF file
    QString error;  // why it failed
};

// Where finished jobs go: a printer, a PDF file, or a recorder in tests.
class PrinterOutput {
public:
    virtual ~PrinterOutput() = default;
    virtual PrintOutcome print(const std::vector<PrintPage>& pages) = 0;
    // A job as PrintJob ends it. Unless an output takes the pages one at a time, they are read
    // back all together and printed as above.
    virtual PrintOutcome printPages(const PrintPages& pages) { return print(pages.all()); }
};

class PrintJob {
public:
    explicit PrintJob(PrinterOutput& output) : output_(output) {}

    void setFont(const QString& name, double size);
    void setColorMode(ColorMode mode);
    void setTextColor(QColor color);
    ColorMode colorMode() const { return colorMode_; }

    // Writes an item at the print position; the line stays open. Text in Latin-1 (plain ASCII
    // from the collection file) is taken as it stands, without being widened first.
    void write(QAnyStringView text);
    // Moves the print position to a character column (1 is the left edge), then writes.
    void writeAt(int column, QAnyStringView text);
    // Ends the line: the print position goes to the left edge of the next line.
    void endLine();
    // Writes a whole line.
    void line(QAnyStringView text = {});
    // Moves the print position this many twips from the top of the page.
    void moveTo(int twipsFromTop);
    void newPage();

    // Sends the job's pages to the output and starts a new, empty job. A new page that nothing
    // was written on gives no sheet.
    PrintOutcome endDoc();
    // Drops whatever was written and puts the colour mode back to monochrome.
    void cancel();

    bool isEmpty() const;
    const PrintPages& pages() const { return pages_; }

    // Blocks of the print selection on the sheet being filled, 0 to 7. The count belongs to the
    // job: once it is ended or dropped, whoever does it, the next block starts a fresh sheet. Like
    // the job, it outlives a main window that is unloaded and loaded again.
    std::int16_t recordsOnSheet() const { return recordsOnSheet_; }
    void setRecordsOnSheet(std::int16_t count) { recordsOnSheet_ = count; }

private:
    void addItem(QAnyStringView text, int column);
    void startAfresh();

    PrinterOutput& output_;
    PrintPages pages_;
    bool lineOpen_ = false;
    int pendingTop_ = -1;
    int style_ = -1;  // the style in force as numbered by pages_; -1 when it changed since
    QString fontName_ = QStringLiteral("courier");
    double fontSize_ = 9;
    ColorMode colorMode_ = ColorMode::Monochrome;
    QColor color_ = Qt::black;
    std::int16_t recordsOnSheet_ = 0;
};

// A page as text, one string per line, every item at its column (blanks fill the gaps). For
// tests and for reading a job back.
QStringList pageText(const PrintPage& page);
QString lineText(const PrintLine& line);

}  // namespace platform
