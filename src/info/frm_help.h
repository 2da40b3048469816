#pragma once
// The shortcut-keys window (frmHelp): the program's main keys in two framed columns, and an OK
// button that closes it.

#include <QDialog>

namespace info {

class FrmHelp : public QDialog {
    Q_OBJECT
public:
    FrmHelp();
};

}  // namespace info
