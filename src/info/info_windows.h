#pragma once
// Opening the information windows from the menus of the main and multi mode windows. Each window
// exists once: opening it while it is open brings the same window forward. They are modeless and
// belong to no other window, so they stay open when the window that opened them is unloaded.

namespace platform {
class Dialogs;
class ProcessLauncher;
}  // namespace platform

namespace info {

class AlbumConv;
class FrmAbout;
class FrmHelp;

// The about window. Its record count is taken afresh each time it is opened. The launcher and the
// dialogs serve its "System Info..." button and must outlive the window.
FrmAbout* showAbout(platform::ProcessLauncher& processes, platform::Dialogs& dialogs);
// The shortcut-keys window.
FrmHelp* showShortcutKeys();
// The dedication window.
AlbumConv* showDedication();

// Closes and deletes whichever of the three windows is open (when the program ends).
void closeInfoWindows();

}  // namespace info
