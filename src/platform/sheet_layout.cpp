#include "platform/sheet_layout.h"

namespace platform {

std::vector<Sheet> layOutPage(const PrintPage& page, double sheetTwips,
                              const std::function<double(const PrintLine&)>& lineTwips) {
    std::vector<Sheet> sheets(1);
    double y = 0;
    for (const PrintLine& line : page.lines) {
        if (line.topTwips >= 0) y = line.topTwips;
        const double height = lineTwips(line);
        if (y > 0 && y + height > sheetTwips) {
            // A line that would pass the bottom starts the next sheet at its top; a line moved
            // down past the bottom of a sheet that holds nothing yet stays on it.
            if (!sheets.back().empty()) sheets.emplace_back();
            y = 0;
        }
        sheets.back().push_back({&line, y});
        y += height;
    }
    return sheets;
}

std::vector<Sheet> layOutSheets(const std::vector<PrintPage>& pages, double sheetTwips,
                                const std::function<double(const PrintLine&)>& lineTwips) {
    std::vector<Sheet> sheets;
    for (const PrintPage& page : pages) {
        for (Sheet& sheet : layOutPage(page, sheetTwips, lineTwips))
            sheets.push_back(std::move(sheet));
    }
    return sheets;
}

}  // namespace platform
