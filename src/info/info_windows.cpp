#include "info/info_windows.h"

#include <QPointer>

#include "info/album_conv.h"
#include "info/frm_about.h"
#include "info/frm_help.h"

namespace info {

namespace {

// The open windows; each deletes itself when it is closed, which empties its pointer.
QPointer<FrmAbout> about;
QPointer<FrmHelp> shortcutKeys;
QPointer<AlbumConv> dedication;

// A closed window is let go at once: its deletion comes later, and opening the window again in
// between must make a new one rather than show the one on its way out.
template <typename Window>
Window* keep(QPointer<Window>& slot, Window* window) {
    slot = window;
    QObject::connect(window, &QDialog::finished, window, [&slot, window] {
        if (slot == window) slot.clear();
    });
    return window;
}

template <typename Window>
Window* bringForward(Window* window) {
    if (window->isMinimized()) window->showNormal();
    window->show();
    window->raise();
    window->activateWindow();
    return window;
}

template <typename Window>
void closeNow(QPointer<Window>& window) {
    delete window.data();
}

}  // namespace

FrmAbout* showAbout(platform::ProcessLauncher& processes, platform::Dialogs& dialogs) {
    if (about) {
        about->refreshCount();
    } else {
        keep(about, new FrmAbout(processes, dialogs));
    }
    return bringForward(about.data());
}

FrmHelp* showShortcutKeys() {
    if (!shortcutKeys) keep(shortcutKeys, new FrmHelp());
    return bringForward(shortcutKeys.data());
}

AlbumConv* showDedication() {
    if (!dedication) keep(dedication, new AlbumConv());
    return bringForward(dedication.data());
}

void closeInfoWindows() {
    closeNow(about);
    closeNow(shortcutKeys);
    closeNow(dedication);
}

}  // namespace info
