#pragma once
// The check saved as one self-contained HTML page: the figures, the two charts as embedded PNG
// pictures (drawn by the window, passed in as bytes) and the findings.

#include <QByteArray>
#include <QDateTime>
#include <QString>

#include "collection_check/report.h"

namespace collection_check {

struct ChartPictures {
    QByteArray mediaByKind;   // PNG; empty: the chart is left out
    QByteArray topComposers;  // PNG; empty: the chart is left out
};

// The page in UTF-8.
QByteArray htmlReport(const Report& report, const ChartPictures& charts, const QString& collection,
                      const QDateTime& checked);

// Writes the bytes to `path` whole or not at all; false with the reason when it cannot.
bool writeFile(const QString& path, const QByteArray& bytes, QString* reason);

}  // namespace collection_check
