// Sonvella: a catalogue of a classical-music collection. Starts in the current directory, where
// the collection file and the name lists are found; in the folder given on the command line; or
// with --home (as the desktop entry starts it) in the program's own folder, which is made and given
// the starter files on a first start.

#include <QApplication>
#include <QCommandLineParser>
#include <QDir>
#include <cstdio>
#include <cstring>

#include "app/home_folder.h"
#include "app/program.h"
#include "collections/collection_folder.h"
#include "collections/recent_collections.h"
#include "common/version.h"
#include "info/qt_help_viewer.h"
#include "maintenance/backup_marker.h"
#include "platform/program_directory.h"
#include "platform_qt/qt_dialogs.h"

namespace {

struct Options {
    QCommandLineParser parser;
    QCommandLineOption home{QStringLiteral("home"),
                            QStringLiteral("Work in the program's own folder ($HOME/Sonvella400), "
                                           "made and given the starter files when missing.")};
    QCommandLineOption selfTest{
        QStringLiteral("self-test"),
        QStringLiteral("Start as usual, print the main window's caption and first record, and "
                       "end: a check that an installation works.")};

    Options() {
        parser.setApplicationDescription(
            QStringLiteral("A catalogue of a classical-music collection."));
        parser.addHelpOption();
        parser.addVersionOption();
        parser.addOption(home);
        parser.addOption(selfTest);
        parser.addPositionalArgument(
            QStringLiteral("folder"),
            QStringLiteral("Open the collection in this folder (the current one by default)."),
            QStringLiteral("[folder]"));
    }
};

void nameTheApplication() {
    QCoreApplication::setApplicationName(QStringLiteral("Sonvella"));
    QCoreApplication::setApplicationVersion(QLatin1String(common::kVersion));
}

// --help and --version print and end: they must work where no display is.
bool asksOnlyForInformation(int argc, char* argv[]) {
    for (int i = 1; i < argc; ++i) {
        for (const char* option : {"-h", "--help", "--help-all", "-v", "--version"}) {
            if (std::strcmp(argv[i], option) == 0) return true;
        }
    }
    return false;
}

}  // namespace

int main(int argc, char* argv[]) {
    if (asksOnlyForInformation(argc, argv)) {
        QCoreApplication application(argc, argv);
        nameTheApplication();
        Options options;
        options.parser.process(application);  // prints and ends the program
        return 0;
    }

    QApplication application(argc, argv);
    nameTheApplication();
    // Windows come and go (the main window is unloaded for a re-sort, a backup, multi mode): the
    // program ends when a command says so, or with its last window once the main or the multi mode
    // window was closed by its frame (the program watches for that itself).
    QApplication::setQuitOnLastWindowClosed(false);

    Options options;
    options.parser.process(application);
    const QStringList folders = options.parser.positionalArguments();
    if (folders.size() > 1 || (!folders.isEmpty() && options.parser.isSet(options.home))) {
        std::fprintf(stderr, "sonvella: give one folder, or --home\n");
        return 2;
    }

    if (options.parser.isSet(options.home)) {
        QString error;
        if (!app::prepareHomeFolder(platform::starterFolders(), &error)) {
            std::fprintf(stderr, "sonvella: %s\n", qPrintable(error));
            return 1;
        }
    } else if (!folders.isEmpty() && !QDir::setCurrent(folders.front())) {
        std::fprintf(stderr, "sonvella: %s cannot be opened.\n",
                     qPrintable(QDir::toNativeSeparators(folders.front())));
        return 1;
    }
    // The default backup needs its marker in the program's folder from the first day on.
    maintenance::ensureBackupMarker();

    const bool selfTest = options.parser.isSet(options.selfTest);
    // A collection started on is one to come back to from File > Recent Collections.
    if (!selfTest && collections::checkCollectionFolder(QDir::currentPath()).holdsCollection())
        collections::RecentCollections().add(QDir::currentPath());

    platform::QtDialogs dialogs;
    info::QtHelpViewer help(dialogs, info::QtHelpViewer::installedFolders());
    app::Program program(dialogs, help);
    if (selfTest) program.reportFirstRecordAndEnd();
    program.showSplash();
    return QApplication::exec();
}
