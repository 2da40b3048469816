#pragma once
// One pass over a CSV file with the settings of the preview window: the first rows as they will
// be stored, every problem of every row, and how many rows will be imported, refused and skipped.

#include <QString>
#include <atomic>
#include <cstdint>
#include <functional>
#include <optional>
#include <vector>

#include "csv/import_row.h"

namespace csv {

struct Analysis {
    static constexpr std::size_t kPreviewRows = 200;

    std::vector<ImportRow> preview;  // the first rows of records
    std::vector<Problem> problems;   // of every row, in the order of the file
    std::int64_t rows = 0;           // rows of records, the header row and empty lines left out
    std::int64_t imported = 0;
    std::int64_t refused = 0;
    std::int64_t skipped = 0;
    std::int64_t cut = 0;  // imported with a value cut to fit
};

// Reads the whole file; `progress` hears of the bytes read now and then. Nothing when `cancelled`
// was set meanwhile. Throws CsvFileError.
std::optional<Analysis> analyse(
    const QString& path, const ImportSettings& settings, const std::atomic<bool>& cancelled,
    const std::function<void(std::int64_t read, std::int64_t size)>& progress);

}  // namespace csv
