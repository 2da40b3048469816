#pragma once
// The columns of a CSV file and the fields of the record: the export's header, the names a
// column of another program may carry, and what each column goes into by default.

#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

#include "store/opus_record.h"

namespace csv {

// What a column goes into: a field of the record, or nothing (left out).
using Target = std::optional<store::Field>;

// The export's columns, in order: "Opus No", then the six fields.
const QStringList& exportColumns();

// "Identity", "Composer", "Title", "Orchestra/Conductor", "Soloists", "Cover".
QString fieldName(store::Field field);

struct NamedColumn {
    bool known = false;  // the name is one of the export's, or a usual variant of one
    Target target;       // none for "Opus No": records get the next free Opus Numbers
};
// The column a name stands for, whatever its case, blanks and punctuation: the export's names
// and the usual variants ("Format" and "Media" for Identity, "Conductor" and "Orchestra" for
// Orchestra/Conductor, "Artist" for Soloists, "Label" for Cover...).
NamedColumn columnNamed(const QString& name);

// Whether a first row names its columns: at least half of its cells that are not empty are names
// of columns.
bool looksLikeHeader(const QStringList& cells);

// What each of `columns` columns goes into: by the names of the header row, or without one
// (`header` empty), in the export's order; a file of fewer columns than the export's has no
// Opus No column, and its columns are the fields in order.
std::vector<Target> defaultTargets(const QStringList& header, int columns);

}  // namespace csv
