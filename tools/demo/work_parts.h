#pragma once
// The movements, acts or sections of the works the demo covers show, which the collection file
// does not hold, for the track lists of the back covers.

#include <QString>
#include <QStringList>

namespace pictures {

struct WorkParts {
    QStringList parts;  // empty when the work is one track
    int tracks = 1;     // how many tracks the work takes
    // Whether each part is a line of its own with its track number; otherwise the parts are
    // named together on one line under the work, which shows the range of its tracks.
    bool linePerPart = true;
    bool partPerLine() const { return linePerPart && !parts.isEmpty(); }
};

// The parts of a work, found by its title as the collection holds it.
WorkParts partsOf(const QString& title);

}  // namespace pictures
