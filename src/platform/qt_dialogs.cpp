#include "platform/qt_dialogs.h"

#include <QApplication>
#include <QFileDialog>
#include <QInputDialog>
#include <QMessageBox>
#include <vector>

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
    bool ok = false;
    const QString text = QInputDialog::getText(QApplication::activeWindow(), title, prompt,
                                               QLineEdit::Normal, defaultText, &ok);
    return ok ? text : QString();
}

QString QtDialogs::openFile(const FileDialog& dialog) {
    return QFileDialog::getOpenFileName(QApplication::activeWindow(), dialog.title,
                                        dialog.initialFile, dialog.filter);
}

QString QtDialogs::saveFile(const FileDialog& dialog) {
    return QFileDialog::getSaveFileName(QApplication::activeWindow(), dialog.title,
                                        dialog.initialFile, dialog.filter);
}

void QtDialogs::beep() {
    QApplication::beep();
}

}  // namespace platform
