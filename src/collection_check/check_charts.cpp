#include "collection_check/check_charts.h"

#include <QBarCategoryAxis>
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

// A step of whole numbers for an axis up to `most`: 1, 2 or 5 times a power of ten, for about
// five steps.
std::int64_t niceStep(std::int64_t most) {
    std::int64_t step = 1;
    for (;;) {
        for (const std::int64_t times : {1, 2, 5}) {
            if (most / (step * times) <= 5) return step * times;
        }
        step *= 10;
    }
}

// Lying bars for the rows, the first at the top, their names at the left in full, and whole
// counts along the bottom.
void drawBars(QChart* chart, const QList<QPair<QString, std::int64_t>>& rows) {
    clearChart(chart);
    if (rows.isEmpty()) return;
    auto* set = new QBarSet(chart->title());
    set->setColor(QColor(0x4f, 0x6d, 0x8f));
    set->setLabelColor(QColor(0x20, 0x20, 0x20));
    QStringList names;
    std::int64_t most = 0;
    // A lying bar chart draws its first category at the bottom: reversed, the first is on top.
    for (auto row = rows.crbegin(); row != rows.crend(); ++row) {
        *set << double(row->second);
        names << row->first;
        most = std::max(most, row->second);
    }
    auto* series = new QHorizontalBarSeries;
    series->append(set);
    series->setLabelsVisible(true);
    series->setLabelsPosition(QAbstractBarSeries::LabelsOutsideEnd);
    chart->addSeries(series);
    auto* categories = new QBarCategoryAxis;
    categories->append(names);
    categories->setTruncateLabels(false);
    chart->addAxis(categories, Qt::AlignLeft);
    series->attachAxis(categories);
    auto* values = new QValueAxis;
    const std::int64_t step = niceStep(most);
    values->setLabelFormat(QStringLiteral("%d"));
    const std::int64_t axisEnd = (most / step + 1) * step;  // the next whole step past the most
    values->setRange(0, double(axisEnd));
    values->setTickType(QValueAxis::TicksDynamic);
    values->setTickAnchor(0);
    values->setTickInterval(double(step));
    chart->addAxis(values, Qt::AlignBottom);
    series->attachAxis(values);
}

}  // namespace

void drawMediaByKind(QChart* chart, const Figures& figures) {
    drawBars(chart, figures.mediaByKind);
}

void drawTopComposers(QChart* chart, const Figures& figures) {
    drawBars(chart, figures.topComposers);
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
