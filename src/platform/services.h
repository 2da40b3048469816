#pragma once
// The platform services a window's commands use, handed down together. The program fills it with
// the Qt implementations; tests with scripted and recording ones.

namespace platform {

class Clipboard;
class Clock;
class Dialogs;
class HelpViewer;
class PrintJob;
class ProcessLauncher;
class Shell;

struct Services {
    Dialogs& dialogs;
    Shell& shell;
    Clipboard& clipboard;
    PrintJob& printJob;  // the program's one print job, shared by every window
    Clock& clock;
    ProcessLauncher& processes;
    HelpViewer& help;
};

}  // namespace platform
