#pragma once
// The result files of multi mode's searches in the program's folder: the pages found are
// appended to them, in a long and a short form.

#include <QString>

#include "exporting/file_trouble.h"

namespace multi {

class MultiWindow;

using exporting::createEmpty;
using exporting::FileTrouble;

QString mySearchFile();     // the long form of the search results
QString searchShortFile();  // the short form

// What a command does when the first of its files cannot be written: a search skips it and goes
// on; "&Save Shown" stops, so that the two files never disagree about a page.
enum class OnFailure { GoOn, Stop };

// Appends the eight rows of ShownTable to the result files (it writes no export file, whatever
// its name says): the long form to MySearch.doc, the short form to SearchShort.doc. False when
// either could not be written.
bool Export(MultiWindow& window, FileTrouble& trouble, OnFailure onFailure);

// "Search Results up to Opus Number < n > were recorded in file ..." in the status bar, or, when
// the file was not written, that they could not be.
void showRecordedUpTo(MultiWindow& window, bool recorded);

}  // namespace multi
