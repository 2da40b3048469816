#pragma once
// Back up (Ctrl+B): copies the collection file, the eight name lists and the backup marker from
// one folder to another chosen by the user, then restarts the main window on the collection. The
// default source is the folder of the open collection.

namespace main_window {
class RecordWindow;
}

namespace maintenance {

void mnuBackUp(main_window::RecordWindow& window);

}  // namespace maintenance
