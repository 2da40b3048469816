// Sonvella: a catalogue of a classical-music collection. Starts in the current directory, where
// the collection file and the name lists are found.

#include <QApplication>

#include "app/program.h"
#include "info/qt_help_viewer.h"
#include "maintenance/backup_marker.h"
#include "platform/qt_dialogs.h"

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Sonvella"));
    QApplication::setApplicationVersion(QStringLiteral("4.0.0"));
    // Windows come and go (the main window is unloaded for a re-sort, a backup, multi mode): the
    // program ends when a command says so, not when its last window closes.
    QApplication::setQuitOnLastWindowClosed(false);

    // The default backup needs its marker in the program's folder from the first day on.
    maintenance::ensureBackupMarker();

    platform::QtDialogs dialogs;
    info::QtHelpViewer help(dialogs, info::QtHelpViewer::installedFolders());
    app::Program program(dialogs, help);
    program.showSplash();
    return QApplication::exec();
}
