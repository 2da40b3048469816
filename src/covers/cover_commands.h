#pragma once
// The commands that put a picture in place as a record's cover, or take covers away: Edit > Set
// Front Cover..., Set Back Cover..., Paste Cover from Clipboard, Remove Covers... (also on the
// cover panel's context menu), and a picture or a file dropped on the main window. The cover name
// comes from the Identity of the record shown, as the panel finds it.

#include "covers/cover_files.h"

class QMimeData;

namespace record {
class RecordWindow;
}

namespace covers {

void mnuSetFrontCover(record::RecordWindow& window);
void mnuSetBackCover(record::RecordWindow& window);
// The clipboard's picture as the front cover.
void mnuPasteCover(record::RecordWindow& window);
// Asks which of the record's covers to remove (when it has both) and keeps them in Replaced.
void mnuRemoveCovers(record::RecordWindow& window);

// Whether a drag carries a picture or a local file: such a drop sets a cover, and is never
// taken as text by a text box.
bool isCoverDrop(const QMimeData& data);
// A drop: the front cover, or the back one (the drop was made with Shift held).
void dropCover(record::RecordWindow& window, const QMimeData& data, Side side);

}  // namespace covers
