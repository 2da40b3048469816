#include "search/search_request.h"

#include "common/texts.h"
#include "platform/dialogs.h"
#include "store/record_scanner.h"
#include "store/store_error.h"

namespace search {

std::optional<QStringList> askTexts(platform::Dialogs& dialogs, const std::vector<InputBox>& boxes,
                                    const char* warning) {
    QStringList texts;
    for (const InputBox& box : boxes) {
        texts << dialogs.input(QString::fromLatin1(box.prompt), QString::fromLatin1(box.title));
    }
    if (!texts.contains(QString())) return texts;
    if (warning) {
        dialogs.show(common::kTitle, QString::fromLatin1(warning), platform::Icon::Exclamation);
    }
    return std::nullopt;
}

store::MatchRule matchRule(const SearchShape& shape, const QStringList& texts,
                           const std::vector<store::Field>& anyNameFields) {
    if (shape.kind == SearchKind::AnyName) return store::MatchRule::anyOf(texts[0], anyNameFields);
    std::vector<std::pair<store::Field, QString>> wanted;
    for (qsizetype i = 0; i < texts.size(); ++i) wanted.emplace_back(shape.fields[i], texts[i]);
    return store::MatchRule::allOf(wanted);
}

QString notFoundText(const char* pattern, const QStringList& texts) {
    const QString text = QString::fromLatin1(pattern);
    return texts.size() == 1   ? text.arg(texts[0])
           : texts.size() == 2 ? text.arg(texts[0], texts[1])
                               : text.arg(texts[0], texts[1], texts[2]);
}

Scan scanForNext(store::RecordScanner& records, const store::MatchRule& rule,
                 const std::function<void(std::int32_t)>& looked, platform::Dialogs& dialogs,
                 std::int32_t* hit) {
    try {
        *hit = store::findNext(records, rule, looked);
    } catch (const store::StoreError& e) {
        dialogs.show(common::kTitle, e.message(), platform::Icon::Exclamation);
        return Scan::Failed;
    }
    if (*hit != 0) return Scan::Hit;
    looked(1);  // the step past record N, which never matches
    return Scan::PassedTheEnd;
}

}  // namespace search
