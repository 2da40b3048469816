#include "works/works_filter.h"

#include <bit>

#include "catalogue/catalogue_number.h"
#include "quick_find/word_matcher.h"
#include "store/collation.h"
#include "store/collection_file.h"
#include "store/latin_reading.h"
#include "store/opus_record.h"
#include "store/record_scanner.h"

namespace works {

using store::Field;

namespace {

using Mask = std::uint64_t;  // one bit a word
constexpr std::size_t kMostWords = 64;

constexpr int kTitleBegin = store::fieldOffset(Field::Title);
constexpr int kTitleEnd = kTitleBegin + store::fieldWidth(Field::Title);
// The Composer, Title, Orchestra/Conductor and Soloists stand one after the other.
constexpr int kRecordingBegin = store::fieldOffset(Field::Composer);
constexpr int kRecordingEnd =
    store::fieldOffset(Field::Soloists) + store::fieldWidth(Field::Soloists);

// A text as a typed word is compared with it: folded for a Greek word, read in Latin letters for
// a Latin one (quick_find/word_matcher.h reads the records' bytes the same way).
QByteArray readingOf(QByteArrayView bytes, store::Script script) {
    return script == store::Script::Greek ? store::folded(bytes) : store::latinReading(bytes);
}

// The words of a filter made ready: for the texts in memory, for the catalogue numbers of the
// works, and for the records' bytes.
class Words {
public:
    explicit Words(const std::vector<quick_find::Word>& words) {
        for (std::size_t i = 0; i < words.size() && i < kMostWords; ++i) {
            words_.push_back(words[i]);
            queries_.push_back(words[i].impossible
                                   ? catalogue::CatalogueQuery{}
                                   : catalogue::parseCatalogueWord(words[i].letters));
            impossible_ = impossible_ || words[i].impossible;
        }
        all_ = words_.size() == kMostWords ? ~Mask(0) : (Mask(1) << words_.size()) - 1;
    }

    Mask all() const { return all_; }
    // A word holds a character the collection cannot hold: nothing is shown.
    bool impossible() const { return impossible_; }

    // The words that stand in a text shown: a composer's name, a number as shown.
    Mask inText(const QString& text) const {
        const QByteArray bytes = plainBytes(text);
        const QByteArray latin = readingOf(bytes, store::Script::Latin);
        const QByteArray greek = readingOf(bytes, store::Script::Greek);
        Mask found = 0;
        for (std::size_t i = 0; i < words_.size(); ++i) {
            const QByteArray& reading = words_[i].script == store::Script::Greek ? greek : latin;
            if (reading.contains(words_[i].letters)) found |= Mask(1) << i;
        }
        return found;
    }

    // The words that read as `number`.
    Mask naming(catalogue::CatalogueNumber number) const {
        Mask found = 0;
        for (std::size_t i = 0; i < queries_.size(); ++i) {
            if (queries_[i].isValid() && catalogue::matches(queries_[i], number))
                found |= Mask(1) << i;
        }
        return found;
    }

