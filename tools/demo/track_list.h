#pragma once
// The track list of a back cover: the works of a medium broken into lines (composer, work, its
// tracks or parts, performers), grouped into one block per work and flowed into columns at the
// largest size that fits.

#include <QFont>
#include <QList>
#include <QString>

#include "demo_media.h"

namespace pictures {

enum class LineKind { Composer, Title, Track, Parts, Performers };

struct ListLine {
    LineKind kind;
    QString number;  // the track number or range shown before the line; may be empty
    QString text;
};
using ListBlock = QList<ListLine>;

QFont listFont(LineKind kind, qreal size);
qreal listLineHeight(LineKind kind, qreal size);
// The height of a block, with the gap after it.
qreal blockHeight(const ListBlock& block, qreal size);

struct TrackList {
    qreal size = 0;         // the size of a work's title in pixels; the rest follow from it
    qreal numberWidth = 0;  // the width of the column of track numbers
    QList<ListBlock> blocks;
    QList<int> columnOf;  // the column of each block
};

// Lays the works out into `columns` columns of the given width and height, trying sizes from
// `largest` down to `smallest`; at the smallest size the list may overflow.
TrackList layOutTrackList(const QList<Work>& works, qreal columnWidth, qreal height, int columns,
                          qreal largest, qreal smallest);

}  // namespace pictures
