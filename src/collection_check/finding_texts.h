#pragma once
// The words of the findings as the report shows them: the names of the kinds and the pieces the
// sentences of the findings are made of.

#include <QString>
#include <cstdint>

#include "collection_check/report.h"

namespace collection_check {

QString kindName(FindingKind kind);

// "once" or "N times", "1 record" or "N records": `one` for one, else the number and `many`.
QString times(std::int64_t n, const char* one, const char* many);
QString records(std::int64_t n);
QString quoted(const QString& text);

}  // namespace collection_check
