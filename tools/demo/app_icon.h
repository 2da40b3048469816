#pragma once
// The application icon: a record with a music note before it, on a transparent background.

#include <QImage>

namespace pictures {

QImage drawAppIcon(int size);

}  // namespace pictures
