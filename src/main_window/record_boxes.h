#pragma once
// The text boxes of the record fields. They hold at most their field's width and accept only
// characters the collection's code page can store; anything else is refused with the beep, so
// what is stored is always what the user sees.

#include <QLineEdit>
#include <QPlainTextEdit>
#include <functional>

class QValidator;

namespace main_window {

// Refuses, with the beep, any change that would put a character the code page cannot hold into
// a line edit (the record boxes and the pick lists' edit fields).
QValidator* codePageValidator(std::function<void()> beep, QObject* parent);

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
