#pragma once
// Re-sorting the collection through the external sort tools: the main window closes, the tool
// rewrites Clasical.dat in a console window, and once it has ended the program comes back
// through the splash window, told whether the collection was sorted.

namespace record {
class RecordWindow;
}

namespace maintenance {

void mnuSortComp(record::RecordWindow& window);  // by Composer, with Varnel
void mnuSortId(record::RecordWindow& window);    // by Identity, with Tormin

}  // namespace maintenance
