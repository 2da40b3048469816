// The back cover of a medium, laid out from the works the collection holds on it.
#include "back_cover.h"

#include <QLinearGradient>
#include <QPainter>
#include <algorithm>

#include "ornaments.h"
#include "paint_kit.h"
#include "track_list.h"

namespace pictures {

namespace {

void drawBackground(QPainter& p, QSizeF size, const BackStyle& style, qreal spine) {
    QLinearGradient paper(0, 0, 0, size.height());
    paper.setColorAt(0, style.paperTop);
    paper.setColorAt(1, style.paperBottom);
    p.fillRect(QRectF(QPointF(0, 0), size), paper);
    if (spine <= 0) {
        // A sleeve or case without spines shows the edge of a record behind the list.
        const QPointF centre(size.width() * 1.02, size.height() * 0.42);
        const qreal radius = qMin(size.width(), size.height()) * 0.42;
        QColor groove = style.accent;
        groove.setAlphaF(0.10);
        p.setPen(QPen(groove, qMax<qreal>(1, radius / 150)));
        p.setBrush(Qt::NoBrush);
        for (qreal r = radius * 0.36; r <= radius; r += radius * 0.045) p.drawEllipse(centre, r, r);
        groove.setAlphaF(0.14);
        p.setPen(Qt::NoPen);
        p.setBrush(groove);
        p.drawEllipse(centre, radius * 0.3, radius * 0.3);
        return;
    }
    const QString text = capitals(style.spineText);
    for (int side = 0; side < 2; ++side) {
        const QRectF band(side == 0 ? 0 : size.width() - spine, 0, spine, size.height());
        p.fillRect(band, style.accent);
        p.save();
        p.translate(band.center());
        p.rotate(side == 0 ? -90 : 90);
        p.setPen(style.paperTop);
        drawSpaced(p, QRectF(-size.height() / 2, -spine / 2, size.height(), spine), Qt::AlignCenter,
                   text, sansFont(spine * 0.38, QFont::Bold), 112);
        p.restore();
    }
}

}  // namespace

QImage drawBackCover(QSize size, const BackStyle& style, const QList<Work>& works) {
    QImage image = canvas(size.width(), size.height(), style.paperTop);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    const qreal w = size.width(), h = size.height();
    const qreal spine = style.spineText.isEmpty() ? 0 : w * 0.055;
    drawBackground(p, size, style, spine);

    const qreal margin = qMin(w, h) * 0.07;
    const QRectF content(spine + margin, h * 0.05, w - 2 * (spine + margin), h * 0.9);

    p.setPen(style.accent);
    drawSpaced(p, QRectF(content.left(), content.top(), content.width(), h * 0.07), Qt::AlignCenter,
               capitals(style.heading), serifFont(h * 0.045, QFont::Bold), 115);
    const qreal ruleY = content.top() + h * 0.09;
    p.setPen(QPen(style.accent, qMax<qreal>(1, h / 400)));
    p.drawLine(QPointF(content.left() + content.width() * 0.3, ruleY),
               QPointF(content.right() - content.width() * 0.3, ruleY));

    // The track list, as large as fits between the heading and the foot.
    const QRectF area(content.left(), ruleY + h * 0.035, content.width(),
                      h * 0.80 - (ruleY + h * 0.035));
    const qreal gutter = w * 0.04;
    const qreal columnWidth = (area.width() - gutter * (style.columns - 1)) / style.columns;
    const TrackList list =
        layOutTrackList(works, columnWidth, area.height(), style.columns, h / 20, h / 80);
    // A list shorter than the area sits in its middle.
    QList<qreal> y(style.columns, 0);
    for (qsizetype i = 0; i < list.blocks.size(); ++i)
        y[list.columnOf[i]] += blockHeight(list.blocks[i], list.size);
    const qreal tallest = *std::max_element(y.begin(), y.end());
    y.fill(area.top() + qMax<qreal>(0, area.height() - tallest) / 2);

    const qreal s = list.size;
    for (qsizetype i = 0; i < list.blocks.size(); ++i) {
        const int column = list.columnOf[i];
        const qreal x = area.left() + column * (columnWidth + gutter);
        for (const ListLine& line : list.blocks[i]) {
            const qreal lh = listLineHeight(line.kind, s);
            const qreal indent = line.kind == LineKind::Composer ? 0 : list.numberWidth;
            if (!line.number.isEmpty()) {
                p.setPen(style.accent);
                p.setFont(sansFont(s * 0.74, QFont::Bold));
                p.drawText(QRectF(x, y[column], list.numberWidth - s * 0.6, lh),
                           Qt::AlignRight | Qt::AlignVCenter, line.number);
            }
            QColor ink = line.kind == LineKind::Composer ? style.accent : style.ink;
            if (line.kind == LineKind::Performers || line.kind == LineKind::Parts)
                ink.setAlphaF(0.8);
            p.setPen(ink);
            drawFitted(p, QRectF(x + indent, y[column], columnWidth - indent, lh),
                       Qt::AlignLeft | Qt::AlignVCenter, line.text, listFont(line.kind, s));
            y[column] += lh;
        }
        y[column] += s * 0.7;
    }

    // The foot: barcode, catalogue line and label mark.
    const qreal footY = h * 0.835;
    p.setPen(QPen(style.accent, qMax<qreal>(1, h / 500)));
    p.drawLine(QPointF(content.left(), footY), QPointF(content.right(), footY));
    const qreal footH = h * 0.11;
    drawBarcode(p, QRectF(content.left(), footY + h * 0.025, footH * 1.7, footH), style.barcodeSeed,
                QColor(20, 20, 20));
    QColor small = style.ink;
    small.setAlphaF(0.85);
    p.setPen(small);
    const QRectF catalogueBox(content.left() + footH * 1.9, footY + h * 0.025,
                              content.width() - footH * 1.9, footH * 0.45);
    drawFitted(p, catalogueBox, Qt::AlignRight | Qt::AlignVCenter, style.catalogue,
               sansFont(h * 0.022));
    drawLabelMark(p, QPointF(content.right(), footY + h * 0.025 + footH * 0.55), footH * 0.4,
                  style.ink, Anchor::Right);
    return image;
}

}  // namespace pictures
