#include "common/numbered_text.h"

#include "common/numbers.h"

namespace common {

namespace {

std::uint64_t magnitudeOf(std::int64_t n) {
    return n < 0 ? 0 - std::uint64_t(n) : std::uint64_t(n);
}

// Characters numberText gives for n: the sign place and the digits.
int widthOf(std::int64_t n) {
    const std::uint64_t magnitude = magnitudeOf(n);
    int width = 2;
    for (std::uint64_t power = 10; magnitude >= power && width < 20; power *= 10) ++width;
    return width;
}

// Whether numberText(n) is `width` characters long, without counting its digits.
constexpr std::array<std::uint64_t, 21> kPowers = [] {  // kPowers[i] = 10 ^ (i - 1)
    std::array<std::uint64_t, 21> powers{};
    std::uint64_t power = 1;
    for (int i = 1; i < 21; ++i, power *= 10) powers[i] = power;
    return powers;
}();

bool hasWidth(std::int64_t n, int width) {
    const std::uint64_t magnitude = magnitudeOf(n);
    return width >= 2 && width <= 20 && (width == 2 || magnitude >= kPowers[width - 1]) &&
           magnitude < kPowers[width];
}

// Writes numberText(n) over the `width` characters at `at`, which hold numberText(old) of the
// same width.
void overwrite(QChar* at, int width, std::int64_t n, std::int64_t old) {
    if (n == old) return;
    if (old >= 0 && n == old + 1) {
        // A count one up: only the last digits change, usually just one.
        QChar* digit = at + width - 1;
        while (*digit == u'9') *digit-- = u'0';
        *digit = QChar(char16_t(digit->unicode() + 1));
        return;
    }
    std::uint64_t magnitude = magnitudeOf(n);
    for (QChar* digit = at + width - 1; digit > at; --digit) {
        *digit = QChar(char16_t(u'0' + magnitude % 10));
        magnitude /= 10;
    }
    *at = n < 0 ? u'-' : u' ';
}

}  // namespace

NumberedText::NumberedText(QString before, QString after)
    : numbers_(1), parts_{std::move(before), std::move(after), QString()} {}

NumberedText::NumberedText(QString before, QString between, QString after)
    : numbers_(2), parts_{std::move(before), std::move(between), std::move(after)} {}

void NumberedText::write(QString& text, std::int64_t first, std::int64_t second) {
    const std::array<std::int64_t, 2> numbers = {first, numbers_ == 2 ? second : 0};
    bool inPlace = written_ && text.constData() == written_ && text.size() == size_;
    if (inPlace && numbers == shown_) return;
    for (int i = 0; i < numbers_ && inPlace; ++i)
        inPlace = numbers[i] == shown_[i] || hasWidth(numbers[i], widths_[i]);
    if (inPlace) {
        QChar* at = text.data();  // a copy shared with a reader gets a text of its own here
        for (int i = 0; i < numbers_; ++i) {
            at += parts_[i].size();
            overwrite(at, widths_[i], numbers[i], shown_[i]);
            at += widths_[i];
        }
    } else {
        text = parts_[0] + numberText(first) + parts_[1];
        if (numbers_ == 2) text += numberText(second) + parts_[2];
        for (int i = 0; i < numbers_; ++i) widths_[i] = widthOf(numbers[i]);
    }
    written_ = text.constData();
    size_ = text.size();
    shown_ = numbers;
}

}  // namespace common
