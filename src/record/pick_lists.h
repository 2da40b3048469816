#pragma once
// The pick-list panel of the main window (Command5, Combo1 to Combo9 and their Add buttons): the
// eight lists, which box and which file each is, and what choosing a name does to the shown
// record.

#include <QString>
#include <QStringList>
#include <array>
#include <cstdint>

#include "record/record_state.h"

namespace record {

enum class PickRule {
    SetIfEmpty,    // only into an empty box; otherwise nothing happens
    SetOrAppend,   // into an empty box, or after what the box holds
    AlwaysAppend,  // always after what the box holds, even when that is nothing
};

struct PickList {
    const char* box;          // Combo1 ...
    const char* addButton;    // Command1 ...
    const char* initialText;  // the box's text before anything is chosen
    Box target;
    PickRule rule;
    const char* separator;
};

// In the order the list files are loaded (the store's kNameLists).
inline constexpr std::array<PickList, 8> kPickLists = {{
    {"Combo1", "Command1", "COMPOSERS", txtOno, PickRule::SetIfEmpty, ""},
    {"Combo2", "Command2", "CONDUCTORS", txtAlloi, PickRule::SetOrAppend, "  "},
    {"Combo3", "Command3", "OPUS TITLE", txtTitlos, PickRule::SetOrAppend, " "},
    {"Combo4", "Command4", "ORCHESTRAS", txtAlloi, PickRule::SetOrAppend, "  "},
    {"Combo6", "Command6", "SOLOISTS  A - K", txtEkdot, PickRule::AlwaysAppend, "  "},
    {"Combo7", "Command7", "SOLOISTS  L - Z", txtEkdot, PickRule::AlwaysAppend, "  "},
    {"Combo8", "Command8", "VOCAL-CHOIR", txtEkdot, PickRule::AlwaysAppend, "  "},
    {"Combo9", "Command9", "LABELS", txtSp, PickRule::SetOrAppend, "  "},
}};

class RecordWindow;

class PickPanel {
public:
    struct State {
        std::int16_t pickPanelShown = 0;
        QString command5Caption = QStringLiteral("EX&PAND");
        // The eight lists in the order their files are loaded (Combo1, 2, 3, 4, 6, 7, 8, 9),
        // each in alphabetical order, and the text of each box's edit field.
        std::array<QStringList, 8> lists;
        std::array<QString, 8> pickTexts;
        int listsVersion = 0;  // grows whenever a list changes
    };

    explicit PickPanel(RecordWindow& window);
    const State& state() const { return state_; }

    // The eight lists from their files, in the order of kPickLists. Throws StoreError.
    void load();
    void Command5();  // expand or shrink the window
    // A name chosen from pick list `list` (0 to 7, in load order).
    void pickListChosen(int list, const QString& name);
    // What the user types into the edit field of a box.
    void setPickText(int list, const QString& text) { state_.pickTexts[list] = text; }
    // "Add": the text of the box's edit field into its list and its file.
    void addToPickList(int list);
    // The same for a name that comes from elsewhere (the collection check).
    void addToPickList(int list, const QString& name);
    // Back to the small window, as the window opens.
    void shrink();

private:
    RecordWindow& window_;
    State state_;
};

}  // namespace record
