#pragma once
// A menu as a list of lines, for widget tests: "caption [shortcut]" per entry, "-" and its name
// per separator ("-Sep3").

#include <QAction>
#include <QMenu>
#include <QStringList>

namespace testing {

inline QStringList menuEntries(QMenu* menu) {
    QStringList entries;
    for (QAction* a : menu->actions()) {
        if (a->isSeparator()) {
            entries << QStringLiteral("-") + a->objectName();
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
