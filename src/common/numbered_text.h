#pragma once
// A text of fixed parts with one or two numbers between them, as this program writes numbers
// ("... Opus No: " 12 "  of " 345), that a long command rewrites for every record it goes
// through: a caption or a status text. When the numbers keep their widths, their digits are
// written over the old ones in place, with no allocation and no conversion, so a text that
// changes a million times a second costs next to nothing.

#include <QString>
#include <array>
#include <cstdint>

namespace common {

class NumberedText {
public:
    NumberedText(QString before, QString after);                   // one number
    NumberedText(QString before, QString between, QString after);  // two numbers

    // text = before + numberText(first) [+ between + numberText(second)] + after.
    void write(QString& text, std::int64_t first, std::int64_t second = 0);
    // Something else was put into the text this writes: the next write builds it afresh.
    void forget() { written_ = nullptr; }

private:
    int numbers_;
    std::array<QString, 3> parts_;  // before, between, after; with one number: before, after
    // What the text held when this wrote it last: its characters, their count and the numbers.
    const QChar* written_ = nullptr;
    qsizetype size_ = 0;
    std::array<std::int64_t, 2> shown_{};
    std::array<int, 2> widths_{};
};

}  // namespace common
