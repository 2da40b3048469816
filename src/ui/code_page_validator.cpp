#include "ui/code_page_validator.h"

#include <QToolTip>
#include <QValidator>
#include <QWidget>

#include "store/codepage.h"

namespace ui {

namespace {

class CodePageValidator : public QValidator {
public:
    CodePageValidator(std::function<void()> beep, QObject* box)
        : QValidator(box), beep_(std::move(beep)) {
        // Resting the mouse on the box tells the rule before anything is refused.
        if (auto* widget = qobject_cast<QWidget*>(box); widget && widget->toolTip().isEmpty()) {
            widget->setToolTip(codePageHint());
        }
    }

    State validate(QString& input, int&) const override {
        if (store::canStore(input)) return Acceptable;
        if (beep_) beep_();
        if (auto* widget = qobject_cast<QWidget*>(parent())) showCodePageHint(widget);
        return Invalid;
    }

private:
    std::function<void()> beep_;
};

}  // namespace

QString codePageHint() {
    return QStringLiteral(
        "This box takes only the characters of the Greek (Windows-1253) code page, in which "
        "Sonvella stores its files: accented Latin letters such as \u00e9, \u00f6 or \u0159 "
        "cannot be stored.");
}

QValidator* codePageValidator(std::function<void()> beep, QObject* box) {
    return new CodePageValidator(std::move(beep), box);
}

void showCodePageHint(QWidget* box) {
    QToolTip::showText(box->mapToGlobal(QPoint(0, box->height())), codePageHint(), box);
}

}  // namespace ui
