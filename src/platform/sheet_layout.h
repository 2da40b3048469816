#pragma once
// Where a job's lines come out on paper: one below the other, a line whose print position was
// moved down at that position, and a new sheet wherever the next line would pass the bottom of
// the printable area, as a printer does, so that no line of a job is ever lost.

#include <functional>
#include <vector>

#include "platform/print_pages.h"

namespace platform {

struct PlacedLine {
    const PrintLine* line = nullptr;
    double topTwips = 0;  // from the top of the sheet's printable area
};

using Sheet = std::vector<PlacedLine>;

// Every page of the job starts a sheet; a page longer than a sheet goes on over as many as it
// needs. `sheetTwips` is the height of the printable area, `lineTwips` how tall a line comes out.
std::vector<Sheet> layOutSheets(const std::vector<PrintPage>& pages, double sheetTwips,
                                const std::function<double(const PrintLine&)>& lineTwips);
// The sheets of one page, for outputs that go through a job page by page.
std::vector<Sheet> layOutPage(const PrintPage& page, double sheetTwips,
                              const std::function<double(const PrintLine&)>& lineTwips);

}  // namespace platform
