#include "csv/analysis.h"

#include "csv/row_stream.h"

namespace csv {

std::optional<Analysis> analyse(
    const QString& path, const ImportSettings& settings, const std::atomic<bool>& cancelled,
    const std::function<void(std::int64_t read, std::int64_t size)>& progress) {
    constexpr std::int64_t kProgressBytes = 1 << 20;
    RowStream stream(path, settings);
    Analysis analysis;
    ImportRow row;
    std::int64_t told = 0;
    while (stream.next(row)) {
        if (cancelled.load(std::memory_order_relaxed)) return std::nullopt;
        ++analysis.rows;
        switch (row.fate) {
            case Fate::Imported:
                ++analysis.imported;
                analysis.cut += row.cut;
                break;
            case Fate::Refused:
                ++analysis.refused;
                break;
            case Fate::Skipped:
                ++analysis.skipped;
                break;
        }
        analysis.problems.insert(analysis.problems.end(), row.problems.begin(), row.problems.end());
        if (analysis.preview.size() < Analysis::kPreviewRows) analysis.preview.push_back(row);
        if (progress && stream.bytesRead() - told >= kProgressBytes) {
            told = stream.bytesRead();
            progress(told, stream.size());
        }
    }
    if (cancelled.load()) return std::nullopt;
    return analysis;
}

}  // namespace csv
