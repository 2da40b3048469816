#include "main_window/name_order.h"

#include <QCollator>
#include <algorithm>

namespace main_window {

namespace {

QCollator collator() {
    QCollator c;
    c.setCaseSensitivity(Qt::CaseInsensitive);
    c.setIgnorePunctuation(false);
    return c;
}

}  // namespace

void sortNames(QStringList& names) {
    const QCollator c = collator();
    std::stable_sort(names.begin(), names.end(),
                     [&c](const QString& a, const QString& b) { return c.compare(a, b) < 0; });
}

qsizetype insertName(QStringList& names, const QString& name) {
    const QCollator c = collator();
    const auto at =
        std::upper_bound(names.begin(), names.end(), name,
                         [&c](const QString& a, const QString& b) { return c.compare(a, b) < 0; });
    const qsizetype index = at - names.begin();
    names.insert(index, name);
    return index;
}

}  // namespace main_window
