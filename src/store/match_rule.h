#pragma once
// What makes a record a hit: typed texts, each looked for in its own field (all of them must be
// there), or one text looked for in several fields (any of them will do). Texts are compared in
// the bytes of the file: exactly, case-sensitively, against the whole blank-padded field.

#include <QByteArray>
#include <QString>
#include <cstdint>
#include <vector>

#include "store/opus_record.h"

namespace store {

class MatchRule {
public:
    // Each text must stand in its field.
    static MatchRule allOf(const std::vector<std::pair<Field, QString>>& texts);
    // The text must stand in at least one of the fields.
    static MatchRule anyOf(const QString& text, const std::vector<Field>& fields);

    // `record` points at the 455 bytes of a record.
    bool matches(const char* record) const;
    // The index of the first of `count` records at `records` that the rule matches; `count`
    // when none does.
    std::int32_t firstMatch(const char* records, std::int32_t count) const;

private:
    struct Wanted {
        Field field;
        QByteArray bytes;
    };
    bool any_ = false;
    // A text with a character the code page cannot hold stands in no field at all.
    bool impossible_ = false;
    std::vector<Wanted> wanted_;
};

}  // namespace store
