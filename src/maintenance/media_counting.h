#pragma once
// Media counting (Ctrl+M): how many discs and tapes the collection holds, counted as runs of
// neighbouring records whose Identities start alike, optionally only those marked with a text.

namespace main_window {
class RecordWindow;
}

namespace maintenance {

void mnuCountMedia(main_window::RecordWindow& window);

}  // namespace maintenance
