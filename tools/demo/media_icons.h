#pragma once
// The thirteen media icons of the record window: one small picture for each kind of medium,
// named after the two letters the program looks them up by ("Cd.jpg", "Lp.jpg", ...).

#include <QImage>
#include <QString>
#include <QStringList>

namespace pictures {

// The names (without ".jpg") of every media icon, in a fixed order.
QStringList mediaIconNames();
// Draws the icon of that name; an unknown name gives an empty image.
QImage mediaIcon(const QString& name);
// Writes every icon into the folder as name + ".jpg".
void makeMediaIcons(const QString& folder);

}  // namespace pictures
