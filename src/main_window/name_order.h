#pragma once
// The alphabetical order of the pick lists: case-insensitive, by the user's locale.

#include <QString>
#include <QStringList>

namespace main_window {

void sortNames(QStringList& names);
// Inserts a name at its alphabetical place (after equal names) and returns that place.
qsizetype insertName(QStringList& names, const QString& name);

}  // namespace main_window
