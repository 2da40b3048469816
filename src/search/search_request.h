#pragma once
// What both windows' searches share: their input boxes, the texts they ask for, the rule built
// from them, the not-found message, and the scan for the next hit with its progress count. Main
// window and multi mode each keep their own texts of the 22 searches and their own way of showing
// hits.

#include <QString>
#include <QStringList>
#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <vector>

#include "search/search_shapes.h"
#include "store/match_rule.h"
#include "store/opus_record.h"

namespace platform {
class Dialogs;
}

namespace store {
class RecordScanner;
}

namespace search {

struct InputBox {
    const char* prompt;
    const char* title;
};

// Asks every box in turn, also after one was left empty. With a box left empty the warning (if
// any) is shown and there are no texts.
std::optional<QStringList> askTexts(platform::Dialogs& dialogs, const std::vector<InputBox>& boxes,
                                    const char* warning);

// The rule of a search: for AnyName the one text in any of `anyNameFields`, else each text in its
// field of the shape.
store::MatchRule matchRule(const SearchShape& shape, const QStringList& texts,
                           const std::vector<store::Field>& anyNameFields);

// The not-found message: %1, %2, %3 stand for the typed texts, put in in one pass, so a typed
// text holding "%2" stays as typed.
QString notFoundText(const char* pattern, const QStringList& texts);

enum class Scan { Hit, PassedTheEnd, Failed };

// Scans on from where `records` stands (after the last hit) up to N and one step beyond it;
// `hit` gets the next record the rule matches. `looked` is told how many records were looked at,
// a block at a time, and once more (1) for the step past N: the caller counts them one by one in
// its caption. A record that cannot be read ends the scan with a message.
Scan scanForNext(store::RecordScanner& records, const store::MatchRule& rule,
                 const std::function<void(std::int32_t)>& looked, platform::Dialogs& dialogs,
                 std::int32_t* hit);

}  // namespace search
