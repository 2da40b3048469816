#pragma once
// The 22 search commands of the main window, one table row each: the six single-field searches
// (a button and a Find menu entry each), Any Name, and the two- and three-text searches of the
// Seek, ID+Lookup and ID+Search menus. One procedure runs every row.

#include <QKeyCombination>
#include <array>
#include <vector>

#include "search/search_request.h"

namespace record {
class RecordWindow;
}

namespace search {

// The main window's texts of a search and where it stands in the menus; what it looks for is its
// shape (search_shapes.h).
struct SearchCommand {
    SearchId id;
    const char* button;  // the button that runs it, or nullptr
    const char* menu;    // the menu its entry stands in
    const char* menuEntry;
    const char* caption;  // of the menu entry
    QKeyCombination shortcut;
    const char* separatorBefore;  // objectName of a separator before the entry, or nullptr
    std::vector<InputBox> boxes;  // one per typed text
    const char* warning;          // shown when a text is empty (EveryText only)
    const char* notFound;         // %1, %2, %3 stand for the typed texts, as typed
};

extern const std::array<SearchCommand, kSearchCount> kSearchCommands;

// Runs a row: asks its boxes, checks the texts, and runs ForwardSearch.
void runSearch(record::RecordWindow& window, const SearchCommand& command);

}  // namespace search
