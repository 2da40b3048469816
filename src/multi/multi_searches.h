#pragma once
// The 22 searches of multi mode, one table row each, and the page cycle that runs them: the
// whole collection is scanned and every hit drawn, eight to a page; each full page, and the
// last, is printed, appended to the result files, or left on the screen.

#include <array>
#include <vector>

#include "search/search_request.h"

namespace multi {

class MultiWindow;

using search::InputBox;
using search::SearchId;

// Multi mode's texts of a search; what it looks for is its shape (search/search_shapes.h).
struct MultiSearch {
    SearchId id;
    const char* menuEntry;
    std::vector<InputBox> boxes;  // one per typed text
    const char* warning;          // a text left empty (EveryText only)
    const char* notFound;         // %1, %2, %3: the typed texts
    const char* pageTitle;
    // The title of a last page reached by passing the last record (one search has its own).
    const char* passingPageTitle;
    bool createsShortFile;    // makes SearchShort.doc empty at the start too
    bool clearsPageTitle;     // empties the page title at the start
    bool printDisablesPrint;  // printing a full page disables "&Print Shown"
};

extern const std::array<MultiSearch, search::kSearchCount> kMultiSearches;

// Runs a row through the page cycle.
void runMultiSearch(MultiWindow& window, const MultiSearch& search);

}  // namespace multi
