#pragma once
// The covers of the demo media: for each, a front picture "<name>.jpg" and a back picture
// "<name>B.jpg" in the Covers folder, named as the program looks them up.

#include <QString>

namespace pictures {

// Draws the front and back covers of every covered medium into `folder`, taking the track lists
// from the collection file at `collectionPath`.
void makeCovers(const QString& folder, const QString& collectionPath);

}  // namespace pictures
