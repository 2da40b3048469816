#pragma once
// Media counting (Ctrl+M): how many discs and tapes the collection holds, counted as runs of
// neighbouring records whose Identities start alike, optionally only those marked with a text.

namespace record {
class RecordWindow;
}

namespace maintenance {

void mnuCountMedia(record::RecordWindow& window);

}  // namespace maintenance
