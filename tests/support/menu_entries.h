#pragma once
// A menu as a list of lines, for widget tests: "caption [shortcut]" per entry, "-" per separator.

#include <QAction>
#include <QMenu>
#include <QStringList>

namespace testing {

inline QStringList menuEntries(QMenu* menu) {
    QStringList entries;
    for (QAction* a : menu->actions()) {
        if (a->isSeparator()) {
            entries << QStringLiteral("-");
        } else if (a->shortcut().isEmpty()) {
            entries << a->text();
        } else {
            entries << a->text() + QStringLiteral(" [") + a->shortcut().toString() +
                           QLatin1Char(']');
        }
    }
    return entries;
}

}  // namespace testing
