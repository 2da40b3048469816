#include "collection_check/finding_texts.h"

namespace collection_check {

QString kindName(FindingKind kind) {
    switch (kind) {
        case FindingKind::Duplicate:
            return QStringLiteral("Probable duplicates");
        case FindingKind::NameVariant:
            return QStringLiteral("Name variants");
        case FindingKind::Identity:
            return QStringLiteral("Identities");
        case FindingKind::NotInList:
            return QStringLiteral("Names not in the pick lists");
        case FindingKind::Unfinished:
            return QStringLiteral("Unfinished records");
    }
    return {};
}

QString times(std::int64_t n, const char* one, const char* many) {
    return n == 1 ? QString::fromLatin1(one)
                  : QString::number(n) + QLatin1Char(' ') + QLatin1String(many);
}

QString records(std::int64_t n) {
    return times(n, "1 record", "records");
}

QString quoted(const QString& text) {
    return QLatin1Char('"') + text + QLatin1Char('"');
}

}  // namespace collection_check
