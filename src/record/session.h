#pragma once
// What outlives one main window: the window is unloaded and loaded again after a re-sort or a
// backup, and these values carry over.

#include <cstdint>

namespace record {

struct Session {
    // 0: not re-sorted since the program started; 1: last re-sorted by Identity; 2: by Composer.
    std::int16_t sortState = 0;
};

}  // namespace record
