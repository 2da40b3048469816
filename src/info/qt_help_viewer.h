#pragma once
// The help viewer of the program: shows a help file in a window of its own, which stays open
// beside the program's windows. The file is looked for in the current directory first, then in
// the folders of the installed help files.

#include <QPointer>
#include <QStringList>

#include "platform/help_viewer.h"

namespace platform {
class Dialogs;
}

namespace info {

class HelpWindow;

class QtHelpViewer : public platform::HelpViewer {
public:
    // `folders`: where help files are looked for after the current directory. `dialogs` says
    // when a help file is nowhere to be found.
    QtHelpViewer(platform::Dialogs& dialogs, QStringList folders);
    ~QtHelpViewer() override;
    QtHelpViewer(const QtHelpViewer&) = delete;
    QtHelpViewer& operator=(const QtHelpViewer&) = delete;

    // Shows "Sonvel400.HLP" as Sonvel400.html (see help_files.h) in the help window, opening it
    // or bringing it forward. When the file is in none of the folders, a message names the file
    // and every folder that was searched.
    void showContents(const QString& helpFile) override;

    // The folders searched, in order: the current directory, then those of the constructor.
    QStringList searchFolders() const;
    // The help window, while it is open.
    HelpWindow* window() const;

    // Where an installed Sonvella keeps its help files: "help" beside the executable, and
    // share/sonvella/help of the installation.
    static QStringList installedFolders();

private:
    platform::Dialogs& dialogs_;
    QStringList folders_;
    QPointer<HelpWindow> window_;
};

}  // namespace info
