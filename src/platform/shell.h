#pragma once
// What a command may ask of the program around its window: end the program, or show the splash
// window again. The program's own implementation lives with main(); tests record the calls.

namespace platform {

class Shell {
public:
    virtual ~Shell() = default;
    // Ends the program at once: every window closes.
    virtual void endProgram() = 0;
    // Shows the splash window; on its tick it loads the main window, or brings it to the front
    // when it is loaded already.
    virtual void showSplash() = 0;
};

}  // namespace platform
