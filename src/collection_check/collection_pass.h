#pragma once
// The check's one pass over the collection. It is fed the records in Opus Number order and keeps
// counts and 64-bit hashes with the first Opus Number of each, never the texts; at the end it
// reads back the few records its findings name, for their texts.

#include <QStringList>
#include <array>
#include <cstdint>
#include <functional>
#include <vector>

#include "collection_check/check_fold.h"
#include "collection_check/missing_covers.h"
#include "collection_check/number_spellings.h"
#include "collection_check/pass_records.h"
#include "collection_check/report.h"
#include "common/hash_table.h"
#include "store/opus_record.h"

namespace collection_check {

using common::HashTable;

class CollectionPass {
public:
    // The main window's eight pick lists, in the order they are loaded (Composers, Conductors,
    // Title, Orchestras, A-K and L-Z Soloists, Vocal, Labels).
    using PickLists = std::array<QStringList, 8>;

    // `coversFolder`: where the media's front covers are looked for; none, no such finding.
    explicit CollectionPass(const PickLists& lists, QString coversFolder = {});

    // Record `opusNumber`: its 455 bytes as stored.
    void add(std::int32_t opusNumber, const char* record);

    // What the pass found; `read` reads a record again for the texts. Throws what `read` throws.
    Report finish(const std::function<store::OpusRecord(std::int32_t)>& read);

private:
    // `exact`: the name's exactHash().
    void queueName(NameField field, QByteArrayView name, std::uint64_t exact);
    void queueName(NameField field, QByteArrayView name) {
        queueName(field, name, exactHash(name));
    }
    void countPending();
    void endMediumRun();
    // The names counted, in the order of their field and fold; their table is emptied.
    std::vector<Name> takeNames();

    ListedNames listed_;

    Figures figures_;
    std::vector<std::int64_t> mediaByKind_;  // the media icons' kinds, then "other"
    // What the pass keeps of a name, in 24 bytes: a table slot and its key fill half a cache
    // line. Its exact hash is in the key.
    struct NameCount {
        Folded fold;
        std::int32_t firstOpus;
        std::uint32_t count;  // a name in more than four thousand million records: never
        NameField field;
    };
    HashTable<NameCount> names_;  // by exact hash and field

    // Records whose names are not yet counted: counted in batches, so that the lookups of many
    // names overlap their waits for memory. A name's bytes are kept until then.
    struct PendingName {
        std::uint64_t key;
        std::uint32_t offset;  // of its bytes in pendingBytes_
        std::uint32_t length;
        NameField field;
    };
    struct PendingRecord {
        std::uint64_t title;  // folded whole
        std::int32_t opus;
        std::uint32_t names;  // how many of pendingNames_ are its
    };
    std::vector<PendingName> pendingNames_;
    std::vector<PendingRecord> pendingRecords_;
    std::vector<char> pendingBytes_;

    std::vector<Work> works_;
    NumberSpellings numberSpellings_;
    HashTable<Identity> identities_;  // by medium key
    LeadingBlanks leadingBlanks_;
    QString coversFolder_;
    MissingCovers missingCovers_;
    std::vector<std::int32_t> unfinished_;
    std::vector<std::int32_t> deleted_;  // the first kMaxNumbers only

    bool anyRecord_ = false;
    std::uint64_t runKey_ = 0;
    std::int64_t runLength_ = 0;
    std::int32_t runFirst_ = 0;
};

}  // namespace collection_check
