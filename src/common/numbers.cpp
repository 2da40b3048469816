#include "common/numbers.h"

#include <cmath>
#include <limits>

namespace common {

QString numberText(std::int64_t n) {
    return n < 0 ? QString::number(n) : QLatin1Char(' ') + QString::number(n);
}

QString decimalText(double v) {
    if (v == std::trunc(v) && std::abs(v) < 1e15) return numberText(static_cast<std::int64_t>(v));
    const QString digits = QString::number(v, 'g', 15);
    return v < 0 ? digits : QLatin1Char(' ') + digits;
}

double roundHalfEven(double v) {
    return std::nearbyint(v);  // the default rounding mode rounds halves to even
}

namespace {

// Accepts  [blanks] [+|-] digits [. digits] [blanks]  and also ".5" or "5." forms.
bool isDecimalText(const QString& s) {
    qsizetype i = 0;
    const qsizetype n = s.size();
    if (i < n && (s[i] == u'+' || s[i] == u'-')) ++i;
    qsizetype digits = 0;
    while (i < n && s[i] >= u'0' && s[i] <= u'9') ++i, ++digits;
    if (i < n && s[i] == u'.') {
        ++i;
        while (i < n && s[i] >= u'0' && s[i] <= u'9') ++i, ++digits;
    }
    return digits > 0 && i == n;
}

QString stripBlanks(const QString& typed) {
    qsizetype first = 0, last = typed.size();
    while (first < last && typed[first] == u' ') ++first;
    while (last > first && typed[last - 1] == u' ') --last;
    return typed.mid(first, last - first);
}

}  // namespace

bool readDecimal(const QString& typed, double* value) {
    const QString s = stripBlanks(typed);
    if (!isDecimalText(s)) return false;
    bool ok = false;
    const double v = s.toDouble(&ok);
    if (!ok || !std::isfinite(v)) return false;
    *value = v;
    return true;
}

TypedNumber readWholeNumber(const QString& typed) {
    TypedNumber result;
    const QString s = stripBlanks(typed);
    if (s.isEmpty()) {
        result.status = NumberStatus::Empty;
        return result;
    }
    if (!isDecimalText(s)) return result;
    // Long runs of digits still count as numbers, only out of range: toDouble copes with them.
    bool ok = false;
    const double v = roundHalfEven(s.toDouble(&ok));
    if (!ok && !std::isinf(v)) return result;
    if (v > std::numeric_limits<std::int32_t>::max()) {
        result.status = NumberStatus::TooLarge;
    } else if (v < std::numeric_limits<std::int32_t>::min()) {
        result.status = NumberStatus::TooSmall;
    } else {
        result.status = NumberStatus::Ok;
        result.value = static_cast<std::int32_t>(v);
    }
    return result;
}

}  // namespace common
