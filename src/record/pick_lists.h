#pragma once
// The eight pick lists of the main window: which box, which file, and what choosing a name does
// to the shown record.

#include <array>

#include "record/record_window.h"

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

}  // namespace record
