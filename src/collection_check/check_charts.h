#pragma once
// The two charts of the "At a glance" tab, drawn with Qt Charts from a check's figures, and a
// chart as PNG bytes for the HTML page.

#include <QByteArray>

#include "collection_check/report.h"

class QChart;
class QChartView;

namespace collection_check {

// Media by kind as lying bars, in the media icons' order from the top; nothing for no figures.
void drawMediaByKind(QChart* chart, const Figures& figures);
// The composers with the most records as lying bars, the most at the top.
void drawTopComposers(QChart* chart, const Figures& figures);

// The chart as it is drawn, in PNG; a chart not yet laid out on screen is drawn at a page's size.
QByteArray chartPng(QChartView* view);

}  // namespace collection_check
