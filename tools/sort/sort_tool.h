#pragma once
// What Varnel and Tormin do: sort Clasical.dat of the current directory by one field and say so.

#include "store/opus_record.h"

namespace sorting {

// Sorts Clasical.dat of the current directory by `key`; prints one or two lines of what was done
// to standard output, or what failed and where to standard error. Returns the exit code: 0 when
// the file is sorted (or empty), 1 when it could not be, and the file is then untouched.
int runSortTool(const char* toolName, store::Field key);

}  // namespace sorting
