#include "common/column_table_model.h"

namespace common {

ColumnTableModel::ColumnTableModel(QStringList headers, QObject* parent)
    : QAbstractTableModel(parent), headers_(std::move(headers)) {}

int ColumnTableModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : rows();
}

int ColumnTableModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : int(headers_.size());
}

QVariant ColumnTableModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= rows() || index.column() >= headers_.size()) return {};
    if (role == Qt::DisplayRole || role == Qt::ToolTipRole)
        return cell(index.row(), index.column());
    return rowLook(index.row(), role);
}

QVariant ColumnTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole) return {};
    if (section < 0 || section >= headers_.size()) return {};
    return headers_[section];
}

void ColumnTableModel::resetRows(const std::function<void()>& change) {
    beginResetModel();
    change();
    endResetModel();
}

}  // namespace common
