#pragma once
// The two tables of the preview window: the first rows of records as they will be stored, and
// every problem of the file with its row and field.

#include <memory>

#include "common/column_table_model.h"
#include "csv/analysis.h"

namespace csv {

// Row, what becomes of it, and the six fields as they will be stored.
class PreviewModel : public common::ColumnTableModel {
    Q_OBJECT
public:
    enum Column {
        RowColumn,
        FateColumn,
        FirstField,
        ColumnCount = FirstField + store::kFieldCount
    };
    explicit PreviewModel(QObject* parent = nullptr);

    void setAnalysis(std::shared_ptr<const Analysis> analysis);

private:
    int rows() const override;
    QVariant cell(int row, int column) const override;
    QVariant rowLook(int row, int role) const override;

    std::shared_ptr<const Analysis> analysis_;
};

// Row, field and what was found.
class ProblemModel : public common::ColumnTableModel {
    Q_OBJECT
public:
    enum Column { RowColumn, FieldColumn, TextColumn, ColumnCount };
    explicit ProblemModel(QObject* parent = nullptr);

    void setAnalysis(std::shared_ptr<const Analysis> analysis);

private:
    int rows() const override;
    QVariant cell(int row, int column) const override;

    std::shared_ptr<const Analysis> analysis_;
};

// How a row is named in both tables: "12", or "12 (line 14)" when a field of a row before it
// holds a line break.
QString rowName(std::int64_t row, std::int64_t line);

}  // namespace csv
