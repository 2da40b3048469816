#pragma once
// How numbers are written into captions, messages and printed lines, and how typed numbers are
// read.

#include <QString>
#include <cstdint>

namespace common {

// A number as this program writes it everywhere: decimal, preceded by the place of its sign
// (one blank for zero and above, "-" below zero).  12 gives " 12", -3 gives "-3".
QString numberText(std::int64_t n);
// The same for a typed number that may have a fraction: 2.5 gives " 2.5", 3.0 gives " 3".
QString decimalText(double v);

// What a typed number turned out to be.
enum class NumberStatus {
    Ok,         // value holds the number, rounded to a whole number
    Empty,      // nothing but blanks was typed
    NotNumber,  // some other text
    TooLarge,   // a number above the signed 32-bit range
    TooSmall,   // a number below the signed 32-bit range
};

struct TypedNumber {
    NumberStatus status = NumberStatus::NotNumber;
    std::int32_t value = 0;
    bool ok() const { return status == NumberStatus::Ok; }
};

// Reads a typed whole number: blanks around it allowed, an optional sign, digits with an optional
// decimal point and fraction; rounded to the nearest whole number with halves to even (7.5 gives 8,
// 2.5 gives 2).
TypedNumber readWholeNumber(const QString& typed);

// Reads a typed decimal number (same form as above) without rounding; false when it is no number.
bool readDecimal(const QString& typed, double* value);

// Rounds to the nearest whole number, halves to even.
double roundHalfEven(double v);

// One step of a progress count, which never goes past N.
inline void countUpTo(std::int32_t& position, std::int32_t n) {
    if (++position > n) position = n;
}

}  // namespace common
