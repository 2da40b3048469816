#include "main_window/istoriki_layout.h"

namespace main_window {

QFont recordFont() {
    QFont f;
    f.setPointSizeF(9.75);
    f.setBold(true);
    return f;
}

QFont panelFont() {
    QFont f;
    f.setPointSizeF(8.25);
    f.setBold(true);
    return f;
}

const std::array<ButtonDef, 20> kButtons = {{
    {"cmdFindISBN", "IDENTIT&Y", "Find a Medium Identity", {120, 120, 1455, 375}},
    {"cmdFindAuthor", "&COMPOSER", "Find a Composer", {1680, 120, 1455, 375}},
    {"cmdFindTitle", "&TITLE", "Find the Title of an Opus", {3240, 120, 1455, 375}},
    {"cmdFindAlloi", "&ORCHESTRA", "Find an Orchestra or Conductor", {4800, 120, 1455, 375}},
    {"cmdFindEkdot", "SO&LOISTS", "Find a Soloist", {6360, 120, 1455, 375}},
    {"cmdCover", "CO&VER", "Find Cover Information", {7920, 120, 1455, 375}},
    {"cmdMulti", "&MULTI", "Switch to Multi Mode", {9480, 120, 1455, 375}},
    {"CmdFirst", "<", "First Opus", {120, 3600, 375, 375}},
    {"CmdLast", ">", "Last Opus", {10560, 3600, 375, 375}},
    {"cmdExit", "E&XIT", "End Sonvella", {120, 3960, 735, 375}},
    {"cmdFindcode", " OP&US #", "View a Specific Opus Number", {840, 3960, 855, 375}},
    {"cmdEndPrint", "PRINT", "Print all Selected Opus Numbers", {2040, 3960, 1455, 375}},
    {"cmdPrevious", "<-- PREVIOUS", "Previous Opus Number", {3960, 3960, 1455, 375}},
    {"cmdNext", "NEXT -->", "Next Opus Number", {5640, 3960, 1455, 375}},
    {"cmdPrint", "TO PRINT", "Select this Opus Number to Print", {7560, 3960, 1455, 375}},
    {"Command10", "IMAGE", "Show or Hide a Cover Image", {9240, 3960, 855, 375}},
    {"Command5", "EX&PAND", "Expand/Shrink View for New Opus", {10080, 3960, 855, 375}},
    {"cmdPaste", "P&ASTE OPUS", "Paste to this Opus Number", {2760, 4680, 1455, 375}},
    {"cmdCorrect", "&SAVE OPUS", "Save this Opus Number", {4440, 4680, 1455, 375}},
    {"cmdNew", "&NEW OPUS", "New Blank Opus Number", {6120, 4680, 1455, 375}},
}};

const std::array<FieldDef, 6> kFields = {{
    {"txtEpo", "lblIdentity", "IDENTITY", {1320, 720, 6735, 360}},
    {"txtOno", "lblComposer", "COMPOSER", {1320, 1200, 6735, 375}},
    {"txtTitlos", "lblTitle", "OPUS TITLE", {1320, 1680, 7815, 375}},
    {"txtAlloi", "lblOrchestra", "ORCHESTRA", {1320, 2160, 7815, 375}},
    {"txtEkdot", "lblSoloists", "SOLOISTS", {1320, 2640, 7815, 615}},
    {"txtSp", "lblCover", "COVER", {1320, 3360, 7815, 375}},
}};

// clang-format off
const std::array<PickListDef, 9> kPickListLayout = {{
    {0, "Combo1", "Label9", "COMPOSERS", "COMPOSERS", {120, 5520}, 4215, "Command1", 4560},
    {2, "Combo3", "Label10", "OPUS TITLE", "OPUS TITLE", {120, 6240}, 4215, "Command3", 4560},
    {3, "Combo4", "Label11", "ORCHESTRAS", "ORCHESTRAS", {120, 6960}, 4215, "Command4", 4560},
    {1, "Combo2", "Label12", "CONDUCTORS", "CONDUCTORS", {120, 7680}, 4215, "Command2", 4560},
    {4, "Combo6", "Label13", "SOLOISTS   A - K", "SOLOISTS  A - K", {6000, 5520}, 4215, "Command6", 10440},
    {5, "Combo7", "Label14", "SOLOISTS   L - Z", "SOLOISTS  L - Z", {6000, 6240}, 4215, "Command7", 10440},
    {6, "Combo8", "Label15", "VOCAL-CHOIR", "VOCAL-CHOIR", {6000, 6960}, 4215, "Command8", 10440},
    {7, "Combo9", "Label16", "LABELS", "LABELS", {6000, 7680}, 4215, "Command9", 10440},
    {-1, "Combo5", "Label17", "INSTRUMENTS", "INSTRUMENTS", {9240, 4920}, 1815, nullptr, 0},
}};
// clang-format on

}  // namespace main_window
