// The main window's menu bar, as a table: one row per menu and per entry, with its caption, key,
// separator and command. The 22 searches come from the search table, which also names their
// buttons.

#include <QDir>
#include <QLabel>
#include <QMenu>

#include "collections/collection_commands.h"
#include "collections/collection_folder.h"
#include "collections/recent_collections.h"
#include "common/texts.h"
#include "covers/cover_commands.h"
#include "csv/frm_csv_import.h"
#include "info/info_windows.h"
#include "main_window/frm_istoriki.h"
#include "maintenance/backup.h"
#include "maintenance/media_counting.h"
#include "maintenance/sorting.h"
#include "platform/help_viewer.h"
#include "print/range_print.h"
#include "search/search_commands.h"
#include "ui/menu_table.h"

namespace main_window {

using record::RecordWindow;

void FrmIstoriki::buildMenus() {
    using K = QKeySequence;
    RecordWindow& w = window_;
    // clang-format off
    const std::vector<ui::MenuDef> menus = {
        {nullptr, "mnuFile", QStringLiteral("&File")},
        {nullptr, "mnuRecords", QStringLiteral("Vie&w")},
        {nullptr, "mnuEdit", QStringLiteral("&Edit")},
        {nullptr, "mnuSearch", QStringLiteral("Fin&d")},
        {nullptr, "mnuSearch1", QStringLiteral("See&k")},
        {nullptr, "mnuLookup", QStringLiteral("ID+Lookup")},
        {nullptr, "mnuExtraSearch", QStringLiteral("ID+Search")},
        {nullptr, "mnuSort", QStringLiteral("So&rt")},
        {nullptr, "mnuPrint", QStringLiteral("PrintRan&ge")},
        {nullptr, "mnublb", QStringLiteral("&Music")},
        {nullptr, "mnuAbout", QStringLiteral("&Help")},
        {"mnuFile", "mnuRecentCollections", QStringLiteral("&Recent Collections")},
        {"mnublb", "mnuDedication", QStringLiteral("Johann Sebastian Bach")},
    };
    // Menu, entry, caption, shortcut, separator before it, command (none: disabled for now).
    std::vector<ui::MenuEntry> entries = {
        {"mnuFile", "mnuCoverImage", QStringLiteral("Cover Image"), K(Qt::CTRL | Qt::Key_G), nullptr, [&w] { w.coverPanel().mnuCoverImage(); }},
        {"mnuFile", "mnuBackUp", QStringLiteral("&BackUp"), K(Qt::CTRL | Qt::Key_B), nullptr, [&w] { maintenance::mnuBackUp(w); }},
        {"mnuFile", "mnuCountMedia", QStringLiteral("&Media Counting"), K(Qt::CTRL | Qt::Key_M), nullptr, [&w] { maintenance::mnuCountMedia(w); }},
        {"mnuFile", "mnuMenu", QStringLiteral("Menu      F10"), {}, "mnuSepFile1", [] {}},
        {"mnuFile", "mnuEnd", QStringLiteral("E&xit         Alt+X"), {}, "mnuSepFile2", [&w] { w.mnuEnd(); }},
        {"mnuFile", "mnuExportCsv", QStringLiteral("Export as &CSV..."), {}, "mnuSepFile3", [this] { csv::exportCsv(window_, this); }},
        {"mnuFile", "mnuImportCsv", QStringLiteral("&Import from CSV..."), {}, nullptr, [this] { csv::importCsv(window_, this); }},
        {"mnuFile", "mnuNewCollection", QStringLiteral("&New Collection..."), {}, "mnuSepFile4", [&w] { collections::mnuNewCollection(w); }},
        {"mnuFile", "mnuOpenCollection", QStringLiteral("&Open Collection..."), {}, nullptr, [&w] { collections::mnuOpenCollection(w); }},
        {"mnuFile", "mnuRecentCollections", {}, {}, nullptr, {}},
        {"mnuRecords", "mnuNext", QStringLiteral("Nex&t Opus No"), K(Qt::Key_F2), nullptr, [&w] { w.cmdNext(); }},
        {"mnuRecords", "mnuPrevious", QStringLiteral("P&revious Opus No"), K(Qt::Key_F1), nullptr, [&w] { w.cmdPrevious(); }},
        {"mnuRecords", "mnuMulti", QStringLiteral("&Multi Mode      Alt+M"), {}, "mnuSepRecords", [&w] { w.cmdMulti(); }},
        {"mnuEdit", "mnuNew", QStringLiteral("&New Opus No"), K(Qt::Key_F12), nullptr, [&w] { w.cmdNew(); }},
        {"mnuEdit", "mnuSave", QStringLiteral("&Save Opus No"), K(Qt::Key_F3), nullptr, [&w] { w.cmdCorrect(); }},
        {"mnuEdit", "mnuPaste", QStringLiteral("&Paste Opus No"), K(Qt::SHIFT | Qt::Key_F12), nullptr, [&w] { w.mnuPaste(); }},
        {"mnuEdit", "mnuDelete", QStringLiteral("Delete Opus No"), K(Qt::SHIFT | Qt::Key_Delete), "mnuSepEdit", [&w] { w.mnuDelete(); }},
        {"mnuEdit", "mnuUndoLastChange", QStringLiteral("&Undo Last Change"), K(Qt::CTRL | Qt::ALT | Qt::Key_Z), "mnuSepEditHistory", [&w] { w.undoLastChange(); }},
        {"mnuEdit", "mnuChangeHistory", QStringLiteral("Change &History..."), K(Qt::CTRL | Qt::ALT | Qt::Key_H), nullptr, [this] { showChangeHistory(); }},
        {"mnuEdit", "mnuSetFrontCover", QStringLiteral("Set Front &Cover..."), {}, "mnuSepEditCovers", [&w] { covers::mnuSetFrontCover(w); }},
        {"mnuEdit", "mnuSetBackCover", QStringLiteral("Set Bac&k Cover..."), {}, nullptr, [&w] { covers::mnuSetBackCover(w); }},
        {"mnuEdit", "mnuPasteCover", QStringLiteral("Paste Cover from Clip&board"), {}, nullptr, [&w] { covers::mnuPasteCover(w); }},
        {"mnuEdit", "mnuRemoveCovers", QStringLiteral("&Remove Covers..."), {}, nullptr, [&w] { covers::mnuRemoveCovers(w); }},
        {"mnuSearch", "mnuCodeNo", QStringLiteral("Op&us No"), K(Qt::Key_F4), nullptr, [&w] { w.cmdFindcode(); }},
    };
    // clang-format on
    // The 22 searches stand next in the Find, Seek, ID+Lookup and ID+Search menus, as the search
    // table orders them; an entry runs the search of its row, as the row's button does.
    for (const search::SearchCommand& command : search::kSearchCommands) {
        entries.push_back({command.menu, command.menuEntry, QString::fromLatin1(command.caption),
                           K(command.shortcut), command.separatorBefore,
                           [this, &command] { search::runSearch(window_, command); }});
    }
    // clang-format off
    entries.insert(entries.end(), {
        {"mnuSearch", "mnuQuickFind", QStringLiteral("&Quick Find..."), K(Qt::CTRL | Qt::Key_K), "mnuSepQuickFind", [this] { showQuickFind(); }},
        {"mnuSort", "mnuSortComp", QStringLiteral("Sort by &Composer"), {}, nullptr, [&w] { maintenance::mnuSortComp(w); }},
        {"mnuSort", "mnuSortId", QStringLiteral("Sort by &Identity"), {}, nullptr, [&w] { maintenance::mnuSortId(w); }},
        {"mnuPrint", "mnuPrintCollection", QStringLiteral("P&rint Collection (6/A4)"), K(Qt::CTRL | Qt::Key_R), nullptr, [&w] { print::mnuPrintCollection(w); }},
        {"mnuPrint", "mnuPrintRange", QStringLiteral("Print for &Filing (3/A4)"), K(Qt::CTRL | Qt::Key_F), nullptr, [&w] { print::mnuPrintRange(w); }},
        {"mnublb", "mnuBible", QStringLiteral("My Collection ..."), {}, nullptr, [&w] { w.services().help.showContents(QStringLiteral("BIBLIOGRAPHY.HLP")); }},
        {"mnublb", "mnuDedication", {}, {}, nullptr, {}},
        {"mnublb", "mnuCollectionCheck", QStringLiteral("Collection &Check..."), K(Qt::CTRL | Qt::SHIFT | Qt::Key_K), "mnuSepMusic", [this] { showCollectionCheck(); }},
        {"mnublb", "mnuWorks", QStringLiteral("&Works..."), K(Qt::CTRL | Qt::SHIFT | Qt::Key_W), nullptr, [this] { showWorks(); }},
        {"mnuDedication", "mnuDedication1", QStringLiteral("Johann Sebastian Bach (1685-1750)"), {}, nullptr, [] { info::showDedication(); }},
        {"mnuAbout", "mnuHelp", QStringLiteral("Shortcut Keys"), K(Qt::SHIFT | Qt::Key_F1), nullptr, [] { info::showShortcutKeys(); }},
        {"mnuAbout", "mnuHelp1", QStringLiteral("Help"), K(Qt::CTRL | Qt::Key_F1), nullptr, [&w] { w.services().help.showContents(QStringLiteral("Sonvel400.HLP")); }},
        {"mnuAbout", "mnuAbout1", QStringLiteral("About ..."), {}, "mnuSepHelp", [&w] { info::showAbout(w.services().processes, w.dialogs()); }},
    });
    // clang-format on
    const ui::BuiltMenus built = ui::buildMenus(menuBar(), menus, entries);
    QMenu* recent = built.menus.value(QStringLiteral("mnuRecentCollections"));
    connect(built.menus.value(QStringLiteral("mnuFile")), &QMenu::aboutToShow, this,
            [this, recent] { fillRecentCollections(recent); });
    fillRecentCollections(recent);
    // The cover entries are the cover panel's picture's context menu too.
    image2_->setContextMenuPolicy(Qt::ActionsContextMenu);
    for (const char* entry :
         {"mnuSetFrontCover", "mnuSetBackCover", "mnuPasteCover", "mnuRemoveCovers"})
        image2_->addAction(built.entries.value(QString::fromLatin1(entry)));

    ui::openMenuBarWithF10(this);
}

// The folders opened last, newest first, read afresh each time the File menu opens; a folder that
// no longer holds a collection stands there disabled.
void FrmIstoriki::fillRecentCollections(QMenu* menu) {
    menu->clear();
    const QStringList folders = collections::RecentCollections().folders();
    for (int i = 0; i < folders.size(); ++i) {
        const QString& folder = folders[i];
        QString caption = QDir::toNativeSeparators(folder);
        caption.replace(QLatin1Char('&'), QStringLiteral("&&"));
        QAction* entry = menu->addAction(QStringLiteral("&%1 %2").arg(i + 1).arg(caption));
        entry->setObjectName(QStringLiteral("mnuRecentCollection%1").arg(i + 1));
        entry->setEnabled(collections::checkCollectionFolder(folder).holdsCollection());
        connect(entry, &QAction::triggered, this,
                [this, folder] { collections::openRecentCollection(window_, folder); });
    }
    menu->menuAction()->setEnabled(!folders.isEmpty());
}

}  // namespace main_window
