#pragma once
// One pass of an export: the records of the collection read in blocks, those that pass a filter
// written one line each in a format, and the caller told of every record as the pass goes, for
// its progress. Whoever exports (multi mode's exports, the main window's) brings the format, the
// filter and the progress; the pass is the same.

#include <cstdint>
#include <functional>

namespace store {
class CollectionFile;
}

namespace exporting {

class LineFormat;
class TextFile;

struct ExportPass {
    const LineFormat& format;
    // Whether a record (its 455 bytes) is written; every record is when this is empty.
    std::function<bool(const char* record)> passes;
    // Called for every record looked at, after its line (if any) is written.
    std::function<void(std::int32_t opusNumber, bool written)> progress;
    // Asked after every block of records read, with the Opus Number of its last record: the pass
    // ends there when it answers true (the user cancelled). Never asked when empty.
    std::function<bool(std::int32_t opusNumber)> stop = {};
};

// Writes records 1 to `last` that pass, until `stop` says so; returns how many were written.
// Throws StoreError when the collection cannot be read; a failed write is kept by `file` (see
// TextFile::close()).
std::int64_t exportRecords(store::CollectionFile& collection, std::int32_t last,
                           const ExportPass& pass, TextFile& file);

}  // namespace exporting
