#pragma once
// The one search procedure of the main window: a scan from Opus Number 1 that stops at every hit,
// shows it and offers it for printing, until the user stops or the collection ends.

#include <QString>

#include "store/match_rule.h"

namespace record {
class RecordWindow;
}

namespace search {

void ForwardSearch(record::RecordWindow& window, const store::MatchRule& rule,
                   const QString& notFound);

}  // namespace search
