#pragma once
// Lets a long command show its progress. Commands run to their end on the one thread; while one
// runs, the window's state changes for every record, and this draws those changes every 50 ms or
// so: often enough to be seen, rarely enough not to slow the command down. User input waits
// until the command is done.

#include <QElapsedTimer>

namespace ui {

class ProgressRepaint {
public:
    // Whether enough time has passed since the last drawing.
    bool due() const;
    // Draws pending changes now.
    void repaintNow();

private:
    QElapsedTimer sinceLast_;
};

}  // namespace ui
