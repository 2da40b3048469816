#pragma once
// Boxes that take text for the collection accept only characters its code page can store: what is
// refused is refused as it is typed, with the beep and a hint that says why, so that nothing is
// stored, or searched for, as something other than what the user sees.

#include <QString>
#include <functional>

class QObject;
class QValidator;
class QWidget;

namespace ui {

// What a box says when it refuses a character, shown beside it and as its tool tip.
QString codePageHint();

// Refuses, with the beep and the hint, any change that would put a character the code page cannot
// hold into the box (a line edit or an editable combo box) it is made for; the box is its parent.
QValidator* codePageValidator(std::function<void()> beep, QObject* box);

// Shows the hint beside a box that has just refused a character.
void showCodePageHint(QWidget* box);

}  // namespace ui