    // `sample`: byte counts of a part of the collection, to choose what each word's scan looks for.
    void prepare(const quick_find::ByteCounts& sample) {
        for (const quick_find::Word& word : words_) matchers_.emplace_back(word, sample);
    }
    // Which of the words `which` stand in one of the fields of a record's bytes begin to end.
    Mask inFields(const char* record, int begin, int end, Mask which) const {
        const auto* bytes = reinterpret_cast<const unsigned char*>(record);
        Mask found = 0;
        for (; which != 0; which &= which - 1) {
            const int i = std::countr_zero(which);
            if (matchers_[std::size_t(i)].foundIn(bytes, begin, end)) found |= Mask(1) << i;
        }
        return found;
    }

private:
    std::vector<quick_find::Word> words_;
    std::vector<catalogue::CatalogueQuery> queries_;
    std::vector<quick_find::WordMatcher> matchers_;
    Mask all_ = 0;
    bool impossible_ = false;
};

// The rows of the works `workShown` keeps and of their recordings `recordingShown` keeps (by
// place in tree.recordings and work); a work without a recording shown is not shown, nor a
// composer without a work.
template <class WorkShown, class RecordingShown>
WorksView buildView(const WorksTree& tree, WorkShown workShown, RecordingShown recordingShown) {
    WorksView view;
    for (std::uint32_t c = 0; c < tree.composers.size(); ++c) {
        const WorksTree::Composer& composer = tree.composers[c];
        const std::size_t worksBefore = view.works.size();
        for (std::uint32_t w = composer.firstWork; w < composer.firstWork + composer.workCount;
             ++w) {
            if (!workShown(w)) continue;
            const WorksTree::Work& work = tree.works[w];
            const std::size_t recordingsBefore = view.recordings.size();
            for (std::uint32_t p = work.firstRecording;
                 p < work.firstRecording + work.recordingCount; ++p) {
                if (recordingShown(p, w)) view.recordings.push_back(p);
            }
            if (view.recordings.size() == recordingsBefore) continue;
            view.works.push_back(w);
            view.workRecordings.push_back(std::uint32_t(view.recordings.size()));
        }
        if (view.works.size() == worksBefore) continue;
        view.composers.push_back(c);
        view.composerWorks.push_back(std::uint32_t(view.works.size()));
    }
    return view;
}

// For each place in tree.recordings, its work.
std::vector<std::uint32_t> worksOfRecordings(const WorksTree& tree) {
    std::vector<std::uint32_t> workOf(tree.recordings.size());
    for (std::uint32_t w = 0; w < tree.works.size(); ++w) {
        const WorksTree::Work& work = tree.works[w];
        std::fill_n(workOf.begin() + work.firstRecording, work.recordingCount, w);
    }
    return workOf;
}

}  // namespace

WorksView wholeView(const WorksTree& tree, bool moreThanOnce) {
    return buildView(
        tree, [&](std::uint32_t w) { return !moreThanOnce || tree.works[w].recordingCount > 1; },
        [](std::uint32_t, std::uint32_t) { return true; });
}

std::optional<WorksView> filteredView(const QString& path, const WorksTree& tree,
                                      const Filter& filter, const std::atomic<bool>& cancelled) {
    Words words(filter.words);
    const auto workShown = [&](std::uint32_t w) {
        return !words.impossible() && (!filter.moreThanOnce || tree.works[w].recordingCount > 1);
    };
    // What the composers and the works hold, from what is in memory.
    std::vector<Mask> composerMask(tree.composers.size());
    for (std::size_t c = 0; c < tree.composers.size(); ++c)
        composerMask[c] = words.inText(tree.composers[c].name);
    std::vector<Mask> workMask(tree.works.size());
    for (std::uint32_t w = 0; w < tree.works.size(); ++w) {
        const catalogue::CatalogueNumber number = tree.works[w].number;
        if (workShown(w)) workMask[w] = words.inText(number.text()) | words.naming(number);
    }
    const auto holdsEvery = [&](Mask mask, std::uint32_t w) {
        return (mask | workMask[w] | composerMask[tree.works[w].composer]) == words.all();
    };

    // What the recordings hold (and the works' most common titles), read in Opus order; only the
    // words their composer and work do not hold already are looked for.
    std::vector<Mask> recordingMask(tree.recordings.size());
    const std::vector<std::uint32_t> workOf = worksOfRecordings(tree);
    store::CollectionFile file(path);
    file.openForReading();
    const std::int32_t last =
        store::roundedRecordCount(file.fileLength()) == 0 ? 0 : file.recordCount();
    store::RecordScanner records(file, 1, last);
    std::size_t k = 0;  // in tree.inOpusOrder
    bool prepared = false;
    for (auto block = records.nextBlock(); block.data; block = records.nextBlock()) {
        if (cancelled.load(std::memory_order_relaxed)) return std::nullopt;
        if (!prepared) {
            // The first block's bytes decide which letter of each word the scan looks for.
            words.prepare(quick_find::countBytes(block.data,
                                                 std::int64_t(block.count) * store::kRecordLength));
            prepared = true;
        }
        const std::int32_t end = block.first + block.count;
        for (; k < tree.inOpusOrder.size() && tree.recordings[tree.inOpusOrder[k]] < end; ++k) {
            const std::uint32_t p = tree.inOpusOrder[k];
            const std::uint32_t w = workOf[p];
            if (!workShown(w) || holdsEvery(0, w)) continue;
            const std::int32_t opus = tree.recordings[p];
            const char* record =
                block.data + std::int64_t(opus - block.first) * store::kRecordLength;
            const auto missing = [&] {
                return words.all() & ~(workMask[w] | composerMask[tree.works[w].composer]);
            };
            if (opus == tree.works[w].titleOpus)
                workMask[w] |= words.inFields(record, kTitleBegin, kTitleEnd, missing());
            recordingMask[p] = words.inFields(record, kRecordingBegin, kRecordingEnd, missing());
        }
    }
    if (cancelled.load(std::memory_order_relaxed)) return std::nullopt;
    return buildView(tree, workShown, [&](std::uint32_t p, std::uint32_t w) {
        return holdsEvery(recordingMask[p], w);
    });
}

}  // namespace works
