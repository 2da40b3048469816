#include "ui/menu_table.h"

#include <QAction>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QShortcut>

namespace ui {

BuiltMenus buildMenus(QMenuBar* bar, const std::vector<MenuDef>& menus,
                      const std::vector<MenuEntry>& entries) {
    BuiltMenus built;
    for (const MenuDef& def : menus) {
        if (def.parent) continue;
        QMenu* menu = bar->addMenu(def.caption);
        menu->setObjectName(QString::fromLatin1(def.name));
        menu->menuAction()->setObjectName(QString::fromLatin1(def.name));
        built.menus.insert(menu->objectName(), menu);
    }
    for (const MenuEntry& entry : entries) {
        QMenu* menu = built.menus.value(QString::fromLatin1(entry.menu));
        Q_ASSERT(menu);
        if (entry.separatorBefore) {
            menu->addSeparator()->setObjectName(QString::fromLatin1(entry.separatorBefore));
        }

        const QString name = QString::fromLatin1(entry.name);
        auto sub = std::find_if(menus.begin(), menus.end(), [&](const MenuDef& d) {
            return d.parent && name == QLatin1String(d.name);
        });
        if (sub != menus.end()) {
            QMenu* child = menu->addMenu(sub->caption);
            child->setObjectName(name);
            child->menuAction()->setObjectName(name);
            built.menus.insert(name, child);
            continue;
        }

        QAction* action = menu->addAction(entry.caption);
        action->setObjectName(name);
        if (!entry.shortcut.isEmpty()) action->setShortcut(entry.shortcut);
        if (entry.command) {
            QObject::connect(action, &QAction::triggered, action, entry.command);
        } else {
            action->setEnabled(false);
        }
        built.entries.insert(name, action);
    }
    return built;
}

void openMenuBarWithF10(QMainWindow* window) {
    auto* f10 = new QShortcut(QKeySequence(Qt::Key_F10), window);
    QObject::connect(f10, &QShortcut::activated, window, [window] {
        window->menuBar()->setFocus(Qt::ShortcutFocusReason);
        window->menuBar()->setActiveAction(window->menuBar()->actions().value(0));
    });
}

}  // namespace ui
