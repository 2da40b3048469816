#pragma once
// The text a label shows, as a user who selects all of it would copy it: a text taken as rich
// text has lost its tags and entities here.

#include <QLabel>
#include <QTest>

namespace testing {

inline QString shownText(QLabel* label) {
    label->setTextInteractionFlags(Qt::TextSelectableByKeyboard);
    QTest::keyClick(label, Qt::Key_A, Qt::ControlModifier);
    QString text = label->selectedText();
    text.replace(QChar::ParagraphSeparator, u'\n');
    return text;
}

}  // namespace testing
