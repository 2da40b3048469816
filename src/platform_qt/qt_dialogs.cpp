#include "platform_qt/qt_dialogs.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QInputDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <algorithm>
#include <vector>

#include "ui/code_page_validator.h"

namespace platform {

namespace {

QMessageBox::Icon qtIcon(Icon icon) {
    switch (icon) {
        case Icon::Information:
            return QMessageBox::Information;
        case Icon::Exclamation:
            return QMessageBox::Warning;
        case Icon::Question:
            return QMessageBox::Question;
        case Icon::Critical:
            return QMessageBox::Critical;
        case Icon::None:
            break;
    }
    return QMessageBox::NoIcon;
}

std::vector<QMessageBox::StandardButton> qtButtons(Buttons buttons) {
    switch (buttons) {
        case Buttons::Ok:
            return {QMessageBox::Ok};
        case Buttons::OkCancel:
            return {QMessageBox::Ok, QMessageBox::Cancel};
        case Buttons::YesNo:
            return {QMessageBox::Yes, QMessageBox::No};
        case Buttons::YesNoCancel:
            return {QMessageBox::Yes, QMessageBox::No, QMessageBox::Cancel};
    }
    return {QMessageBox::Ok};
}

// Qt's folder dialog, which refuses a name that does not exist ("Directory not found."); one
// that allows a new folder takes such a name too when the folder it stands in exists, so that a
// new folder can be typed as well as made with the dialog's own button.
class FolderDialog : public QFileDialog {
public:
    FolderDialog(QWidget* parent, const QString& title, const QString& startFolder, bool newAllowed)
        : QFileDialog(parent, title, startFolder), newAllowed_(newAllowed) {
        setFileMode(QFileDialog::Directory);
        setOption(QFileDialog::ShowDirsOnly);
    }

    void accept() override {
        const QStringList chosen = selectedFiles();
        if (newAllowed_ && !chosen.isEmpty()) {
            const QFileInfo folder(chosen.constFirst());
            if (!folder.exists() && folder.dir().exists()) return done(QDialog::Accepted);
        }
        QFileDialog::accept();
    }

private:
    bool newAllowed_;
};

}  // namespace

Answer QtDialogs::message(const Message& message) {
    QMessageBox box(qtIcon(message.icon), message.title, message.text, QMessageBox::NoButton,
                    QApplication::activeWindow());
    // Messages repeat typed texts and names from the files; none of it is markup.
    box.setTextFormat(Qt::PlainText);
    const auto buttons = qtButtons(message.buttons);
    for (auto b : buttons) box.addButton(b);
    const auto def = static_cast<size_t>(message.defaultButton);
    box.setDefaultButton(buttons[def < buttons.size() ? def : 0]);
    if (message.buttons == Buttons::YesNoCancel || message.buttons == Buttons::OkCancel) {
        box.setEscapeButton(QMessageBox::Cancel);
    }
    switch (box.exec()) {
        case QMessageBox::Yes:
            return Answer::Yes;
        case QMessageBox::No:
            return Answer::No;
        case QMessageBox::Ok:
            return Answer::Ok;
        default:
            return Answer::Cancel;
    }
}

QString QtDialogs::input(const QString& prompt, const QString& title, const QString& defaultText) {
    // Deleted here, unless the window it stands on is deleted while it is up (and it with it).
    QPointer<QInputDialog> box = new QInputDialog(QApplication::activeWindow());
    box->setWindowTitle(title);
    box->setLabelText(prompt);
    box->setInputMode(QInputDialog::TextInput);
    box->setTextValue(defaultText);
    // What is typed here is looked for in the collection or stored in it: a character its code
    // page cannot hold would make a search that can never find anything, so it is refused.
    if (auto* edit = box->findChild<QLineEdit*>()) {
        edit->setValidator(ui::codePageValidator([this] { beep(); }, edit));
    }
    const bool accepted = box->exec() == QDialog::Accepted;
    if (!box) return {};
    const QString text = accepted ? box->textValue() : QString();
    delete box;
    return text;
}

QString QtDialogs::openFile(const FileDialog& dialog) {
    return QFileDialog::getOpenFileName(QApplication::activeWindow(), dialog.title,
                                        dialog.initialFile, dialog.filter);
}

QString QtDialogs::saveFile(const FileDialog& dialog) {
    return QFileDialog::getSaveFileName(QApplication::activeWindow(), dialog.title,
                                        dialog.initialFile, dialog.filter);
}

QString QtDialogs::folder(const QString& title, const QString& startFolder, FolderChoice choice) {
    FolderDialog dialog(QApplication::activeWindow(), title, startFolder,
                        choice == FolderChoice::NewAllowed);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
    return QDir::cleanPath(dialog.selectedFiles().constFirst());
}

int QtDialogs::choose(const QString& title, const QString& text, const QStringList& choices) {
    QMessageBox box(QMessageBox::Question, title, text, QMessageBox::NoButton,
                    QApplication::activeWindow());
    box.setTextFormat(Qt::PlainText);
    std::vector<QAbstractButton*> buttons;
    for (const QString& choice : choices)
        buttons.push_back(box.addButton(choice, QMessageBox::AcceptRole));
    box.setEscapeButton(box.addButton(QMessageBox::Cancel));
    box.exec();
    const auto chosen = std::find(buttons.begin(), buttons.end(), box.clickedButton());
    return chosen == buttons.end() ? -1 : static_cast<int>(chosen - buttons.begin());
}

void QtDialogs::beep() {
    QApplication::beep();
}

}  // namespace platform
