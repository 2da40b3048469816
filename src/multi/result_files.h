#pragma once
// The files multi mode writes into the program's folder (the search results, the exports), and
// how a file that cannot be written is told to the user: once, with its path and the reason.

#include <QSet>
#include <QString>
#include <utility>

namespace platform {
class Dialogs;
}

namespace multi {

class MultiWindow;

QString mySearchFile();     // the long form of the search results
QString searchShortFile();  // the short form

// What a command could not write. The command goes on; the user hears of each file once, in a
// box with the command's title: the searches' plain one, or an export's own.
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

// What a command does when the first of its files cannot be written: a search skips it and goes
// on; "&Save Shown" stops, so that the two files never disagree about a page.
enum class OnFailure { GoOn, Stop };

// Appends the eight rows of ShownTable to both result files, the long and the short form.
// False when either could not be written.
bool Export(MultiWindow& window, FileTrouble& trouble, OnFailure onFailure);

// "Search Results up to Opus Number < n > were recorded in file ..." in the status bar, or, when
// the file was not written, that they could not be.
void showRecordedUpTo(MultiWindow& window, bool recorded);

}  // namespace multi
