#include "collection_check/finding_texts.h"

namespace collection_check {

namespace {

QString times(std::int64_t n, const char* one, const char* many) {
    return n == 1 ? QString::fromLatin1(one)
                  : QString::number(n) + QLatin1Char(' ') + QLatin1String(many);
}

// "1 record", "N records"
QString recordsText(std::int64_t n) {
    return times(n, "1 record", "records");
}

QString quoted(const QString& text) {
    return QLatin1Char('"') + text + QLatin1Char('"');
}

// Each spelling quoted, with its count as `counted` words it.
template <class Counted>
QString joined(const Spellings& spellings, Counted counted) {
    QStringList shown;
    for (const auto& [text, count] : spellings)
        shown << quoted(text) + QLatin1Char(' ') + counted(count);
    return shown.join(QStringLiteral(", "));
}

}  // namespace

QString kindName(FindingKind kind) {
    switch (kind) {
        case FindingKind::Duplicate:
            return QStringLiteral("Probable duplicates");
        case FindingKind::NameVariant:
            return QStringLiteral("Name variants");
        case FindingKind::NumberSpelling:
            return QStringLiteral("Catalogue numbers");
        case FindingKind::Identity:
            return QStringLiteral("Identities");
        case FindingKind::NoCover:
            return QStringLiteral("Covers");
        case FindingKind::NotInList:
            return QStringLiteral("Names not in the pick lists");
        case FindingKind::Unfinished:
            return QStringLiteral("Unfinished records");
    }
    return {};
}

QString duplicateText(const QStringList& fields, std::int64_t records, bool oneMedium) {
    return fields.join(QStringLiteral(" / ")) + QStringLiteral(": ") + recordsText(records) +
           (oneMedium ? QStringLiteral(" on the same medium")
                      : QStringLiteral(" on different media"));
}

QString variantText(const Spellings& spellings) {
    return joined(spellings, [](std::int64_t n) { return times(n, "once", "times"); });
}

QString numberSpellingText(const QString& work, const Spellings& spellings) {
    return work + QStringLiteral(": ") + joined(spellings, recordsText);
}

QString caseText(const Spellings& spellings) {
    return joined(spellings, recordsText) + QStringLiteral(": Identities that differ only in case");
}

QString leadingBlanksText(const QString& identity, std::int64_t records) {
    return quoted(identity) + QStringLiteral(" stored with leading blanks: ") +
           recordsText(records);
}

QString notInListText(NameField field, const QString& name, std::int64_t records) {
    QString text;
    switch (field) {
        case NameField::Composer:
            text = QStringLiteral("Composer %1 is not in Composers.txt");
            break;
        case NameField::Orchestra:
            text = QStringLiteral(
                "Orchestra/Conductor %1 is in neither Orchestras.txt nor Conductors.txt");
            break;
        default:
            text = QStringLiteral(
                "Soloist %1 is in none of AKSoloists.txt, LZSoloists.txt and Vocal.txt");
            break;
    }
    return text.arg(quoted(name)) + QStringLiteral(": ") + recordsText(records);
}

QString noCoverText(const QString& name, std::int64_t records) {
    return quoted(name) + QStringLiteral(" has no front cover (") + name +
           QStringLiteral(".jpg): ") + recordsText(records);
}

QString noCoverAtAllText(std::int64_t media, const QString& folder) {
    return QStringLiteral("None of the %1 media has a front cover in %2").arg(media).arg(folder);
}

QString unfinishedText() {
    return QStringLiteral("Identity \"No\" and every other field blank: never filled in");
}

QString deletedText(std::int64_t records) {
    return QStringLiteral("Deleted records (Identity \"~~~\"): %1").arg(records);
}

QString leftOutText(std::int64_t leftOut) {
    return QStringLiteral("... and %1 more of this kind, not listed").arg(leftOut);
}

}  // namespace collection_check
