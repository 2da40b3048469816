#pragma once
// The about window (frmAbout): the program's name, version and purpose, the size of the
// collection and its folder, and a button that starts the desktop's system-information program.

#include <QDialog>

class QLabel;

namespace platform {
class Dialogs;
class ProcessLauncher;
}  // namespace platform

namespace info {

class FrmAbout : public QDialog {
    Q_OBJECT
public:
    // `collectionFile`: the file whose records are counted, by default "Clasical.dat" of the
    // current directory.
    FrmAbout(platform::ProcessLauncher& processes, platform::Dialogs& dialogs,
             QString collectionFile = QStringLiteral("Clasical.dat"));

    // Counts the records of the collection file again into lblBiblio, and names its folder.
    void refreshCount();

private:
    platform::ProcessLauncher& processes_;
    platform::Dialogs& dialogs_;
    QString collectionFile_;
    QLabel* lblBiblio_;
    QLabel* lblFolder_ = nullptr;
};

}  // namespace info
