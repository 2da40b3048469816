#pragma once
// The folders of the collections opened last, newest first, kept in the user's settings for the
// File menu's Recent Collections.

#include <QString>
#include <QStringList>

namespace collections {

class RecentCollections {
public:
    static constexpr int kKept = 5;

    // The user's settings file (sonvella/sonvella.conf in the configuration folder).
    RecentCollections();
    explicit RecentCollections(QString settingsFile);

    QStringList folders() const;
    // Puts `folder` first, once, and keeps the newest kKept.
    void add(const QString& folder);

private:
    QString settingsFile_;
};

}  // namespace collections
