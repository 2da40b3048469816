#pragma once
// Texts that many windows share.

#include <QString>

namespace common {

// The title of every plain message box.
inline const QString kTitle = QStringLiteral("Sonvella 4.0");

// The caption every window of the program starts from.
inline const QString kCollectionCaption = QStringLiteral("Sonvella 4.0 - My Music Collection");

}  // namespace common
