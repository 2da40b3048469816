#pragma once
// A flat table for a view, over rows its subclass keeps: the columns are named by their headers,
// and a row's cells come from one function. What every such table of Qt's repeats (the counts,
// the header, the display and tool-tip roles, a reset of all rows) is written here once.

#include <QAbstractTableModel>
#include <QStringList>
#include <functional>

namespace common {

class ColumnTableModel : public QAbstractTableModel {
    Q_OBJECT
public:
    explicit ColumnTableModel(QStringList headers, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = {}) const final;
    int columnCount(const QModelIndex& parent = {}) const final;
    // A cell's text for the display and tool-tip roles; rowLook() for the others.
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const final;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const final;

protected:
    virtual int rows() const = 0;
    virtual QVariant cell(int row, int column) const = 0;
    // How a whole row looks (its colours): none unless a table says so.
    virtual QVariant rowLook(int /*row*/, int /*role*/) const { return {}; }
    // The rows change all at once: `change` runs between the start and the end of a reset.
    void resetRows(const std::function<void()>& change);

private:
    QStringList headers_;
};

}  // namespace common
