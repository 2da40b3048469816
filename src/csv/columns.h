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

// Where a column's value stands among the values of other columns that go into the same field:
// by rank (an orchestra before its conductor, a label before its catalogue number), then in the
// order of the columns. A tight value is joined to the one before it by one blank, not two.
struct Placement {
    int rank = 0;
    bool tight = false;
};

struct NamedColumn {
    bool known = false;  // the name is one of the export's, or a usual variant of one
    Target target;       // none for "Opus No": records get the next free Opus Numbers
    Placement placement;
};
// The column a name stands for, whatever its case, blanks and punctuation: the export's names
// and the usual variants ("Format" and "Media" for Identity, "Conductor" and "Orchestra" for
// Orchestra/Conductor, "Artist" for Soloists, "Label" for Cover...).
NamedColumn columnNamed(const QString& name);

// Whether a first row names its columns: two or more of its cells are names of columns, or at
// least half of those that are not empty are.
bool looksLikeHeader(const QStringList& cells);

// What each of `columns` columns goes into: by the names of the header row, or without one
// (`header` empty), in the export's order; a file of fewer columns than the export's has no
// Opus No column, and its columns are the fields in order.
std::vector<Target> defaultTargets(const QStringList& header, int columns);
// Where each column's value stands in its field, by the names of the header row; empty without
// one (the columns in order, two blanks between them).
std::vector<Placement> placementsOf(const QStringList& header, int columns);

}  // namespace csv
