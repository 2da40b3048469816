#pragma once
// The text boxes of the record fields. They hold at most their field's width and accept only
// characters the collection's code page can store; anything else is refused with the beep, so
// what is stored is always what the user sees. A refused character brings up a hint that says why.

#include <QLineEdit>
#include <QPlainTextEdit>
#include <functional>

#include "ui/code_page_validator.h"

namespace main_window {

// The record boxes and the pick lists' edit fields refuse what the input boxes refuse.
using ui::codePageValidator;

class RecordLineEdit : public QLineEdit {
    Q_OBJECT
public:
    RecordLineEdit(int maxLength, std::function<void()> beep, QWidget* parent = nullptr);

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    std::function<void()> beep_;
};

// The Soloists box shows several lines. A line break is stored as CR LF, as it was always stored,
// and counts as two characters of the field.
class RecordTextEdit : public QPlainTextEdit {
    Q_OBJECT
public:
    RecordTextEdit(int maxLength, std::function<void()> beep, QWidget* parent = nullptr);

    QString storedText() const;               // line breaks as CR LF
    void setStoredText(const QString& text);  // does not count as an edit

signals:
    void edited(const QString& storedText);

private:
    void onContentsChanged();

    int maxLength_;
    std::function<void()> beep_;
    QString accepted_;
    bool settingText_ = false;
};

}  // namespace main_window
