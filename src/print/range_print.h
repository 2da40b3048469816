#pragma once
// Printing a range of the collection: six records a sheet (monochrome or colour) or three a
// sheet for filing. Each record is shown in the main window as it is printed.

namespace record {
class RecordWindow;
}

namespace print {

void mnuPrintCollection(record::RecordWindow& window);  // Ctrl+R
void mnuPrintRange(record::RecordWindow& window);       // Ctrl+F, for filing

}  // namespace print
