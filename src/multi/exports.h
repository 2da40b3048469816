#pragma once
// Exporting the collection (or the records whose Identity holds a text) into two text files
// each: a long one with every field and the Opus Number, a short one with the main fields.
// "Export by Composer" puts Composer first on each line, "Export by Identity" the Identity.

namespace multi {

class MultiWindow;

void mnuSaveAll(MultiWindow& window);          // "Export by &Composer", Ctrl+C
void mnuSaveAllIdentity(MultiWindow& window);  // "Export by &Identity", Ctrl+I

}  // namespace multi
