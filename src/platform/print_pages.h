#pragma once
// The pages of a print job: what a page is (lines of items, each with its font and colour) and
// the compact store in which the job keeps them while it is written, read back page by page.

#include <QAnyStringView>
#include <QColor>
#include <QString>
#include <QStringView>
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <type_traits>
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

// Inline: PrintJob calls these for every item it writes.
inline void PrintPages::openLine(int topTwips) {
    if (pages_.empty()) addPage();
    ++pages_.back().lines;
    lineOpened_ = true;
    openedTop_ = topTwips;
}

inline void PrintPages::addItem(QAnyStringView text, int column, std::uint16_t style) {
    if (text.isEmpty()) return addText(static_cast<const char*>(nullptr), 0, column, style);
    const auto addUtf16 = [&](QStringView view) {
        addText(reinterpret_cast<const char16_t*>(view.data()), view.size(), column, style);
    };
    text.visit([&](auto view) {
        if constexpr (std::is_same_v<decltype(view), QLatin1StringView>) {
            addText(view.data(), view.size(), column, style);
        } else if constexpr (std::is_same_v<decltype(view), QStringView>) {
            addUtf16(view);
        } else {
            addUtf16(view.toString());  // UTF-8: made into characters first
        }
    });
}

}  // namespace platform
