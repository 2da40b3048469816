#include "works/works_model.h"

#include <algorithm>

#include "store/store_error.h"

namespace works {

namespace {

// Rows kept read: a few screens of the tree.
constexpr int kDrawnRecords = 512;

const char* const kHeadings[WorksModel::ColumnCount] = {
    "Composer / Work / Opus No", "Title / Identity", "Recordings",
    "Orchestra/Conductor",       "Soloists",         "Cover",
};

// An index's internal id: its level, and its place in the view's vector of that level.
constexpr int kLevelShift = 56;
quintptr idOf(WorksModel::Level level, std::size_t place) {
    return (quintptr(level) << kLevelShift) | quintptr(place);
}
std::size_t placeOf(const QModelIndex& index) {
    return std::size_t(index.internalId() & ((quintptr(1) << kLevelShift) - 1));
}

// The group of `place` in a vector of groups' first places (ending with one more).
std::size_t groupOf(const std::vector<std::uint32_t>& firsts, std::size_t place) {
    return std::size_t(std::upper_bound(firsts.begin(), firsts.end(), place) - firsts.begin()) - 1;
}

QString counted(std::size_t n, const char* one, const char* many) {
    return n == 1 ? QString::fromLatin1(one) : QString::number(n) + QLatin1String(many);
}

}  // namespace

WorksModel::WorksModel(const QString& collectionPath, QObject* parent)
    : QAbstractItemModel(parent), file_(collectionPath) {}

void WorksModel::setTree(std::shared_ptr<const WorksTree> tree, WorksView view) {
    beginResetModel();
    tree_ = std::move(tree);
    view_ = std::move(view);
    drawn_.clear();
    endResetModel();
}

void WorksModel::setView(WorksView view) {
    beginResetModel();
    view_ = std::move(view);
    drawn_.clear();
    endResetModel();
}

void WorksModel::clear() {
    setTree(nullptr, {});
}

void WorksModel::closeFile() {
    file_.close();
    drawn_.clear();
}

WorksModel::Level WorksModel::level(const QModelIndex& index) const {
    return Level(index.internalId() >> kLevelShift);
}

std::int32_t WorksModel::opusNumber(const QModelIndex& index) const {
    if (!index.isValid() || !tree_ || level(index) != Level::Recording) return 0;
    return tree_->recordings[view_.recordings[placeOf(index)]];
}

QModelIndex WorksModel::index(int row, int column, const QModelIndex& parent) const {
    if (row < 0 || column < 0 || column >= ColumnCount || !tree_) return {};
    if (!parent.isValid()) {
        if (std::size_t(row) >= view_.composers.size()) return {};
        return createIndex(row, column, idOf(Level::Composer, std::size_t(row)));
    }
    const std::size_t place = placeOf(parent);
    const std::vector<std::uint32_t>* firsts = nullptr;
    Level child = Level::Work;
    switch (level(parent)) {
        case Level::Composer:
            firsts = &view_.composerWorks;
            break;
        case Level::Work:
            firsts = &view_.workRecordings;
            child = Level::Recording;
            break;
        case Level::Recording:
            return {};
    }
    const std::size_t first = (*firsts)[place];
    if (first + std::size_t(row) >= (*firsts)[place + 1]) return {};
    return createIndex(row, column, idOf(child, first + std::size_t(row)));
}

QModelIndex WorksModel::parent(const QModelIndex& child) const {
    if (!child.isValid() || !tree_) return {};
    const std::size_t place = placeOf(child);
    switch (level(child)) {
        case Level::Composer:
            return {};
        case Level::Work: {
            const std::size_t composer = groupOf(view_.composerWorks, place);
            return createIndex(int(composer), 0, idOf(Level::Composer, composer));
        }
        case Level::Recording: {
            const std::size_t work = groupOf(view_.workRecordings, place);
            const std::size_t composer = groupOf(view_.composerWorks, work);
            return createIndex(int(work - view_.composerWorks[composer]), 0,
                               idOf(Level::Work, work));
        }
    }
    return {};
}

int WorksModel::rowCount(const QModelIndex& parent) const {
    if (!tree_) return 0;
    if (!parent.isValid()) return int(view_.composers.size());
    if (parent.column() != 0) return 0;
    const std::size_t place = placeOf(parent);
    switch (level(parent)) {
        case Level::Composer:
            return int(view_.composerWorks[place + 1] - view_.composerWorks[place]);
        case Level::Work:
            return int(view_.workRecordings[place + 1] - view_.workRecordings[place]);
        case Level::Recording:
            return 0;
    }
    return 0;
}

int WorksModel::columnCount(const QModelIndex&) const {
    return ColumnCount;
}

const store::OpusRecord& WorksModel::recordAt(std::int32_t n) const {
    const auto known = drawn_.constFind(n);
    if (known != drawn_.constEnd()) return *known;
    if (drawn_.size() >= kDrawnRecords) drawn_.clear();
    store::OpusRecord record;  // blank when it cannot be read
    try {
        file_.openForReading();
        record = file_.read(n);
    } catch (const store::StoreError&) {
    }
    return *drawn_.insert(n, record);
}

QString WorksModel::text(Level level, std::size_t place, int column) const {
    switch (level) {
        case Level::Composer: {
            const std::size_t works = view_.composerWorks[place + 1] - view_.composerWorks[place];
            if (column == Name) return tree_->composers[view_.composers[place]].name;
            if (column == Title) return counted(works, "1 work", " works");
            if (column == Recordings)
                return QString::number(view_.workRecordings[view_.composerWorks[place + 1]] -
                                       view_.workRecordings[view_.composerWorks[place]]);
            return {};
        }
        case Level::Work: {
            const WorksTree::Work& work = tree_->works[view_.works[place]];
            const std::size_t shown = view_.workRecordings[place + 1] - view_.workRecordings[place];
            if (column == Name) return work.number.text();
            if (column == Title) return recordAt(work.titleOpus).trimmed(store::Field::Title);
            if (column != Recordings) return {};
            if (shown == work.recordingCount) return QString::number(shown);
            return QStringLiteral("%1 of %2").arg(shown).arg(work.recordingCount);
        }
        case Level::Recording: {
            const std::int32_t opus = tree_->recordings[view_.recordings[place]];
            static constexpr store::Field kFields[ColumnCount] = {
                store::Field::Identity,  // unused: the Opus No is the number itself
                store::Field::Identity, store::Field::Identity, store::Field::Orchestra,
                store::Field::Soloists, store::Field::Cover};
            if (column == Name) return QString::number(opus);
            if (column == Recordings) return {};
            return recordAt(opus).trimmed(kFields[column]);
        }
    }
    return {};
}

QVariant WorksModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || !tree_) return {};
    if (role == Qt::TextAlignmentRole && index.column() == Recordings)
        return int(Qt::AlignRight | Qt::AlignVCenter);
    if (role != Qt::DisplayRole && role != Qt::ToolTipRole) return {};
    return text(level(index), placeOf(index), index.column());
}

QVariant WorksModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole || section < 0 ||
        section >= ColumnCount)
        return QAbstractItemModel::headerData(section, orientation, role);
    return QString::fromLatin1(kHeadings[section]);
}

}  // namespace works
