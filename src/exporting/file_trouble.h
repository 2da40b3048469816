#pragma once
// How a command that writes files tells the user about one it cannot write: once, with its path
// and the reason, in a box with the command's title. The command goes on with its other files.

#include <QSet>
#include <QString>
#include <utility>

namespace platform {
class Dialogs;
}

namespace exporting {

class FileTrouble {
public:
    FileTrouble(platform::Dialogs& dialogs, QString title)
        : dialogs_(dialogs), title_(std::move(title)) {}
    // Notes that `path` could not be written; the first time, tells the user why.
    void report(const QString& path, const QString& reason);
    bool any() const { return !failed_.isEmpty(); }
    bool failed(const QString& path) const { return failed_.contains(path); }

private:
    platform::Dialogs& dialogs_;
    QString title_;
    QSet<QString> failed_;
};

// Makes a file empty (creating it); false after telling `trouble`.
bool createEmpty(const QString& path, FileTrouble& trouble);

}  // namespace exporting
