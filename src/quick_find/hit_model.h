#pragma once
// The hits of Quick Find as a table for the list: it holds their Opus Numbers only, 4 bytes a hit,
// and reads a row's record from the collection, on a read handle of its own, when the row is
// drawn.

#include <QAbstractTableModel>
#include <QHash>
#include <cstdint>
#include <vector>

#include "store/collection_file.h"
#include "store/opus_record.h"

namespace quick_find {

class HitModel : public QAbstractTableModel {
    Q_OBJECT
public:
    // The columns of the list.
    enum Column { OpusNo, Identity, Composer, Title, Orchestra, Soloists, ColumnCount };

    explicit HitModel(const QString& collectionPath, QObject* parent = nullptr);

    void clear();
    void append(const std::vector<std::int32_t>& opusNumbers);
    std::int32_t opusNumber(int row) const { return hits_[std::size_t(row)]; }
    // Lets go of the read handle; the next row drawn opens it again.
    void closeFile();

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    const store::OpusRecord& recordAt(std::int32_t n) const;

    std::vector<std::int32_t> hits_;
    mutable store::CollectionFile file_;
    // The records of the rows drawn lately; emptied with the list, so a record changed in the main
    // window shows its new text at the next keystroke.
    mutable QHash<std::int32_t, store::OpusRecord> drawn_;
};

}  // namespace quick_find
