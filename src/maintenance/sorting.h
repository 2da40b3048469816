#pragma once
// Re-sorting the collection through the external sort tools: the main window closes, the tool
// rewrites Clasical.dat in a console window, and once it has ended the program comes back
// through the splash window, told whether the collection was sorted.

namespace main_window {
class RecordWindow;
}

namespace maintenance {

void mnuSortComp(main_window::RecordWindow& window);  // by Composer, with Varnel
void mnuSortId(main_window::RecordWindow& window);    // by Identity, with Tormin

}  // namespace maintenance
