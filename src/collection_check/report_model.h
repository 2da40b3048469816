#pragma once
// The findings of a check as a table for the window: one row per finding, with its kind, its text
// and the Opus Numbers involved. The figures of the first tab come along.

#include <QAbstractTableModel>

#include "collection_check/report.h"

namespace collection_check {

class ReportModel : public QAbstractTableModel {
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

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

private:
    Report report_;
};

// The Opus Numbers of a finding as the table shows them: "3, 17, 40", with "..." after them when
// only the first of them are listed.
QString numbersText(const Finding& finding);

}  // namespace collection_check
