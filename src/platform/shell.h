#pragma once
// What a command may ask of the program around its windows: end the program, close the main
// window, or show the splash window that loads a fresh one. The program's own implementation
// lives with main(); tests record the calls.

namespace platform {

class Shell {
public:
    virtual ~Shell() = default;
    // Ends the program at once: every window closes.
    virtual void endProgram() = 0;
    // Shows the splash window; on its tick it loads the main window, or brings it to the front
    // when it is loaded already.
    virtual void showSplash() = 0;
    // Closes the main window and its cover windows. The command that asks for it may go on to
    // its end: the window's state lives until the next main window is loaded.
    virtual void unloadMainWindow() = 0;
    // Loads the multi mode window, which unloads the main window first.
    virtual void showMultiMode() = 0;
    // Closes the multi mode window; as with the main window, its state lives until the next load.
    virtual void unloadMultiMode() = 0;
};

}  // namespace platform
