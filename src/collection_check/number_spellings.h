#pragma once
// One work whose catalogue number is written in several ways ("BWV 988", "BWV988", "bwv. 988"),
// so that a collector can make them one. The pass counts, for each work (a composer and a
// catalogue number: catalogue/record_number.h), each way its number is written, as hashes with
// the first record of each; the texts are read back only for the findings.

#include <cstdint>
#include <vector>

#include "catalogue/composers.h"
#include "collection_check/record_texts.h"
#include "collection_check/report.h"
#include "common/hash_table.h"

namespace collection_check {

class NumberSpellings {
public:
    // Record `opus`, neither deleted nor unfinished: its 455 bytes as stored, its Composer without
    // its blanks around it and a hash of that (the one the pass keeps the name by).
    void add(std::int32_t opus, const char* record, QByteArrayView composer,
             std::uint64_t composerHash);
    // The works written in more than one way, those of the most records first.
    std::vector<Finding> findings(Texts& texts);

private:
    // The composer a Composer field names, and the key that groups its works: a composer of the
    // table, or any other by the reading of the field. Each spelling of the field is recognised
    // once.
    struct Composer {
        catalogue::Composer known = catalogue::Composer::Unknown;
        std::uint64_t key = 0;
    };
    const Composer& composerOf(QByteArrayView composer, std::uint64_t hash);
    void countPending();

    struct Written {  // one way of writing one work's number
        std::uint64_t work = 0;
        std::uint32_t count = 0;
        std::int32_t firstOpus = 0;
    };
    common::HashTable<Written> written_;     // by work and writing
    common::HashTable<Composer> composers_;  // by the hash of the Composer
    // Writings not yet counted: counted in batches, so that the lookups overlap their waits for
    // memory.
    struct Pending {
        std::uint64_t key;  // of written_
        std::uint64_t work;
        std::int32_t opus;
    };
    std::vector<Pending> pending_;
};

}  // namespace collection_check
