#pragma once
// What one check of the collection found: the figures of the first tab and the findings of the
// second, ready to be shown, saved as HTML or acted on.

#include <QList>
#include <QPair>
#include <QString>
#include <cstdint>
#include <vector>

namespace collection_check {

struct Figures {
    std::int64_t records = 0;
    std::int64_t media = 0;  // runs of neighbouring records of one medium key, as media counting
    std::int64_t deleted = 0;
    std::int64_t unfinished = 0;
    // The kinds of medium that occur, in the media icons' order, then "other"; media each.
    QList<QPair<QString, std::int64_t>> mediaByKind;
    // The composers with the most records, most first, each as most often written; records each.
    QList<QPair<QString, std::int64_t>> topComposers;
};

enum class FindingKind {
    Duplicate,
    NameVariant,
    NumberSpelling,
    Identity,
    NoCover,
    NotInList,
    Unfinished
};

// Where a name not in the pick lists was found, which says the lists it belongs to.
enum class NameField { None, Composer, Orchestra, Soloists };

struct Finding {
    FindingKind kind = FindingKind::Duplicate;
    QString text;
    // The records involved, in ascending order; at most kMaxNumbers of them are kept.
    QList<std::int32_t> opusNumbers;
    bool moreNumbers = false;  // records beyond those kept: the list is shown ending in "..."
    std::int64_t records = 0;  // how many records in all
    // For a name not in the pick lists: the name as most often written, and its field.
    NameField field = NameField::None;
    QString name;
};

// A finding lists its first records only, and a kind lists its commonest findings only: a
// collection that never used the pick lists would otherwise fill the table with thousands.
constexpr int kMaxNumbers = 50;
constexpr int kMaxFindingsPerKind = 500;

struct Report {
    Figures figures;
    std::vector<Finding> findings;  // by kind, in the order of FindingKind
};

}  // namespace collection_check
