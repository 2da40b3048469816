#pragma once
// The two tables of the preview window: the first rows of records as they will be stored, and
// every problem of the file with its row and field.

#include <QAbstractTableModel>
#include <memory>

#include "csv/analysis.h"

namespace csv {

// Row, what becomes of it, and the six fields as they will be stored.
class PreviewModel : public QAbstractTableModel {
    Q_OBJECT
public:
    enum Column {
        RowColumn,
        FateColumn,
        FirstField,
        ColumnCount = FirstField + store::kFieldCount
    };
    using QAbstractTableModel::QAbstractTableModel;

    void setAnalysis(std::shared_ptr<const Analysis> analysis);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    std::shared_ptr<const Analysis> analysis_;
};

// Row, field and what was found.
class ProblemModel : public QAbstractTableModel {
    Q_OBJECT
public:
    enum Column { RowColumn, FieldColumn, TextColumn, ColumnCount };
    using QAbstractTableModel::QAbstractTableModel;

    void setAnalysis(std::shared_ptr<const Analysis> analysis);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    std::shared_ptr<const Analysis> analysis_;
};

// How a row is named in both tables: "12", or "12 (line 14)" when a field of a row before it
// holds a line break.
QString rowName(std::int64_t row, std::int64_t line);

}  // namespace csv
