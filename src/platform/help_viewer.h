#pragma once
// Shows a help file at its contents. The program only names the file.

#include <QString>

namespace platform {

class HelpViewer {
public:
    virtual ~HelpViewer() = default;
    // A bare file name ("Sonvel400.HLP"), found where the help viewer looks for help files.
    virtual void showContents(const QString& helpFile) = 0;
};

}  // namespace platform
