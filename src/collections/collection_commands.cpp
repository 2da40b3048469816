#include "collections/collection_commands.h"

#include <QDir>
#include <QFileInfo>
#include <algorithm>

#include "collections/collection_folder.h"
#include "collections/recent_collections.h"
#include "common/texts.h"
#include "platform/dialogs.h"
#include "platform/shell.h"
#include "record/record_window.h"
#include "record/session.h"

namespace collections {

using platform::Icon;
using record::RecordWindow;

namespace {

// Opens the collection of `folder` in a fresh main window. The record shown is saved first, as
// moving on saves it; a folder that lacks a file, or one that cannot be read, leaves the
// collection open as it is.
void openFolder(RecordWindow& window, const QString& folder, const QString& command) {
    const FolderCheck check = checkCollectionFolder(folder);
    if (!check.holdsCollection()) {
        window.dialogs().show(common::kTitle, missingFilesText(folder, check), Icon::Critical);
        return;
    }
    RecordWindow::CommandName name(window, command);
    if (!window.SaveCR()) return;

    platform::Shell& shell = window.services().shell;
    record::Session& session = window.session();
    const QString path = QDir::cleanPath(QFileInfo(folder).absoluteFilePath());
    // The fresh window opens without the cover panel, as after a re-sort.
    window.forgetCoverPanel();
    window.file().close();
    shell.unloadMainWindow();
    // From here on the window is unloaded; it lives until this command returns.
    if (QDir::setCurrent(path)) {
        session.sortState = 0;  // the new collection was not re-sorted in this run
        RecentCollections().add(path);
    } else {
        window.dialogs().show(common::kTitle,
                              missingFilesText(path, {.readable = false,
                                                      .unreadable = QDir::toNativeSeparators(path),
                                                      .missing = {}}),
                              Icon::Critical);
    }
    shell.showSplash();  // on the new folder, or on the one it was when that could not be entered
}

}  // namespace

void mnuNewCollection(RecordWindow& window, const QStringList& starterFolders) {
    platform::Dialogs& dialogs = window.dialogs();
    const QString folder =
        dialogs.folder(QStringLiteral("New Collection - choose an empty or new folder"),
                       QDir::homePath(), platform::Dialogs::FolderChoice::NewAllowed);
    if (folder.isEmpty()) return;
    const auto starter = std::find_if(starterFolders.begin(), starterFolders.end(),
                                      [](const QString& f) { return QDir(f).exists(); });
    QString error = QStringLiteral("The starter lists were not found.");
    if (starter == starterFolders.end() || !makeCollection(folder, *starter, &error)) {
        dialogs.show(common::kTitle, error, Icon::Exclamation);
        return;
    }
    openFolder(window, folder, QStringLiteral("New Collection..."));
}

void mnuOpenCollection(RecordWindow& window) {
    const QString folder = window.dialogs().folder(
        QStringLiteral("Open Collection - choose the folder of a collection"), QDir::currentPath(),
        platform::Dialogs::FolderChoice::Existing);
    if (folder.isEmpty()) return;
    openFolder(window, folder, QStringLiteral("Open Collection..."));
}

void openRecentCollection(RecordWindow& window, const QString& folder) {
    openFolder(window, folder, QStringLiteral("Open Collection..."));
}

}  // namespace collections
