#include "platform/print_job.h"

namespace platform {

void PrintJob::setFont(const QString& name, double size) {
    if (name == fontName_ && size == fontSize_) return;
    fontName_ = name;
    fontSize_ = size;
    style_ = -1;
}

void PrintJob::setColorMode(ColorMode mode) {
    if (mode == colorMode_) return;
    colorMode_ = mode;
    style_ = -1;
}

void PrintJob::setTextColor(QColor color) {
    if (color == color_) return;
    color_ = color;
    style_ = -1;
}

inline void PrintJob::addItem(QAnyStringView text, int column) {
    if (!lineOpen_) {
        pages_.openLine(pendingTop_);
        pendingTop_ = -1;
        lineOpen_ = true;
    }
    if (style_ < 0) style_ = pages_.style(fontName_, fontSize_, colorMode_, color_);
    pages_.addItem(text, column, std::uint16_t(style_));
}

void PrintJob::write(QAnyStringView text) {
    addItem(text, 0);
}

void PrintJob::writeAt(int column, QAnyStringView text) {
    addItem(text, column);
}

void PrintJob::endLine() {
    if (!lineOpen_) addItem(QStringView(), 0);
    lineOpen_ = false;
}

void PrintJob::line(QAnyStringView text) {
    addItem(text, 0);
    lineOpen_ = false;
}

void PrintJob::moveTo(int twipsFromTop) {
    if (lineOpen_) endLine();
    pendingTop_ = twipsFromTop;
}

void PrintJob::newPage() {
    if (lineOpen_) endLine();
    if (pages_.empty()) pages_.addPage();
    pages_.addPage();
    pendingTop_ = -1;
}

bool PrintJob::isEmpty() const {
    if (lineOpen_) return false;
    for (std::size_t n = 0; n < pages_.size(); ++n) {
        if (pages_.lineCount(n) != 0) return false;
    }
    return true;
}

void PrintJob::startAfresh() {
    pages_ = PrintPages();
    lineOpen_ = false;
    pendingTop_ = -1;
    style_ = -1;
    recordsOnSheet_ = 0;
}

PrintOutcome PrintJob::endDoc() {
    if (lineOpen_) endLine();
    // Ending right after a new page must not give an empty sheet.
    pages_.dropEmptyPagesAtTheEnd();
    const PrintPages pages = std::move(pages_);
    startAfresh();
    if (pages.empty()) return {};
    return output_.printPages(pages);
}

void PrintJob::cancel() {
    startAfresh();
    colorMode_ = ColorMode::Monochrome;
}

QString lineText(const PrintLine& line) {
    QString text;
    for (const PrintItem& item : line.items) {
        if (item.column > 0 && text.size() < item.column - 1) {
            text = text.leftJustified(item.column - 1, QLatin1Char(' '));
        }
        text += item.text;
    }
    return text;
}

QStringList pageText(const PrintPage& page) {
    QStringList lines;
    for (const PrintLine& line : page.lines) lines << lineText(line);
    return lines;
}

}  // namespace platform
