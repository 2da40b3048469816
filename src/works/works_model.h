#pragma once
// The Works tree as the window's tree view sees it: composers, their works, the works'
// recordings. It holds the tree and the rows shown as numbers, and reads a row's record from the
// collection, on a read handle of its own, only when the row is drawn.
//
// Columns: a composer's name, its works and recordings; a work's number, its most common title
// and its recordings ("2 of 4" when the filter leaves some out); a recording's Opus No, Identity,
// Orchestra/Conductor, Soloists and Cover.

#include <QAbstractItemModel>
#include <QHash>
#include <cstdint>
#include <memory>

#include "store/collection_file.h"
#include "store/opus_record.h"
#include "works/works_filter.h"
#include "works/works_tree.h"

namespace works {

class WorksModel : public QAbstractItemModel {
    Q_OBJECT
public:
    enum Column { Name, Title, Recordings, Orchestra, Soloists, Cover, ColumnCount };
    enum class Level { Composer, Work, Recording };

    explicit WorksModel(const QString& collectionPath, QObject* parent = nullptr);

    // A tree read anew, and the rows of it shown.
    void setTree(std::shared_ptr<const WorksTree> tree, WorksView view);
    // Other rows of the same tree.
    void setView(WorksView view);
    void clear();
    // Lets go of the read handle; the next row drawn opens it again.
    void closeFile();

    const WorksTree* tree() const { return tree_.get(); }
    const WorksView& view() const { return view_; }
    Level level(const QModelIndex& index) const;
    // The Opus Number of a recording's row; 0 for any other.
    std::int32_t opusNumber(const QModelIndex& index) const;

    QModelIndex index(int row, int column, const QModelIndex& parent = {}) const override;
    QModelIndex parent(const QModelIndex& child) const override;
    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    QString text(Level level, std::size_t row, int column) const;
    const store::OpusRecord& recordAt(std::int32_t n) const;

    std::shared_ptr<const WorksTree> tree_;
    WorksView view_;
    mutable store::CollectionFile file_;
    // The records of the rows drawn lately; emptied with every new view, so that a record changed
    // in the main window shows its new text after the next change of the filter.
    mutable QHash<std::int32_t, store::OpusRecord> drawn_;
};

}  // namespace works
