#pragma once
// The changes of the history as a table, newest first: when, which record (or list file), by
// which command, and what each changed field was and became.

#include <vector>

#include "common/column_table_model.h"
#include "history/journal.h"

namespace change_history {

class HistoryModel : public common::ColumnTableModel {
    Q_OBJECT
public:
    enum Column { TimeColumn, OpusColumn, CommandColumn, ChangesColumn, ColumnCount };
    explicit HistoryModel(QObject* parent = nullptr);

    void setChanges(std::vector<history::Change> changes);
    const history::Change& change(int row) const { return changes_[std::size_t(row)]; }

private:
    int rows() const override { return int(changes_.size()); }
    QVariant cell(int row, int column) const override;
    QVariant rowLook(int row, int role) const override;

    std::vector<history::Change> changes_;
};

// What a change did, in words: for a record rewritten, each field that changed as
// "Title: Mass in B minor → Mass in b minor"; for the others what was added or taken back.
QString changeText(const history::Entry& entry);

}  // namespace change_history
