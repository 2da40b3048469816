#pragma once
// The back cover of a medium: a heading, the track list of the works on it, the performers, and
// at the foot a barcode, the catalogue line and the label mark.

#include <QColor>
#include <QImage>
#include <QList>
#include <QSize>
#include <QString>

#include "demo_media.h"

namespace pictures {

struct BackStyle {
    QColor paperTop;
    QColor paperBottom;
    QColor ink;
    QColor accent;
    QString heading;      // shown in capitals at the top
    QString spineText{};  // the text of the two spines of a CD's tray card; empty for none
    QString catalogue;    // the small line at the foot
    unsigned barcodeSeed = 1;
    int columns = 1;
};

QImage drawBackCover(QSize size, const BackStyle& style, const QList<Work>& works);

}  // namespace pictures
