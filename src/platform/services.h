#pragma once
// The platform services a window's commands use, handed down together. The program fills it with
// the Qt implementations; tests with scripted and recording ones.

namespace platform {

class Clipboard;
class Dialogs;
class Shell;

struct Services {
    Dialogs& dialogs;
    Shell& shell;
    Clipboard& clipboard;
};

}  // namespace platform
