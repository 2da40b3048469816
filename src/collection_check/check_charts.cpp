#include "collection_check/check_charts.h"

#include <QBarCategoryAxis>
#include <QBarSeries>
#include <QBarSet>
#include <QBuffer>
#include <QChart>
#include <QChartView>
#include <QHorizontalBarSeries>
#include <QPixmap>
#include <QValueAxis>
#include <algorithm>

namespace collection_check {

namespace {

void clearChart(QChart* chart) {
    chart->removeAllSeries();
    for (QAbstractAxis* axis : chart->axes()) {
        chart->removeAxis(axis);
        delete axis;
    }
}

// Bars for the rows, the category names along one axis and whole counts along the other.
void drawBars(QChart* chart, QAbstractBarSeries* series,
              const QList<QPair<QString, std::int64_t>>& rows, Qt::Alignment categoriesAt,
              Qt::Alignment valuesAt) {
    clearChart(chart);
    if (rows.isEmpty()) {
        delete series;
        return;
    }
    auto* set = new QBarSet(chart->title());
    set->setColor(QColor(0x4f, 0x6d, 0x8f));
    QStringList names;
    std::int64_t most = 0;
    for (const auto& [name, count] : rows) {
        *set << double(count);
        names << name;
        most = std::max(most, count);
    }
    series->append(set);
    series->setLabelsVisible(true);
    chart->addSeries(series);
    auto* categories = new QBarCategoryAxis;
    categories->append(names);
    chart->addAxis(categories, categoriesAt);
    series->attachAxis(categories);
    auto* values = new QValueAxis;
    values->setLabelFormat(QStringLiteral("%d"));
    values->setRange(0, double(most) * 1.15 + 1);
    values->setTickCount(std::min<int>(int(most) + 2, 6));
    chart->addAxis(values, valuesAt);
    series->attachAxis(values);
}

}  // namespace

void drawMediaByKind(QChart* chart, const Figures& figures) {
    drawBars(chart, new QBarSeries, figures.mediaByKind, Qt::AlignBottom, Qt::AlignLeft);
}

void drawTopComposers(QChart* chart, const Figures& figures) {
    // A lying bar chart draws its first category at the bottom: reversed, the most come first.
    QList<QPair<QString, std::int64_t>> rows = figures.topComposers;
    std::reverse(rows.begin(), rows.end());
    drawBars(chart, new QHorizontalBarSeries, rows, Qt::AlignLeft, Qt::AlignBottom);
}

QByteArray chartPng(QChartView* view) {
    const QSize shown = view->size();
    const bool laidOut = view->isVisible() && shown.width() >= 300 && shown.height() >= 200;
    if (!laidOut) view->resize(800, 450);
    const QPixmap picture = view->grab();
    if (!laidOut) view->resize(shown);
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    picture.save(&buffer, "PNG");
    return png;
}

}  // namespace collection_check
