#pragma once
// The words of the findings as the report shows them: the names of the kinds and the sentence of
// each kind of finding.

#include <QList>
#include <QPair>
#include <QString>
#include <QStringList>
#include <cstdint>

#include "collection_check/report.h"

namespace collection_check {

QString kindName(FindingKind kind);

// The ways one name or one Identity is written, each with how often.
using Spellings = QList<QPair<QString, std::int64_t>>;

// "Bach / Goldberg Variations: 2 records on the same medium": the work's fields that are not blank.
QString duplicateText(const QStringList& fields, std::int64_t records, bool oneMedium);
// "\"Bach, J.S.\" 5 times, \"BACH, J. S.\" once"
QString variantText(const Spellings& spellings);
// "Johann Sebastian Bach, BWV 988: \"BWV 988\" 3 records, \"BWV988\" 1 record": the work, and each
// way its catalogue number is written.
QString numberSpellingText(const QString& work, const Spellings& spellings);
// "\"No0002\" 2 records, \"no0002\" 1 record: Identities that differ only in case"
QString caseText(const Spellings& spellings);
QString leadingBlanksText(const QString& identity, std::int64_t records);
// The name and the pick lists its field says it belongs in.
QString notInListText(NameField field, const QString& name, std::int64_t records);
// A medium whose cover name has no picture; a collection none of whose media has one.
QString noCoverText(const QString& name, std::int64_t records);
QString noCoverAtAllText(std::int64_t media, const QString& folder);
QString unfinishedText();
QString deletedText(std::int64_t records);
// The last row of a kind that lists only its first or commonest findings.
QString leftOutText(std::int64_t leftOut);

}  // namespace collection_check
