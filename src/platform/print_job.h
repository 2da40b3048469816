#pragma once
// The printer's job as a model: pages of lines, each line a row of items written at the print
// position or at a character column, with the font, colour mode and text colour in force. There
// is one job in the program; commands write into it, and ending it sends its pages to the output.

#include <QAnyStringView>
#include <QColor>
#include <QString>
#include <QStringList>
#include <QStringView>
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <vector>

namespace platform {

enum class ColorMode { Monochrome = 1, Color = 2 };

struct PrintItem {
    QString text;
    int column = 0;  // the character column (1 is the left edge) it was placed at; 0: where the
                     // line stood
    QString fontName;
    double fontSize = 0;
    ColorMode colorMode = ColorMode::Monochrome;
    QColor color;
};

struct PrintLine {
    std::vector<PrintItem> items;
    int topTwips = -1;  // the print position was moved this far from the top before the line
};

struct PrintPage {
    std::vector<PrintLine> lines;
};

// The pages of a job as the job keeps them while it is written: a collection print of a hundred
// thousand records holds over a million lines, so they are kept as compactly as they can be read
// back. Items follow one another as bytes in large chunks: a byte of flags, the item's text (one
// byte a character unless it needs more), and only what differs from the usual: the start of a
// line, a column, a change of style, a run of one character at its end (the blanks that pad a
// field, the 250 characters of a rule line) kept as the character and a count. A page is read
// back as a PrintPage when it is wanted, so an output that goes page by page never holds the
// whole job as items.
class PrintPages {
public:
    std::size_t size() const { return pages_.size(); }
    bool empty() const { return pages_.empty(); }
    PrintPage page(std::size_t n) const;
    std::size_t lineCount(std::size_t n) const { return pages_[n].lines; }
    std::vector<PrintPage> all() const;

    // Writing, for PrintJob: items go into the line opened last, lines into the last page. Every
    // line opened gets at least one item.
    void addPage();
    void openLine(int topTwips);
    // The number of a style: each style of a job is kept once.
    std::uint16_t style(const QString& fontName, double fontSize, ColorMode colorMode,
                        QColor color);
    void addItem(QAnyStringView text, int column, std::uint16_t style);
    void dropEmptyPagesAtTheEnd();

private:
    struct Style {
        QString fontName;
        double fontSize = 0;
        ColorMode colorMode = ColorMode::Monochrome;
        QColor color;
    };
    struct FreeBytes {
        void operator()(char* bytes) const { std::free(bytes); }
    };
    using ChunkBytes = std::unique_ptr<char[], FreeBytes>;
    struct Chunk {
        ChunkBytes bytes;
        std::size_t used = 0;
        std::size_t capacity = 0;
    };
    // Where a page's lines begin, and how many there are.
    struct Page {
        std::size_t chunk = 0;
        std::size_t offset = 0;
        std::size_t lines = 0;
    };

    // Room for `size` bytes of one item, all in one chunk.
    char* room(std::size_t size);
    char* newChunk(std::size_t size);
    template <class Char>
    void addText(const Char* chars, qsizetype size, int column, std::uint16_t style);

    std::vector<Chunk> chunks_;
    std::vector<Page> pages_;
    std::vector<Style> styles_;
    int styleInForce_ = -1;    // of the items written last on the page; -1 at a page's start
    bool lineOpened_ = false;  // the next item starts a line
    int openedTop_ = -1;       // that line's topTwips
};

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
