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

ReportModel::ReportModel(QObject* parent) : QAbstractTableModel(parent) {}

void ReportModel::setReport(Report report) {
    beginResetModel();
    report_ = std::move(report);
    endResetModel();
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

int ReportModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : int(report_.findings.size());
}

int ReportModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant ReportModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= rowCount()) return {};
    if (role != Qt::DisplayRole && role != Qt::ToolTipRole) return {};
    const Finding& f = finding(index.row());
    switch (index.column()) {
        case KindColumn:
            return kindName(f.kind);
        case TextColumn:
            return f.text;
        case NumbersColumn:
            return numbersText(f);
        default:
            return {};
    }
}

QVariant ReportModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole) return {};
    switch (section) {
        case KindColumn:
            return QStringLiteral("Kind");
        case TextColumn:
            return QStringLiteral("Finding");
        case NumbersColumn:
            return QStringLiteral("Opus Numbers");
        default:
            return {};
    }
}

}  // namespace collection_check
