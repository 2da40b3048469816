#pragma once
// File > New Collection..., Open Collection... and Recent Collections: the main window closes on
// the collection it shows and opens again on another folder's, which becomes the current
// directory (every bare file name and the sort tools look there). The Covers folder stays the
// program's own.

#include <QString>
#include <QStringList>

#include "platform/program_directory.h"

namespace record {
class RecordWindow;
}

namespace collections {

// Asks for an empty or new folder, puts the starter lists (from the first of `starterFolders`
// that exists) and an empty collection file into it, and opens it.
void mnuNewCollection(record::RecordWindow& window,
                      const QStringList& starterFolders = platform::starterFolders());
// Asks for a folder that holds a collection and opens it.
void mnuOpenCollection(record::RecordWindow& window);
// Opens a folder of the Recent Collections menu.
void openRecentCollection(record::RecordWindow& window, const QString& folder);

}  // namespace collections
