#pragma once
// What a command may ask of the program around its window: end the program, or close and open
// windows. The program's own implementation lives with main(); tests record the calls.

namespace platform {

class Shell {
public:
    virtual ~Shell() = default;
    // Ends the program at once: every window closes.
    virtual void endProgram() = 0;
    // Closes the enlarged front and back cover windows, if open.
    virtual void closeCoverWindows() = 0;
};

}  // namespace platform
