#pragma once
// The dedication window (AlbumConv): Sonvella is dedicated to Johann Sebastian Bach. A heading
// and a text to read; it has no buttons and is closed by its frame.

#include <QDialog>

namespace info {

class AlbumConv : public QDialog {
    Q_OBJECT
public:
    AlbumConv();
};

}  // namespace info
