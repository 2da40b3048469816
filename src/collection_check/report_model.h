#pragma once
// The findings of a check as a table for the window: one row per finding, with its kind, its text
// and the Opus Numbers involved. The figures of the first tab come along.

#include "collection_check/report.h"
#include "common/column_table_model.h"

namespace collection_check {

class ReportModel : public common::ColumnTableModel {
    Q_OBJECT
public:
    enum Column { KindColumn, TextColumn, NumbersColumn, ColumnCount };

    explicit ReportModel(QObject* parent = nullptr);

    // A new report, or none (all figures zero, no findings).
    void setReport(Report report);
    void clear();
    const Report& report() const { return report_; }
    const Finding& finding(int row) const { return report_.findings[size_t(row)]; }
    // Takes a finding off the list once it has been dealt with.
    void removeFinding(int row);

private:
    int rows() const override { return int(report_.findings.size()); }
    QVariant cell(int row, int column) const override;

    Report report_;
};

// The Opus Numbers of a finding as the table shows them: "3, 17, 40", with "..." after them when
// only the first of them are listed.
QString numbersText(const Finding& finding);

}  // namespace collection_check
