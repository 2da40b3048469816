#pragma once
// A record's cover files in the Covers folder: setting, replacing and removing them. An old
// picture is never deleted: it is kept in Covers/Replaced under the time it was replaced.

#include <QByteArray>
#include <QDateTime>
#include <QList>
#include <QString>

namespace covers {

enum class Side { Front, Back };
enum class Which { Front, Back, Both };

// <coversDir>/<name>.jpg, the back cover <name>B.jpg.
QString coverFile(const QString& coversDir, const QString& name, Side side);

// An old picture and the name it now has in Replaced (native paths, as messages show them).
struct Kept {
    QString from;
    QString to;
};

// What a change did, for the status line; `error` says why it stopped.
struct CoverChange {
    QString error;
    QString written;  // the cover file a set wrote (native path)
    QList<Kept> kept;
    bool ok() const { return error.isEmpty(); }
};

// Writes `jpeg` as the cover. An existing one (the caller has asked the user) is kept in Replaced
// before the new one takes its name; a failure at any step leaves the old cover where it was and
// nothing new behind.
CoverChange setCover(const QString& coversDir, const QString& name, Side side,
                     const QByteArray& jpeg, const QDateTime& now);

// Moves the covers into Replaced, the front first; stops at the first failure (`kept` lists what
// was moved before it). Refused when none of them exists.
CoverChange removeCovers(const QString& coversDir, const QString& name, Which which,
                         const QDateTime& now);

}  // namespace covers
