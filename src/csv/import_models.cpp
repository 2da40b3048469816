#include "csv/import_models.h"

#include <QBrush>
#include <QColor>

namespace csv {

QString rowName(std::int64_t row, std::int64_t line) {
    return row == line ? QString::number(row) : QStringLiteral("%1 (line %2)").arg(row).arg(line);
}

namespace {

QString fateName(const ImportRow& row) {
    switch (row.fate) {
        case Fate::Imported:
            return row.cut ? QStringLiteral("cut to fit") : QStringLiteral("imported");
        case Fate::Refused:
            return QStringLiteral("refused");
        case Fate::Skipped:
            return QStringLiteral("skipped");
    }
    return {};
}

}  // namespace

void PreviewModel::setAnalysis(std::shared_ptr<const Analysis> analysis) {
    beginResetModel();
    analysis_ = std::move(analysis);
    endResetModel();
}

int PreviewModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() || !analysis_ ? 0 : int(analysis_->preview.size());
}

int PreviewModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant PreviewModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= rowCount()) return {};
    const ImportRow& row = analysis_->preview[std::size_t(index.row())];
    // A row that will not be imported is greyed, one that is cut marked.
    if (role == Qt::ForegroundRole && row.fate != Fate::Imported) return QBrush(QColor(Qt::gray));
    if (role == Qt::BackgroundRole && (row.cut || row.fate == Fate::Skipped))
        return QBrush(QColor(255, 240, 200));
    if (role != Qt::DisplayRole && role != Qt::ToolTipRole) return {};
    switch (index.column()) {
        case RowColumn:
            return rowName(row.number, row.line);
        case FateColumn:
            return fateName(row);
        default: {
            const auto field = store::Field(index.column() - FirstField);
            return row.values[static_cast<int>(field)];
        }
    }
}

QVariant PreviewModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole) return {};
    if (section == RowColumn) return QStringLiteral("Row");
    if (section == FateColumn) return QStringLiteral("Becomes");
    if (section >= FirstField && section < ColumnCount)
        return fieldName(store::Field(section - FirstField));
    return {};
}

void ProblemModel::setAnalysis(std::shared_ptr<const Analysis> analysis) {
    beginResetModel();
    analysis_ = std::move(analysis);
    endResetModel();
}

int ProblemModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() || !analysis_ ? 0 : int(analysis_->problems.size());
}

int ProblemModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant ProblemModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= rowCount()) return {};
    if (role != Qt::DisplayRole && role != Qt::ToolTipRole) return {};
    const Problem& problem = analysis_->problems[std::size_t(index.row())];
    switch (index.column()) {
        case RowColumn:
            return rowName(problem.row, problem.line);
        case FieldColumn:
            return problem.field ? fieldName(*problem.field) : QStringLiteral("(the row)");
        case TextColumn:
            return problem.text;
        default:
            return {};
    }
}

QVariant ProblemModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole) return {};
    switch (section) {
        case RowColumn:
            return QStringLiteral("Row");
        case FieldColumn:
            return QStringLiteral("Field");
        case TextColumn:
            return QStringLiteral("Problem");
        default:
            return {};
    }
}

}  // namespace csv
