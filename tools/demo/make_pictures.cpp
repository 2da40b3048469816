// Draws Sonvella's own pictures into a data folder: the media icons and the covers of the demo
// collection into <data>/demo, and the application icon into <data>/icons. Every picture is drawn
// by this program, so running it again gives the same files.
//
// Usage: make_demo_pictures <data folder>
#include <QDir>
#include <QGuiApplication>
#include <QTextStream>
#include <exception>

#include "app_icon.h"
#include "covers.h"
#include "media_icons.h"
#include "paint_kit.h"

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    QTextStream err(stderr);
    const QStringList args = QGuiApplication::arguments();
    if (args.size() != 2) {
        err << "usage: make_demo_pictures <data folder>\n";
        return 2;
    }
    const QDir data(args[1]);
    try {
        pictures::makeMediaIcons(data.filePath(QStringLiteral("demo")));
        pictures::makeCovers(data.filePath(QStringLiteral("demo/Covers")),
                             data.filePath(QStringLiteral("demo/Clasical.dat")));
        pictures::savePng(pictures::drawAppIcon(256),
                          data.filePath(QStringLiteral("icons/sonvella.png")));
    } catch (const std::exception& e) {
        err << "make_demo_pictures: " << e.what() << '\n';
        return 1;
    }
    QTextStream(stdout) << "pictures written to " << QDir::cleanPath(data.absolutePath()) << '\n';
    return 0;
}
