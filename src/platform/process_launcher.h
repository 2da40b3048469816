#pragma once
// Starting programs outside Sonvella: the sort tools and the system-information tool. They are
// started and left to run; the program does not wait for them.

#include <QString>
#include <QStringList>

namespace platform {

class ProcessLauncher {
public:
    virtual ~ProcessLauncher() = default;
    // The full path of a program named by a bare name: next to Sonvella's own executable first,
    // then on the search path; the empty text when it is nowhere.
    virtual QString find(const QString& name) const = 0;
    // Starts a program in a working directory. False, with the reason, when it cannot be started.
    virtual bool start(const QString& program, const QStringList& arguments,
                       const QString& workingDirectory, QString* error) = 0;
};

}  // namespace platform
