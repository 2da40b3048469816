#include "search/match_rule.h"

#include <string_view>

#include "store/codepage.h"

namespace search {

namespace {

bool fieldHolds(const char* record, store::Field field, const QByteArray& text) {
    const int width = store::fieldWidth(field);
    if (text.size() > width) return false;
    const std::string_view haystack(record + store::fieldOffset(field), width);
    return haystack.find(std::string_view(text.constData(), text.size())) != std::string_view::npos;
}

}  // namespace

MatchRule MatchRule::allOf(const std::vector<std::pair<store::Field, QString>>& texts) {
    MatchRule rule;
    for (const auto& [field, text] : texts) {
        if (!store::canStore(text)) rule.impossible_ = true;
        rule.wanted_.push_back({field, store::toDisk(text)});
    }
    return rule;
}

MatchRule MatchRule::anyOf(const QString& text, const std::vector<store::Field>& fields) {
    MatchRule rule;
    rule.any_ = true;
    rule.impossible_ = !store::canStore(text);
    for (store::Field field : fields) rule.wanted_.push_back({field, store::toDisk(text)});
    return rule;
}

bool MatchRule::matches(const char* record) const {
    if (impossible_) return false;
    for (const Wanted& w : wanted_) {
        const bool holds = fieldHolds(record, w.field, w.bytes);
        if (any_ && holds) return true;
        if (!any_ && !holds) return false;
    }
    return !any_;
}

}  // namespace search
