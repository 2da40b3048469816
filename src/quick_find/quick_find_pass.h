#pragma once
// One pass of Quick Find over the whole collection, meant for a worker thread: it reads through the
// block scanner on a read handle of its own, checks its cancel flag at every block, and writes
// nothing.

#include <QString>
#include <atomic>
#include <cstdint>
#include <functional>
#include <vector>

#include "quick_find/query.h"

namespace quick_find {

struct PassResult {
    enum class Outcome { Finished, Cancelled, Failed };
    Outcome outcome = Outcome::Finished;
    QString error;  // why the collection could not be read
};

// Reads the collection at `path` from its first record to its last and hands the Opus Numbers of
// the records that hold every word to `found`, in Opus order, a batch at a time: the first batch
// as soon as a block of records holds a hit, later ones every few tens of milliseconds, so that the
// list fills while the pass runs without a call for every hit.
PassResult runPass(const QString& path, const std::vector<Word>& words,
                   const std::atomic<bool>& cancelled,
                   const std::function<void(std::vector<std::int32_t>)>& found);

}  // namespace quick_find
