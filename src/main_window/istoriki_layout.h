#pragma once
// Where the main window's controls stand and what they say: the fonts, the buttons, the six
// record fields with their labels, and the rows of the pick-list panel. Places are in twips.

#include <QFont>
#include <QPoint>
#include <QRect>
#include <array>

namespace main_window {

// "System" bold 9.75 pt for the record boxes, "MS Sans Serif" bold 8.25 pt for the rest: the
// platform's own sans-serif at those sizes.
QFont recordFont();
QFont panelFont();

struct ButtonDef {
    const char* name;
    const char* caption;
    const char* toolTip;
    QRect place;  // twips
};
extern const std::array<ButtonDef, 20> kButtons;

struct FieldDef {
    const char* box;
    const char* label;
    const char* caption;
    QRect place;  // of the box, twips
};
// In the order of the record's fields.
extern const std::array<FieldDef, 6> kFields;

struct PickListDef {
    int list;  // index into the window's lists, or -1 for INSTRUMENTS
    const char* box;
    const char* label;
    const char* caption;
    const char* initial;  // the box's text before anything is chosen
    QPoint place;         // of the box, twips
    int width;
    const char* addButton;  // nullptr: none
    int addLeft;
};
extern const std::array<PickListDef, 9> kPickListLayout;

}  // namespace main_window
