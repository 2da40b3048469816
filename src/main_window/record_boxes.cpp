#include "main_window/record_boxes.h"

#include <QKeyEvent>

#include "store/codepage.h"

namespace main_window {

RecordLineEdit::RecordLineEdit(int maxLength, std::function<void()> beep, QWidget* parent)
    : QLineEdit(parent), beep_(std::move(beep)) {
    setMaxLength(maxLength);
    setValidator(codePageValidator(beep_, this));
}

void RecordLineEdit::keyPressEvent(QKeyEvent* event) {
    // A full box refuses another character with the beep, like the text boxes users know.
    const QString typed = event->text();
    if (!typed.isEmpty() && typed[0].isPrint() && !hasSelectedText() &&
        text().size() >= maxLength() && !(event->modifiers() & Qt::ControlModifier)) {
        if (beep_) beep_();
        return;
    }
    QLineEdit::keyPressEvent(event);
}

RecordTextEdit::RecordTextEdit(int maxLength, std::function<void()> beep, QWidget* parent)
    : QPlainTextEdit(parent), maxLength_(maxLength), beep_(std::move(beep)) {
    setTabChangesFocus(true);
    setLineWrapMode(QPlainTextEdit::WidgetWidth);
    setToolTip(ui::codePageHint());
    connect(document(), &QTextDocument::contentsChanged, this, &RecordTextEdit::onContentsChanged);
}

QString RecordTextEdit::storedText() const {
    QString text = toPlainText();
    text.replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
    return text;
}

void RecordTextEdit::setStoredText(const QString& text) {
    if (text == accepted_ && text == storedText()) return;
    settingText_ = true;
    QString shown = text;
    shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    setPlainText(shown);
    accepted_ = text;
    settingText_ = false;
}

void RecordTextEdit::onContentsChanged() {
    if (settingText_) return;
    const QString text = storedText();
    const bool storable = store::canStore(text);
    if (text.size() <= maxLength_ && storable) {
        accepted_ = text;
        emit edited(text);
        return;
    }
    // Undo the change that broke a rule: the box keeps its text and its cursor place.
    const int cursorAt = textCursor().position();
    const int removed = static_cast<int>(text.size() - accepted_.size());
    setStoredText(accepted_);
    QTextCursor cursor = textCursor();
    cursor.setPosition(qBound(0, cursorAt - qMax(0, removed), document()->characterCount() - 1));
    setTextCursor(cursor);
    if (beep_) beep_();
    if (!storable) ui::showCodePageHint(this);
}

}  // namespace main_window
