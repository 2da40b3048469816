#pragma once
// Builds a window's menu bar from tables: one row per menu, one row per entry.

#include <QHash>
#include <QKeySequence>
#include <QString>
#include <functional>
#include <vector>

class QAction;
class QMenu;
class QMainWindow;
class QMenuBar;

namespace ui {

struct MenuDef {
    const char* parent;  // the menu it stands in, or nullptr for the menu bar
    const char* name;    // objectName
    QString caption;
};

struct MenuEntry {
    const char* menu;  // objectName of the menu it stands in
    const char* name;  // objectName of the entry
    QString caption;
    QKeySequence shortcut;
    const char* separatorBefore;    // objectName of a separator that stands before it, or nullptr
    std::function<void()> command;  // none: the entry stands in the menu, disabled
};

struct BuiltMenus {
    QHash<QString, QMenu*> menus;
    QHash<QString, QAction*> entries;
};

// Sub-menus stand in their parent in the order of the entries: a MenuDef with a parent is placed
// where the entry of the same name would stand (that entry row carries its separator).
BuiltMenus buildMenus(QMenuBar* bar, const std::vector<MenuDef>& menus,
                      const std::vector<MenuEntry>& entries);

// F10 opens the window's menu bar at its first menu, as the File menus say.
void openMenuBarWithF10(QMainWindow* window);

}  // namespace ui
