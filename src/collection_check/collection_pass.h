#pragma once
// The check's one pass over the collection. It is fed the records in Opus Number order and keeps
// counts and 64-bit hashes with the first Opus Number of each, never the texts; at the end it
// reads back the few records its findings name, for their texts.

#include <QHash>
#include <QSet>
#include <QStringList>
#include <array>
#include <cstdint>
#include <functional>
#include <vector>

#include "collection_check/report.h"
#include "store/opus_record.h"

namespace collection_check {

class CollectionPass {
public:
    // The main window's eight pick lists, in the order they are loaded (Composers, Conductors,
    // Title, Orchestras, A-K and L-Z Soloists, Vocal, Labels).
    using PickLists = std::array<QStringList, 8>;

    explicit CollectionPass(const PickLists& lists);

    // Record `opusNumber`: its 455 bytes as stored.
    void add(std::int32_t opusNumber, const char* record);

    // What the pass found; `read` reads a record again for the texts. Throws what `read` throws.
    Report finish(const std::function<store::OpusRecord(std::int32_t)>& read);

    struct Name {  // one way of writing a name in one field
        std::uint64_t folded;
        std::uint64_t exact;
        std::int64_t count;
        std::int32_t firstOpus;
        NameField field;
    };
    struct Work {  // one record's Composer, Title, Orchestra and Soloists, folded together
        std::uint64_t key;
        std::uint64_t medium;
        std::int32_t opus;
    };
    struct Identity {  // one medium key as written
        std::int64_t count;
        std::int32_t firstOpus;
    };

private:
    void addName(NameField field, QByteArrayView name, std::int32_t opus);
    void endMediumRun();

    std::array<QSet<std::uint64_t>, 4> listed_;  // folded names each NameField may be found in

    Figures figures_;
    std::vector<std::int64_t> mediaByKind_;  // the media icons' kinds, then "other"
    QHash<std::uint64_t, Name> names_;       // by exact hash and field
    std::vector<Work> works_;
    QHash<std::uint64_t, Identity> identities_;                          // by medium key
    std::vector<std::pair<std::uint64_t, std::int32_t>> leadingBlanks_;  // medium key, record
    std::vector<std::int32_t> unfinished_;
    std::vector<std::int32_t> deleted_;  // the first kMaxNumbers only

    bool anyRecord_ = false;
    std::uint64_t runKey_ = 0;
    std::int64_t runLength_ = 0;
    std::int32_t runFirst_ = 0;
};

}  // namespace collection_check
