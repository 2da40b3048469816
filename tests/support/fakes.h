#pragma once
// The platform as tests see it: scripted dialogs, a shell and a clipboard that record what
// commands asked of them, bundled into the Services a window takes.

#include <QImage>
#include <vector>

#include "platform/clipboard.h"
#include "platform/services.h"
#include "platform/shell.h"
#include "support/scripted_dialogs.h"

namespace testing {

class RecordingShell : public platform::Shell {
public:
    int ended = 0;
    int splashShown = 0;

    void endProgram() override { ++ended; }
    void showSplash() override { ++splashShown; }
};

class RecordingClipboard : public platform::Clipboard {
public:
    std::vector<QImage> images;
    void setImage(const QImage& image) override { images.push_back(image); }
};

struct Fakes {
    ScriptedDialogs dialogs;
    RecordingShell shell;
    RecordingClipboard clipboard;

    platform::Services services() { return {dialogs, shell, clipboard}; }
};

}  // namespace testing
