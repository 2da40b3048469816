#pragma once
// A shell that only counts what commands asked of it.

#include "platform/shell.h"

namespace testing {

class RecordingShell : public platform::Shell {
public:
    int ended = 0;
    int coverWindowsClosed = 0;

    void endProgram() override { ++ended; }
    void closeCoverWindows() override { ++coverWindowsClosed; }
};

}  // namespace testing
