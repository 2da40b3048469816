// Sonvella: a catalogue of a classical-music collection. Starts in the current directory, where
// the collection file and the name lists are found; with --home (as the desktop entry starts it)
// in the program's own folder, which is made and given the starter files on a first start.

#include <QApplication>
#include <QCommandLineParser>
#include <cstdio>

#include "app/home_folder.h"
#include "app/program.h"
#include "common/version.h"
#include "info/qt_help_viewer.h"
#include "maintenance/backup_marker.h"
#include "platform_qt/qt_dialogs.h"

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Sonvella"));
    QApplication::setApplicationVersion(QLatin1String(common::kVersion));
    // Windows come and go (the main window is unloaded for a re-sort, a backup, multi mode): the
    // program ends when a command says so, or with its last window once the main or the multi mode
    // window was closed by its frame (the program watches for that itself).
    QApplication::setQuitOnLastWindowClosed(false);

    QCommandLineParser options;
    options.setApplicationDescription(
        QStringLiteral("A catalogue of a classical-music collection."));
    options.addHelpOption();
    options.addVersionOption();
    const QCommandLineOption home(
        QStringLiteral("home"),
        QStringLiteral("Work in the program's own folder ($HOME/Sonvella400), made "
                       "and given the starter files when missing."));
    const QCommandLineOption selfTest(
        QStringLiteral("self-test"),
        QStringLiteral("Start as usual, print the main window's caption and first "
                       "record, and end: a check that an installation works."));
    options.addOption(home);
    options.addOption(selfTest);
    options.process(application);

    if (options.isSet(home)) {
        QString error;
        if (!app::prepareHomeFolder(app::starterFolders(), &error)) {
            std::fprintf(stderr, "sonvella: %s\n", qPrintable(error));
            return 1;
        }
    }
    // The default backup needs its marker in the program's folder from the first day on.
    maintenance::ensureBackupMarker();

    platform::QtDialogs dialogs;
    info::QtHelpViewer help(dialogs, info::QtHelpViewer::installedFolders());
    app::Program program(dialogs, help);
    if (options.isSet(selfTest)) program.reportFirstRecordAndEnd();
    program.showSplash();
    return QApplication::exec();
}
