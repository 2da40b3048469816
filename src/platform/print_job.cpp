#include "platform/print_job.h"

namespace platform {

void PrintJob::setFont(const QString& name, double size) {
    fontName_ = name;
    fontSize_ = size;
}

PrintItem PrintJob::item(const QString& text, int column) const {
    return {text, column, fontName_, fontSize_, colorMode_, color_};
}

PrintPage& PrintJob::page() {
    if (pages_.empty()) pages_.emplace_back();
    return pages_.back();
}

void PrintJob::write(const QString& text) {
    if (!lineOpen_) {
        open_ = PrintLine{{}, pendingTop_};
        pendingTop_ = -1;
        lineOpen_ = true;
    }
    open_.items.push_back(item(text, 0));
}

void PrintJob::writeAt(int column, const QString& text) {
    write(QString());
    open_.items.back() = item(text, column);
}

void PrintJob::endLine() {
    if (!lineOpen_) write(QString());
    page().lines.push_back(std::move(open_));
    open_ = {};
    lineOpen_ = false;
}

void PrintJob::line(const QString& text) {
    write(text);
    endLine();
}

void PrintJob::moveTo(int twipsFromTop) {
    if (lineOpen_) endLine();
    pendingTop_ = twipsFromTop;
}

void PrintJob::newPage() {
    if (lineOpen_) endLine();
    page();
    pages_.emplace_back();
    pendingTop_ = -1;
}

bool PrintJob::isEmpty() const {
    if (lineOpen_) return false;
    for (const PrintPage& p : pages_) {
        if (!p.lines.empty()) return false;
    }
    return true;
}

std::vector<PrintPage> PrintJob::finishedPages() {
    if (lineOpen_) endLine();
    std::vector<PrintPage> pages = std::move(pages_);
    // Ending right after a new page must not give an empty sheet.
    while (!pages.empty() && pages.back().lines.empty()) pages.pop_back();
    pages_.clear();
    pendingTop_ = -1;
    recordsOnSheet_ = 0;
    return pages;
}

PrintOutcome PrintJob::endDoc() {
    const std::vector<PrintPage> pages = finishedPages();
    if (pages.empty()) return {};
    return output_.print(pages);
}

void PrintJob::cancel() {
    pages_.clear();
    open_ = {};
    lineOpen_ = false;
    pendingTop_ = -1;
    recordsOnSheet_ = 0;
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
