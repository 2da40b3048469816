#pragma once
// Back up (Ctrl+B): copies the collection file, the eight name lists and the backup marker from
// one folder to another chosen by the user, then restarts the main window on the collection. The
// default source is the folder of the open collection.

namespace record {
class RecordWindow;
}

namespace maintenance {

void mnuBackUp(record::RecordWindow& window);

}  // namespace maintenance
