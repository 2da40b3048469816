#pragma once
// The texts behind the pass's hashes: the few records its findings name, read back once each at
// the end of the check.

#include <QString>
#include <cstdint>
#include <functional>
#include <map>

#include "collection_check/pass_records.h"
#include "store/opus_record.h"

namespace collection_check {

// Reads records back for the texts of the findings, each once.
class Texts {
public:
    explicit Texts(const std::function<store::OpusRecord(std::int32_t)>& read) : read_(read) {}

    const store::OpusRecord& record(std::int32_t opus);

    // The name as written in that record: the one of the same bytes, else one that folds alike
    // (the record was edited since the pass), else the whole field.
    QString name(const Name& name);

private:
    const std::function<store::OpusRecord(std::int32_t)>& read_;
    std::map<std::int32_t, store::OpusRecord> records_;
};

}  // namespace collection_check
