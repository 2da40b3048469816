// Sonvella: a catalogue of a classical-music collection. Starts in the current directory, where
// the collection file and the name lists are found.

#include <QApplication>

#include "app/program.h"
#include "platform/qt_dialogs.h"

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Sonvella"));
    QApplication::setApplicationVersion(QStringLiteral("4.0.0"));

    platform::QtDialogs dialogs;
    app::Program program(dialogs);
    program.showSplash();
    return QApplication::exec();
}
