#pragma once
// "Export as CSV": the whole collection as one CSV file a spreadsheet reads, in UTF-8 with its
// byte-order mark (so that Greek reads right), one row a record after a header row.

#include <QString>

namespace record {
class RecordWindow;
}

namespace csv {

class Progress;

inline const QString kExportTitle = QStringLiteral("Sonvella 4.0 - Export as CSV");

// The File menu's "Export as CSV...": asks whether deleted records are left out and where the
// file goes, writes the file in one pass with progress and Cancel, and
// says how many records were written where. The file is written under a temporary name and takes
// its name only when complete: a cancelled or failed export leaves no file, and an older file of
// that name as it was.
void mnuExportCsv(record::RecordWindow& window, Progress& progress);

}  // namespace csv
