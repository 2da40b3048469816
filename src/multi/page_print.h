#pragma once
// A page of multi mode consumed: printed (PrintRecords, "&Print Shown") or appended to the result
// files ("&Save Shown").

namespace multi {

class MultiWindow;

// Writes the page held in ShownTable into the print job as one printed page of 68 lines; the
// caller ends the job.
void PrintRecords(MultiWindow& window);

void mnuPrint(MultiWindow& window);   // "&Print Shown"
void mnuExport(MultiWindow& window);  // "&Save Shown"

}  // namespace multi
