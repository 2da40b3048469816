#include "works/works_pass.h"

#include <algorithm>
#include <numeric>
#include <utility>

#include "catalogue/record_number.h"
#include "store/collection_file.h"
#include "store/record_scanner.h"

namespace works {

using store::Field;

namespace {

QByteArrayView fieldView(const char* record, Field f) {
    return {record + store::fieldOffset(f), store::fieldWidth(f)};
}

// The key of a composer: a composer of the table by its place there, any other by its reading,
// with the top bit set so that the two never meet.
std::uint64_t composerKeyOf(const catalogue::ComposerKey& key) {
    if (key.composer != catalogue::Composer::Unknown) return std::uint64_t(key.composer);
    return common::hashBytes(key.reading) | (std::uint64_t(1) << 63);
}

// Composers without a name (a blank Composer field) come last.
const QString kNoComposer = QStringLiteral("(no composer)");

}  // namespace

const WorksPass::Spelling& WorksPass::spellingOf(std::int32_t opus, QByteArrayView field) {
    Spelling& spelling = spellings_.findOrAdd(common::hashBytes(field), [&] {
        const catalogue::ComposerKey key = catalogue::composerKey(field);
        bool added = false;
        const std::uint32_t at = composerAt_.findOrAdd(composerKeyOf(key), [&] {
            added = true;
            return std::uint32_t(composers_.size() + 1);
        });
        if (added) composers_.push_back({key.composer, 0});
        return Spelling{at - 1, 0, opus};
    });
    ++spelling.count;
    return spelling;
}

void WorksPass::countTitle(std::uint32_t work, std::int32_t opus, QByteArrayView title) {
    Title& t = titles_.findOrAdd(common::combineKeys(work + 1, common::hashBytes(title)), [opus] {
        return Title{0, opus};
    });
    ++t.count;
    // The most common title, and of two as common the one written first.
    Work& w = works_[work];
    if (t.count > w.titleCount || (t.count == w.titleCount && t.firstOpus < w.titleOpus)) {
        w.titleCount = t.count;
        w.titleOpus = t.firstOpus;
    }
}

void WorksPass::add(std::int32_t opus, const char* record) {
    // As no work, until the record has one; records skipped on the way have none either.
    if (workOf_.size() < std::size_t(opus)) workOf_.resize(std::size_t(opus), 0);
    if (store::isDeletedRecord(record)) return;
    const std::uint32_t composer = spellingOf(opus, fieldView(record, Field::Composer)).composer;
    const catalogue::CatalogueNumber number =
        catalogue::recordNumber(record, composers_[composer].known);
    if (!number.isValid()) {
        ++withoutNumber_;
        return;
    }
    bool added = false;
    const std::uint32_t at =
        workAt_.findOrAdd(common::combineKeys(composer + 1, number.key()), [&] {
            added = true;
            return std::uint32_t(works_.size() + 1);
        });
    if (added) works_.push_back({number.key(), composer, 0, 0, 0});
    const std::uint32_t work = at - 1;
    ++works_[work].recordings;
    countTitle(work, opus, store::trimBlankBytes(fieldView(record, Field::Title)));
    workOf_[std::size_t(opus) - 1] = work + 1;
    ++recordings_;
}

std::vector<std::uint32_t> WorksPass::placeComposers(
    WorksTree& tree, const std::function<store::OpusRecord(std::int32_t)>& read) {
    // Each composer with works as shown: the table's name, or its most common spelling.
    std::vector<std::pair<std::uint32_t, std::int32_t>> commonest(composers_.size());
    spellings_.forEach([&](std::uint64_t, const Spelling& s) {
        auto& [count, opus] = commonest[s.composer];
        if (s.count > count || (s.count == count && s.firstOpus < opus))
            commonest[s.composer] = {s.count, s.firstOpus};
    });
    spellings_.clear();
    for (const Work& w : works_) ++composers_[w.composer].works;
    struct Shown {
        QByteArray key;
        QString name;
        std::uint32_t index;
    };
    std::vector<Shown> shown;
    for (std::uint32_t c = 0; c < composers_.size(); ++c) {
        if (composers_[c].works == 0) continue;
        QString name = composers_[c].known != catalogue::Composer::Unknown
                           ? catalogue::composerName(composers_[c].known)
                           : read(commonest[c].second).trimmed(Field::Composer);
        QByteArray key = name.isEmpty() ? QByteArray(1, '\xff') : composerSortKey(name);
        shown.push_back({std::move(key), name.isEmpty() ? kNoComposer : name, c});
    }
    std::sort(shown.begin(), shown.end(), [](const Shown& a, const Shown& b) {
        return a.key != b.key ? a.key < b.key : a.name < b.name;
    });
    std::vector<std::uint32_t> rank(composers_.size());
    for (std::uint32_t i = 0; i < shown.size(); ++i) {
        rank[shown[i].index] = i;
        tree.composers.push_back({composers_[shown[i].index].known, shown[i].name, 0, 0});
    }
    return rank;
}

std::vector<std::uint32_t> WorksPass::placeWorks(WorksTree& tree,
                                                 const std::vector<std::uint32_t>& rank) {
    std::vector<std::uint32_t> order(works_.size());
    std::iota(order.begin(), order.end(), 0);
    std::sort(order.begin(), order.end(), [&](std::uint32_t a, std::uint32_t b) {
        const Work& x = works_[a];
        const Work& y = works_[b];
        return rank[x.composer] != rank[y.composer] ? rank[x.composer] < rank[y.composer]
                                                    : x.number < y.number;
    });
    std::vector<std::uint32_t> place(works_.size());
    std::uint32_t firstRecording = 0;
    for (std::uint32_t i = 0; i < order.size(); ++i) {
        const Work& w = works_[order[i]];
        place[order[i]] = i;
        WorksTree::Composer& composer = tree.composers[rank[w.composer]];
        if (composer.workCount++ == 0) composer.firstWork = i;
        tree.works.push_back({catalogue::CatalogueNumber::fromKey(w.number), rank[w.composer],
                              firstRecording, w.recordings, w.titleOpus});
        firstRecording += w.recordings;
        tree.figures.recordedMoreThanOnce += w.recordings > 1 ? 1 : 0;
    }
    return place;
}

void WorksPass::placeRecordings(WorksTree& tree, const std::vector<std::uint32_t>& place) {
    // The pass met the recordings in Opus order, and each work's keep it.
    std::vector<std::uint32_t> next(tree.works.size());
    for (std::size_t i = 0; i < tree.works.size(); ++i) next[i] = tree.works[i].firstRecording;
    tree.recordings.resize(recordings_);
    tree.inOpusOrder.reserve(recordings_);
    for (std::size_t i = 0; i < workOf_.size(); ++i) {
        if (workOf_[i] == 0) continue;
        const std::uint32_t at = next[place[workOf_[i] - 1]]++;
        tree.recordings[at] = std::int32_t(i + 1);
        tree.inOpusOrder.push_back(at);
    }
}

WorksTree WorksPass::finish(const std::function<store::OpusRecord(std::int32_t)>& read) {
    titles_.clear();
    workAt_.clear();
    composerAt_.clear();
    WorksTree tree;
    const std::vector<std::uint32_t> rank = placeComposers(tree, read);
    placeRecordings(tree, placeWorks(tree, rank));
    tree.figures.works = std::int64_t(works_.size());
    tree.figures.withoutNumber = withoutNumber_;
    works_ = {};
    workOf_ = {};
    return tree;
}

std::shared_ptr<const WorksTree> readWorks(const QString& path, const Progress& progress,
                                           const std::atomic<bool>& cancelled) {
    store::CollectionFile file(path);
    file.openForReading();
    // Only the records the file holds: an empty file has none (the main window still counts one).
    const std::int32_t last =
        store::roundedRecordCount(file.fileLength()) == 0 ? 0 : file.recordCount();
    WorksPass pass;
    pass.reserve(last);
    store::RecordScanner records(file, 1, last);
    for (auto block = records.nextBlock(); block.data; block = records.nextBlock()) {
        if (cancelled.load(std::memory_order_relaxed)) return nullptr;
        for (std::int32_t i = 0; i < block.count; ++i)
            pass.add(block.first + i, block.data + std::int64_t(i) * store::kRecordLength);
        if (progress) progress(block.first + block.count - 1, last);
    }
    if (cancelled.load(std::memory_order_relaxed)) return nullptr;
    auto tree =
        std::make_shared<WorksTree>(pass.finish([&file](std::int32_t n) { return file.read(n); }));
    return cancelled.load(std::memory_order_relaxed) ? nullptr : tree;
}

}  // namespace works
