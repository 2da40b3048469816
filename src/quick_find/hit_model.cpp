#include "quick_find/hit_model.h"

#include "store/store_error.h"

namespace quick_find {

namespace {

// Rows kept read: a few screens of the list.
constexpr int kDrawnRecords = 512;

const char* const kHeadings[HitModel::ColumnCount] = {
    "Opus No", "Identity", "Composer", "Title", "Orchestra/Conductor", "Soloists",
};

constexpr store::Field kFields[HitModel::ColumnCount] = {
    store::Field::Identity,  // unused: the Opus No column is the number itself
    store::Field::Identity,  store::Field::Composer, store::Field::Title,
    store::Field::Orchestra, store::Field::Soloists,
};

}  // namespace

HitModel::HitModel(const QString& collectionPath, QObject* parent)
    : QAbstractTableModel(parent), file_(collectionPath) {}

void HitModel::clear() {
    beginResetModel();
    hits_ = {};
    drawn_.clear();
    endResetModel();
}

void HitModel::append(const std::vector<std::int32_t>& opusNumbers) {
    if (opusNumbers.empty()) return;
    const int first = int(hits_.size());
    beginInsertRows({}, first, first + int(opusNumbers.size()) - 1);
    hits_.insert(hits_.end(), opusNumbers.begin(), opusNumbers.end());
    endInsertRows();
}

void HitModel::closeFile() {
    file_.close();
    drawn_.clear();
}

int HitModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : int(hits_.size());
}

int HitModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : ColumnCount;
}

const store::OpusRecord& HitModel::recordAt(std::int32_t n) const {
    const auto known = drawn_.constFind(n);
    if (known != drawn_.constEnd()) return *known;
    if (drawn_.size() >= kDrawnRecords) drawn_.clear();
    store::OpusRecord record;  // blank when it cannot be read: the count line tells why
    try {
        file_.openForReading();
        record = file_.read(n);
    } catch (const store::StoreError&) {
    }
    return *drawn_.insert(n, record);
}

QVariant HitModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= int(hits_.size())) return {};
    const std::int32_t n = hits_[std::size_t(index.row())];
    if (role == Qt::TextAlignmentRole && index.column() == OpusNo)
        return int(Qt::AlignRight | Qt::AlignVCenter);
    if (role != Qt::DisplayRole) return {};
    if (index.column() == OpusNo) return QString::number(n);
    return recordAt(n).trimmed(kFields[index.column()]);
}

QVariant HitModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole || section < 0 ||
        section >= ColumnCount)
        return QAbstractTableModel::headerData(section, orientation, role);
    return QString::fromLatin1(kHeadings[section]);
}

}  // namespace quick_find
