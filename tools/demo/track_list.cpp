// The track list of a back cover, laid out at the largest size that fits.
#include "track_list.h"

#include <QFontMetricsF>

#include "paint_kit.h"
#include "work_parts.h"

namespace pictures {

namespace {

const QString kDot = QStringLiteral("  ·  ");

// Straight double quotes turned into opening and closing ones.
QString curlyQuotes(const QString& text) {
    QString out = text;
    bool opening = true;
    for (QChar& c : out) {
        if (c != u'"') continue;
        c = opening ? QChar(0x201C) : QChar(0x201D);
        opening = !opening;
    }
    return out;
}

QFont numberFont(qreal size) {
    return sansFont(size * 0.74, QFont::Bold);
}

// Words joined by middle dots, broken into lines no wider than `width`.
QStringList wrapJoined(const QStringList& words, const QFont& font, qreal width) {
    const QFontMetricsF metrics(font);
    QStringList lines;
    QString current;
    for (const QString& word : words) {
        const QString longer = current.isEmpty() ? word : current + kDot + word;
        if (!current.isEmpty() && metrics.horizontalAdvance(longer) > width) {
            lines << current;
            current = word;
        } else {
            current = longer;
        }
    }
    if (!current.isEmpty()) lines << current;
    return lines;
}

void addWrapped(ListBlock& block, LineKind kind, const QStringList& words, qreal size,
                qreal width) {
    for (const QString& line : wrapJoined(words, listFont(kind, size), width))
        block.append({kind, {}, line});
}

void addPerformers(ListBlock& block, const Work& work, qreal size, qreal width) {
    addWrapped(block, LineKind::Performers, namesIn(work.soloists), size, width);
    addWrapped(block, LineKind::Performers, namesIn(work.orchestra), size, width);
}

// The blocks of the list; the lines that wrap are broken to `width`.
QList<ListBlock> blocksOf(const QList<Work>& works, qreal size, qreal width) {
    bool oneComposer = true, onePerformance = true;
    for (const Work& work : works) {
        oneComposer = oneComposer && work.composer == works.front().composer;
        onePerformance = onePerformance && work.orchestra == works.front().orchestra &&
                         work.soloists == works.front().soloists;
    }
    QList<ListBlock> blocks;
    int track = 1;
    for (const Work& work : works) {
        ListBlock block;
        if (!oneComposer) block.append({LineKind::Composer, {}, capitals(work.composer)});
        const WorkParts parts = partsOf(work.title);
        if (parts.partPerLine()) {
            block.append({LineKind::Title, {}, curlyQuotes(work.title)});
            for (const QString& part : parts.parts)
                block.append({LineKind::Track, QString::number(track++), part});
        } else {
            QString number = QString::number(track);
            if (parts.tracks > 1)
                number += QStringLiteral("–") + QString::number(track + parts.tracks - 1);
            track += parts.tracks;
            block.append({LineKind::Title, number, curlyQuotes(work.title)});
            addWrapped(block, LineKind::Parts, parts.parts, size, width);
        }
        if (!onePerformance) addPerformers(block, work, size, width);
        blocks.append(block);
    }
    ListBlock performers;
    if (onePerformance) addPerformers(performers, works.front(), size, width);
    if (!performers.isEmpty()) blocks.append(performers);
    return blocks;
}

qreal numberColumn(const QList<ListBlock>& blocks, qreal size) {
    const QFontMetricsF metrics(numberFont(size));
    qreal widest = 0;
    for (const ListBlock& block : blocks) {
        for (const ListLine& line : block)
            widest = qMax(widest, metrics.horizontalAdvance(line.number));
    }
    return qMax(widest, size * 1.2) + size * 0.6;
}

bool fitsWidth(const TrackList& list, qreal columnWidth) {
    for (const ListBlock& block : list.blocks) {
        for (const ListLine& line : block) {
            const qreal indent = line.kind == LineKind::Composer ? 0 : list.numberWidth;
            const QFontMetricsF metrics(listFont(line.kind, list.size));
            if (indent + metrics.horizontalAdvance(line.text) > columnWidth) return false;
        }
    }
    return true;
}

// Places the blocks into columns; false when they do not fit (the last column then overflows).
bool flow(TrackList& list, qreal height, int columns) {
    list.columnOf.clear();
    bool fits = true;
    int column = 0;
    qreal used = 0;
    for (const ListBlock& block : list.blocks) {
        const qreal h = blockHeight(block, list.size);
        if (used > 0 && used + h > height && column + 1 < columns) {
            ++column;
            used = 0;
        }
        list.columnOf.append(column);
        used += h;
        fits = fits && used <= height;
    }
    return fits;
}

}  // namespace

QFont listFont(LineKind kind, qreal size) {
    switch (kind) {
        case LineKind::Composer:
            return sansFont(size * 0.78, QFont::Bold);
        case LineKind::Title:
            return serifFont(size, QFont::Bold);
        case LineKind::Track:
            return serifFont(size * 0.9);
        case LineKind::Parts:
            return serifFont(size * 0.86, QFont::Normal, true);
        case LineKind::Performers:
            return sansFont(size * 0.78);
    }
    return serifFont(size);
}

qreal listLineHeight(LineKind kind, qreal size) {
    return listFont(kind, size).pixelSize() * 1.5;
}

qreal blockHeight(const ListBlock& block, qreal size) {
    qreal h = size * 0.7;
    for (const ListLine& line : block) h += listLineHeight(line.kind, size);
    return h;
}

TrackList layOutTrackList(const QList<Work>& works, qreal columnWidth, qreal height, int columns,
                          qreal largest, qreal smallest) {
    TrackList list;
    for (qreal size = largest;; size -= 0.5) {
        list.size = size;
        list.numberWidth = numberColumn(blocksOf(works, size, columnWidth), size);
        list.blocks = blocksOf(works, size, columnWidth - list.numberWidth);
        const bool fits = flow(list, height, columns) && fitsWidth(list, columnWidth);
        if (fits || size - 0.5 < smallest) return list;
    }
}

}  // namespace pictures
