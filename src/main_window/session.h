#pragma once
// What outlives one main window: the window is unloaded and loaded again after a re-sort or a
// backup, and these values carry over.

#include <cstdint>

namespace main_window {

struct Session {
    // 0: not re-sorted since the program started; 1: last re-sorted by Identity; 2: by Composer.
    std::int16_t sortState = 0;
    // Blocks of the print selection on the sheet being filled in the open print job, 0 to 7.
    std::int16_t recordsOnSheet = 0;
};

}  // namespace main_window
