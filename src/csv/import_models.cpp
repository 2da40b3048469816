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

QStringList previewHeaders() {
    QStringList headers{QStringLiteral("Row"), QStringLiteral("Becomes")};
    for (store::Field f : store::kAllFields) headers << fieldName(f);
    return headers;
}

}  // namespace

PreviewModel::PreviewModel(QObject* parent) : ColumnTableModel(previewHeaders(), parent) {}

void PreviewModel::setAnalysis(std::shared_ptr<const Analysis> analysis) {
    resetRows([&] { analysis_ = std::move(analysis); });
}

int PreviewModel::rows() const {
    return analysis_ ? int(analysis_->preview.size()) : 0;
}

QVariant PreviewModel::rowLook(int row, int role) const {
    const ImportRow& r = analysis_->preview[std::size_t(row)];
    // A row that will not be imported is greyed, one that is cut marked.
    if (role == Qt::ForegroundRole && r.fate != Fate::Imported) return QBrush(QColor(Qt::gray));
    if (role == Qt::BackgroundRole && (r.cut || r.fate == Fate::Skipped))
        return QBrush(QColor(255, 240, 200));
    return {};
}

QVariant PreviewModel::cell(int row, int column) const {
    const ImportRow& r = analysis_->preview[std::size_t(row)];
    switch (column) {
        case RowColumn:
            return rowName(r.number, r.line);
        case FateColumn:
            return fateName(r);
        default:
            return r.values[column - FirstField];
    }
}

ProblemModel::ProblemModel(QObject* parent)
    : ColumnTableModel({QStringLiteral("Row"), QStringLiteral("Field"), QStringLiteral("Problem")},
                       parent) {}

void ProblemModel::setAnalysis(std::shared_ptr<const Analysis> analysis) {
    resetRows([&] { analysis_ = std::move(analysis); });
}

int ProblemModel::rows() const {
    return analysis_ ? int(analysis_->problems.size()) : 0;
}

QVariant ProblemModel::cell(int row, int column) const {
    const Problem& problem = analysis_->problems[std::size_t(row)];
    switch (column) {
        case RowColumn:
            return rowName(problem.row, problem.line);
        case FieldColumn:
            return problem.field ? fieldName(*problem.field) : QStringLiteral("(the row)");
        default:
            return problem.text;
    }
}

}  // namespace csv
