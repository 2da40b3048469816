#pragma once
// The print selection: "TO PRINT" writes the shown record's block into the open print job, eight
// to a sheet; "PRINT" ends the job and the sheets come out.

namespace main_window {
class RecordWindow;
}

namespace print {

void cmdPrint(main_window::RecordWindow& window);     // "TO PRINT"; the searches' Yes too
void cmdEndPrint(main_window::RecordWindow& window);  // "PRINT"

}  // namespace print
