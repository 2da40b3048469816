#include "store/match_rule.h"

#include <string_view>

#include "store/codepage.h"

namespace store {

namespace {

bool fieldHolds(const char* record, Field field, const QByteArray& text) {
    const int width = fieldWidth(field);
    if (text.size() > width) return false;
    const std::string_view haystack(record + fieldOffset(field), width);
    return haystack.find(std::string_view(text.constData(), text.size())) != std::string_view::npos;
}

}  // namespace

MatchRule MatchRule::allOf(const std::vector<std::pair<Field, QString>>& texts) {
    MatchRule rule;
    for (const auto& [field, text] : texts) {
        if (!canStore(text)) rule.impossible_ = true;
        rule.wanted_.push_back({field, toDisk(text)});
    }
    return rule;
}

MatchRule MatchRule::anyOf(const QString& text, const std::vector<Field>& fields) {
    MatchRule rule;
    rule.any_ = true;
    rule.impossible_ = !canStore(text);
    for (Field field : fields) rule.wanted_.push_back({field, toDisk(text)});
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

std::int32_t MatchRule::firstMatch(const char* records, std::int32_t count) const {
    if (impossible_) return count;
    for (std::int32_t i = 0; i < count; ++i) {
        if (matches(records + qsizetype(i) * kRecordLength)) return i;
    }
    return count;
}

}  // namespace store
