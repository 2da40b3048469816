#pragma once
// What the Works window shows of the tree: every composer, work and recording, or those a filter
// leaves. The switch "Recorded more than once" keeps the works of two recordings or more.
//
// A filter text is words, folded as Quick Find folds them (quick_find/query.h). A recording is
// shown when each word stands somewhere along it: in its composer's name as shown; in its work
// (the catalogue number as shown, "BWV 988", the number itself for a word that reads as one,
// "bwv988" or "op27", and the work's most common title); or in its own Composer, Title,
// Orchestra/Conductor or Soloists. So "goldberg gould" shows Glenn Gould's recordings of the
// Goldberg Variations, whatever their own titles say. Identities and Covers are not looked at:
// their media numbers and years would match a typed number at random.

#include <QString>
#include <atomic>
#include <cstdint>
#include <optional>
#include <vector>

#include "quick_find/query.h"
#include "works/works_tree.h"

namespace works {

// The rows shown, as places in the tree's vectors, each level's rows grouped by their parent.
struct WorksView {
    std::vector<std::uint32_t> composers;
    // For each row of `composers` its first row in `works`, and one more at the end.
    std::vector<std::uint32_t> composerWorks{0};
    std::vector<std::uint32_t> works;
    // For each row of `works` its first row in `recordings`, and one more at the end.
    std::vector<std::uint32_t> workRecordings{0};
    std::vector<std::uint32_t> recordings;  // places in WorksTree::recordings
};

struct Filter {
    std::vector<quick_find::Word> words;  // the first 64 count
    bool moreThanOnce = false;
};

// The view of a filter without words: no record is read.
WorksView wholeView(const WorksTree& tree, bool moreThanOnce);

// The view of a filter with words. The collection at `path` is read once in blocks, on a handle
// of its own, for the fields of the recordings; nothing when `cancelled` turns true. Throws
// store::StoreError when it cannot be read.
std::optional<WorksView> filteredView(const QString& path, const WorksTree& tree,
                                      const Filter& filter, const std::atomic<bool>& cancelled);

}  // namespace works
