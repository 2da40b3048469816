#include "collection_check/report_model.h"

#include <QStringList>

#include "collection_check/finding_texts.h"

namespace collection_check {

QString numbersText(const Finding& finding) {
    QStringList numbers;
    for (std::int32_t n : finding.opusNumbers) numbers << QString::number(n);
    if (finding.moreNumbers) numbers << QStringLiteral("...");
    return numbers.join(QStringLiteral(", "));
}

ReportModel::ReportModel(QObject* parent)
    : ColumnTableModel(
          {QStringLiteral("Kind"), QStringLiteral("Finding"), QStringLiteral("Opus Numbers")},
          parent) {}

void ReportModel::setReport(Report report) {
    resetRows([&] { report_ = std::move(report); });
}

void ReportModel::clear() {
    setReport({});
}

void ReportModel::removeFinding(int row) {
    if (row < 0 || row >= rowCount()) return;
    beginRemoveRows({}, row, row);
    report_.findings.erase(report_.findings.begin() + row);
    endRemoveRows();
}

QVariant ReportModel::cell(int row, int column) const {
    const Finding& f = finding(row);
    switch (column) {
        case KindColumn:
            return kindName(f.kind);
        case TextColumn:
            return f.text;
        default:
            return numbersText(f);
    }
}

}  // namespace collection_check
