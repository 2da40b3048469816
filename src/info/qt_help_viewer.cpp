#include "info/qt_help_viewer.h"

#include <QCoreApplication>
#include <QDir>

#include "common/texts.h"
#include "info/help_files.h"
#include "info/help_window.h"
#include "platform/dialogs.h"

namespace info {

QtHelpViewer::QtHelpViewer(platform::Dialogs& dialogs, QStringList folders)
    : dialogs_(dialogs), folders_(std::move(folders)) {}

QtHelpViewer::~QtHelpViewer() {
    delete window_.data();
}

HelpWindow* QtHelpViewer::window() const {
    return window_.data();
}

QStringList QtHelpViewer::searchFolders() const {
    QStringList folders;
    for (const QString& folder : QStringList{QDir::currentPath()} + folders_) {
        const QString shown =
            QDir::toNativeSeparators(QDir::cleanPath(QDir(folder).absolutePath()));
        if (!folders.contains(shown)) folders << shown;
    }
    return folders;
}

void QtHelpViewer::showContents(const QString& helpFile) {
    const QStringList folders = searchFolders();
    const QString file = findHelpFile(helpFile, folders);
    if (file.isEmpty()) {
        dialogs_.show(
            common::kTitle,
            QStringLiteral("The help file %1 was not found.\nSonvella looked for it in:\n")
                    .arg(shownHelpFileName(helpFile)) +
                folders.join(QLatin1Char('\n')),
            platform::Icon::Exclamation);
        return;
    }
    if (!window_) window_ = new HelpWindow();
    window_->showFile(file);
    if (window_->isMinimized()) window_->showNormal();
    window_->show();
    window_->raise();
    window_->activateWindow();
}

QStringList QtHelpViewer::installedFolders() {
    const QDir program(QCoreApplication::applicationDirPath());
    return {QDir::cleanPath(program.filePath(QStringLiteral("help"))),
            QDir::cleanPath(program.filePath(QStringLiteral("../share/sonvella/help")))};
}

}  // namespace info
