#pragma once
// The pass that makes the Works tree: it is fed the records in Opus order and keeps, for each
// record with a catalogue number, its composer, its work and its Opus Number, and for each work
// the count of each title as hashes; at its end it reads back the Composer field of the few
// records that name composers outside the table.

#include <QString>
#include <atomic>
#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

#include "common/hash_table.h"
#include "store/opus_record.h"
#include "works/works_tree.h"

namespace works {

class WorksPass {
public:
    // Room for the records to come, when their count is known.
    void reserve(std::int32_t records) { workOf_.reserve(std::size_t(records)); }
    // Record `opus`, the records in Opus order: its 455 bytes as stored.
    void add(std::int32_t opus, const char* record);
    // The tree; `read` reads a record again for the names of composers outside the table. Throws
    // what `read` throws.
    WorksTree finish(const std::function<store::OpusRecord(std::int32_t)>& read);

private:
    // A way the Composer field is written, and the composer it names.
    struct Spelling {
        std::uint32_t composer = 0;  // in composers_
        std::uint32_t count = 0;
        std::int32_t firstOpus = 0;
    };
    struct Composer {
        catalogue::Composer known = catalogue::Composer::Unknown;
        std::uint32_t works = 0;
    };
    struct Work {
        std::uint64_t number = 0;  // catalogue key
        std::uint32_t composer = 0;
        std::uint32_t recordings = 0;
        std::int32_t titleOpus = 0;
        std::uint32_t titleCount = 0;  // how many records have that title
    };
    struct Title {
        std::uint32_t count = 0;
        std::int32_t firstOpus = 0;
    };

    const Spelling& spellingOf(std::int32_t opus, QByteArrayView field);
    void countTitle(std::uint32_t work, std::int32_t opus, QByteArrayView title);
    // The steps of finish(): the composers in their order (their rank by index of composers_),
    // the works in theirs (their place by index of works_), the recordings by work.
    std::vector<std::uint32_t> placeComposers(
        WorksTree& tree, const std::function<store::OpusRecord(std::int32_t)>& read);
    std::vector<std::uint32_t> placeWorks(WorksTree& tree, const std::vector<std::uint32_t>& rank);
    void placeRecordings(WorksTree& tree, const std::vector<std::uint32_t>& place);

    common::HashTable<Spelling> spellings_;        // by the field's bytes
    common::HashTable<std::uint32_t> composerAt_;  // by composer key: index + 1 in composers_
    std::vector<Composer> composers_;
    common::HashTable<std::uint32_t> workAt_;  // by composer and number: index + 1 in works_
    std::vector<Work> works_;
    common::HashTable<Title> titles_;  // by work and title
    // For each record from the first, its work + 1, or 0 (no number, deleted): 4 bytes a record.
    std::vector<std::uint32_t> workOf_;
    std::size_t recordings_ = 0;
    std::int64_t withoutNumber_ = 0;
};

// Called after each block with the records read so far and the records in all.
using Progress = std::function<void(std::int64_t done, std::int64_t total)>;

// Reads the collection at `path` once in blocks, on a handle of its own, testing `cancelled`
// before each block; nothing when it was cancelled. Throws store::StoreError, naming the file and
// the reason, when it cannot be read.
std::shared_ptr<const WorksTree> readWorks(const QString& path, const Progress& progress,
                                           const std::atomic<bool>& cancelled);

}  // namespace works
