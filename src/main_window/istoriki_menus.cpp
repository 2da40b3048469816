// The main window's menu bar, as a table: one row per menu and per entry, with its caption, key,
// separator and command.

#include <QAction>
#include <QPushButton>

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
        {"mnublb", "mnuDedication", QStringLiteral("Johann Sebastian Bach")},
    };
    // Menu, entry, caption, shortcut, separator before it, command (none: disabled for now).
    const std::vector<ui::MenuEntry> entries = {
        {"mnuFile", "mnuCoverImage", QStringLiteral("Cover Image"), K(Qt::CTRL | Qt::Key_G), nullptr, [&w] { w.mnuCoverImage(); }},
        {"mnuFile", "mnuBackUp", QStringLiteral("&BackUp"), K(Qt::CTRL | Qt::Key_B), nullptr, [&w] { maintenance::mnuBackUp(w); }},
        {"mnuFile", "mnuCountMedia", QStringLiteral("&Media Counting"), K(Qt::CTRL | Qt::Key_M), nullptr, [&w] { maintenance::mnuCountMedia(w); }},
        {"mnuFile", "mnuMenu", QStringLiteral("Menu      F10"), {}, "mnuSepFile1", [] {}},
        {"mnuFile", "mnuEnd", QStringLiteral("E&xit         Alt+X"), {}, "mnuSepFile2", [&w] { w.mnuEnd(); }},
        {"mnuFile", "mnuExportCsv", QStringLiteral("Export as &CSV..."), {}, "mnuSepFile3", [this] { csv::exportCsv(window_, this); }},
        {"mnuFile", "mnuImportCsv", QStringLiteral("&Import from CSV..."), {}, nullptr, [this] { csv::importCsv(window_, this); }},
        {"mnuRecords", "mnuNext", QStringLiteral("Nex&t Opus No"), K(Qt::Key_F2), nullptr, [&w] { w.cmdNext(); }},
        {"mnuRecords", "mnuPrevious", QStringLiteral("P&revious Opus No"), K(Qt::Key_F1), nullptr, [&w] { w.cmdPrevious(); }},
        {"mnuRecords", "mnuMulti", QStringLiteral("&Multi Mode      Alt+M"), {}, "mnuSepRecords", [&w] { w.cmdMulti(); }},
        {"mnuEdit", "mnuNew", QStringLiteral("&New Opus No"), K(Qt::Key_F12), nullptr, [&w] { w.cmdNew(); }},
        {"mnuEdit", "mnuSave", QStringLiteral("&Save Opus No"), K(Qt::Key_F3), nullptr, [&w] { w.cmdCorrect(); }},
        {"mnuEdit", "mnuPaste", QStringLiteral("&Paste Opus No"), K(Qt::SHIFT | Qt::Key_F12), nullptr, [&w] { w.mnuPaste(); }},
        {"mnuEdit", "mnuDelete", QStringLiteral("Delete Opus No"), K(Qt::SHIFT | Qt::Key_Delete), "mnuSepEdit", [&w] { w.mnuDelete(); }},
        {"mnuSearch", "mnuCodeNo", QStringLiteral("Op&us No"), K(Qt::Key_F4), nullptr, [&w] { w.cmdFindcode(); }},
        {"mnuSearch", "mnuISBN", QStringLiteral("&Identity"), K(Qt::Key_F5), "mnuSepFind1", {}},
        {"mnuSearch", "mnuAuthor", QStringLiteral("&Composer"), K(Qt::Key_F6), nullptr, {}},
        {"mnuSearch", "mnuTitle", QStringLiteral("&Title"), K(Qt::Key_F7), nullptr, {}},
        {"mnuSearch", "mnuAlloi", QStringLiteral("&Orchestra"), K(Qt::Key_F8), nullptr, {}},
        {"mnuSearch", "mnuEkdot", QStringLiteral("&Soloists"), K(Qt::Key_F9), nullptr, {}},
        {"mnuSearch", "mnuCover", QStringLiteral("Co&ver"), K(Qt::Key_F11), nullptr, {}},
        {"mnuSearch", "mnuAnyAuthorTitle", QStringLiteral("Any &Name"), K(Qt::SHIFT | Qt::Key_F6), "mnuSepFind2", {}},
        {"mnuSearch", "mnuQuickFind", QStringLiteral("&Quick Find..."), K(Qt::CTRL | Qt::Key_K), "mnuSepQuickFind", [this] { showQuickFind(); }},
        {"mnuSearch1", "mnuAuthorTitle", QStringLiteral("Composer and Title"), K(Qt::CTRL | Qt::Key_F6), nullptr, {}},
        {"mnuSearch1", "mnuTitleAlloi", QStringLiteral("Title and Orchestra"), K(Qt::CTRL | Qt::Key_F7), nullptr, {}},
        {"mnuSearch1", "mnuAlloiEkdot", QStringLiteral("Orchestra and Soloists"), K(Qt::CTRL | Qt::Key_F8), nullptr, {}},
        {"mnuSearch1", "mnuTitleEkdot", QStringLiteral("Title and Soloists"), K(Qt::CTRL | Qt::Key_F9), "mnuSepSeek", {}},
        {"mnuSearch1", "mnuAuthorAlloi", QStringLiteral("Composer and Orchestra"), K(Qt::CTRL | Qt::Key_F11), nullptr, {}},
        {"mnuSearch1", "mnuAuthorEkdot", QStringLiteral("Composer and Soloists"), K(Qt::CTRL | Qt::Key_F12), nullptr, {}},
        {"mnuLookup", "mnuIDComposer", QStringLiteral("Composer and Identity"), K(Qt::CTRL | Qt::SHIFT | Qt::Key_F6), nullptr, {}},
        {"mnuLookup", "mnuIDtitle", QStringLiteral("Title and Identity"), K(Qt::CTRL | Qt::SHIFT | Qt::Key_F7), nullptr, {}},
        {"mnuLookup", "mnuIDorchestra", QStringLiteral("Orchestra/Conductor and Identity"), K(Qt::CTRL | Qt::SHIFT | Qt::Key_F8), nullptr, {}},
        {"mnuLookup", "mnuIDsoloists", QStringLiteral("Soloists and identity"), K(Qt::CTRL | Qt::SHIFT | Qt::Key_F9), nullptr, {}},
        {"mnuLookup", "mnuIDcover", QStringLiteral("Cover and Identity"), K(Qt::CTRL | Qt::SHIFT | Qt::Key_F11), nullptr, {}},
        {"mnuExtraSearch", "mnuIDComposerTitle", QStringLiteral("Composer and Title and Identity"), K(Qt::CTRL | Qt::SHIFT | Qt::Key_F1), nullptr, {}},
        {"mnuExtraSearch", "mnuIDComposerOrchestra", QStringLiteral("Composer and &Orchestra and Identity"), K(Qt::CTRL | Qt::SHIFT | Qt::Key_F2), nullptr, {}},
        {"mnuExtraSearch", "mnuIDComposerSoloist", QStringLiteral("Composer and Soloist and Identity"), K(Qt::CTRL | Qt::SHIFT | Qt::Key_F3), nullptr, {}},
        {"mnuExtraSearch", "mnuIDComposerCover", QStringLiteral("Composer and Cover and identity"), K(Qt::CTRL | Qt::SHIFT | Qt::Key_F4), nullptr, {}},
        {"mnuSort", "mnuSortComp", QStringLiteral("Sort by &Composer"), {}, nullptr, [&w] { maintenance::mnuSortComp(w); }},
        {"mnuSort", "mnuSortId", QStringLiteral("Sort by &Identity"), {}, nullptr, [&w] { maintenance::mnuSortId(w); }},
        {"mnuPrint", "mnuPrintCollection", QStringLiteral("P&rint Collection (6/A4)"), K(Qt::CTRL | Qt::Key_R), nullptr, [&w] { print::mnuPrintCollection(w); }},
        {"mnuPrint", "mnuPrintRange", QStringLiteral("Print for &Filing (3/A4)"), K(Qt::CTRL | Qt::Key_F), nullptr, [&w] { print::mnuPrintRange(w); }},
        {"mnublb", "mnuBible", QStringLiteral("My Collection ..."), {}, nullptr, [&w] { w.services().help.showContents(QStringLiteral("BIBLIOGRAPHY.HLP")); }},
        {"mnublb", "mnuDedication", {}, {}, nullptr, {}},
        {"mnublb", "mnuCollectionCheck", QStringLiteral("Collection &Check..."), K(Qt::CTRL | Qt::SHIFT | Qt::Key_K), "mnuSepMusic", [this] { showCollectionCheck(); }},
        {"mnuDedication", "mnuDedication1", QStringLiteral("Johann Sebastian Bach (1685-1750)"), {}, nullptr, [] { info::showDedication(); }},
        {"mnuAbout", "mnuHelp", QStringLiteral("Shortcut Keys"), K(Qt::SHIFT | Qt::Key_F1), nullptr, [] { info::showShortcutKeys(); }},
        {"mnuAbout", "mnuHelp1", QStringLiteral("Help"), K(Qt::CTRL | Qt::Key_F1), nullptr, [&w] { w.services().help.showContents(QStringLiteral("Sonvel400.HLP")); }},
        {"mnuAbout", "mnuAbout1", QStringLiteral("About ..."), {}, "mnuSepHelp", [&w] { info::showAbout(w.services().processes, w.dialogs()); }},
    };
    // clang-format on
    ui::buildMenus(menuBar(), menus, entries);

    ui::openMenuBarWithF10(this);
}

void FrmIstoriki::wireSearches() {
    // The search table names the button and the menu entry of each search.
    for (const search::SearchCommand& command : search::kSearchCommands) {
        const auto run = [this, &command] { search::runSearch(window_, command); };
        if (command.button) {
            QPushButton* b = button(command.button);
            b->setEnabled(true);
            connect(b, &QPushButton::clicked, this, run);
        }
        QAction* entry = menuEntry(command.menuEntry);
        entry->setEnabled(true);
        connect(entry, &QAction::triggered, this, run);
    }
}

}  // namespace main_window
