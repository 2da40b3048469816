#pragma once
// The whole check of a collection file: one pass in blocks on a handle of its own, so that it can
// run on a thread of its own while the main window goes on using its handle.

#include <QString>
#include <atomic>
#include <cstdint>
#include <functional>
#include <optional>

#include "collection_check/collection_pass.h"

namespace collection_check {

// Called after each block with the records read so far and the records in all.
using Progress = std::function<void(std::int64_t done, std::int64_t total)>;

// Reads the collection at `path` once, testing `cancelled` before each block; nothing when it was
// cancelled. Throws store::StoreError, naming the file and the reason, when it cannot be read.
// `coversFolder`: where the front covers are looked for (none: not looked for).
std::optional<Report> checkCollection(const QString& path, const CollectionPass::PickLists& lists,
                                      const QString& coversFolder, const Progress& progress,
                                      const std::atomic<bool>& cancelled);

}  // namespace collection_check
