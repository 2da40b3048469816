#pragma once
// Dialogs drawn by Qt: QMessageBox, QInputDialog, QFileDialog and the system beep.

#include "platform/dialogs.h"

namespace platform {

class QtDialogs : public Dialogs {
public:
    Answer message(const Message& message) override;
    QString input(const QString& prompt, const QString& title, const QString& defaultText) override;
    QString openFile(const FileDialog& dialog) override;
    QString saveFile(const FileDialog& dialog) override;
    QString folder(const QString& title, const QString& startFolder, FolderChoice choice) override;
    int choose(const QString& title, const QString& text, const QStringList& choices) override;
    void beep() override;
};

}  // namespace platform
