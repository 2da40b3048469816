#pragma once
// The print selection: "TO PRINT" writes the shown record's block into the open print job, eight
// to a sheet; "PRINT" ends the job and the sheets come out.

namespace record {
class RecordWindow;
}

namespace print {

void cmdPrint(record::RecordWindow& window);     // "TO PRINT"; the searches' Yes too
void cmdEndPrint(record::RecordWindow& window);  // "PRINT"

}  // namespace print
