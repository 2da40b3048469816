#include "collection_check/collection_pass.h"

#include <iterator>
#include <utility>

#include "collection_check/check_fold.h"
#include "collection_check/findings.h"
#include "collection_check/name_groups.h"
#include "collection_check/record_texts.h"
#include "record/media_icon.h"
#include "store/codepage.h"
#include "store/opus_record.h"

namespace collection_check {

using store::Field;

namespace {

constexpr int kTopComposers = 15;
constexpr size_t kBatch = 4096;  // names counted together

// The pick lists by their place in the main window's load order.
constexpr int kComposers = 0, kConductors = 1, kOrchestras = 3, kSoloistsAK = 4, kSoloistsLZ = 5,
              kVocal = 6;

const char* fieldBytes(const char* record, Field f) {
    return record + store::fieldOffset(f);
}

QByteArrayView fieldView(const char* record, Field f) {
    return {fieldBytes(record, f), store::fieldWidth(f)};
}

// Each name is counted per field: the same name in Orchestra and in Soloists is two entries.
std::uint64_t fieldSalt(NameField field) {
    return 0xC2B2AE3D27D4EB4Full * std::uint64_t(fieldIndex(field));
}
std::uint64_t nameKey(std::uint64_t exact, NameField field) {
    const std::uint64_t key = exact ^ fieldSalt(field);
    return key ? key : 1;  // 0 marks an empty slot of the table
}
std::uint64_t exactOf(std::uint64_t key, NameField field) {
    return key ^ fieldSalt(field);
}

std::uint64_t workKey(std::uint64_t composer, std::uint64_t title, std::uint64_t orchestra,
                      std::uint64_t soloists) {
    std::uint64_t h = composer * 0xff51afd7ed558ccdull;
    h = (h ^ title) * 0xc4ceb9fe1a85ec53ull;
    h = (h ^ orchestra) * 0xff51afd7ed558ccdull;
    h = (h ^ soloists) * 0xc4ceb9fe1a85ec53ull;
    return h ^ (h >> 33);
}

bool isBlank(const char* from, const char* to) {
    for (; from != to; ++from) {
        if (*from != ' ') return false;
    }
    return true;
}

// The kinds of medium that occur, in the media icons' order, then "other" and "deleted"; media
// each.
QList<QPair<QString, std::int64_t>> mediaFigures(const std::vector<std::int64_t>& mediaByKind) {
    QList<QPair<QString, std::int64_t>> figures;
    const QStringList& kinds = record::mediaKindNames();
    for (size_t i = 0; i < mediaByKind.size(); ++i) {
        if (mediaByKind[i] == 0) continue;
        const size_t other = mediaByKind.size() - 2;
        const QString name = i < other    ? kinds[i]
                             : i == other ? QStringLiteral("other")
                                          : QStringLiteral("deleted");
        figures.append({name, mediaByKind[i]});
    }
    return figures;
}

// The composers with the most records, each as most often written. `names` in the order of their
// field and fold.
QList<QPair<QString, std::int64_t>> topComposers(const std::vector<Name>& names, Texts& texts) {
    std::vector<Group> composers = groups(names, sameFieldAndFold, [&](const Group& g) {
        return names[g.from].field == NameField::Composer;
    });
    keepCommonest(composers, kTopComposers);
    QList<QPair<QString, std::int64_t>> top;
    for (const Group& g : composers) top.append({texts.name(spellings(names, g).front()), g.total});
    return top;
}

void append(std::vector<Finding>& findings, std::vector<Finding> more) {
    findings.insert(findings.end(), std::make_move_iterator(more.begin()),
                    std::make_move_iterator(more.end()));
}

}  // namespace

CollectionPass::CollectionPass(const PickLists& lists, QString coversFolder)
    : mediaByKind_(record::mediaKindNames().size() + 2, 0), coversFolder_(std::move(coversFolder)) {
    const auto listed = [&](NameField field, std::initializer_list<int> which) {
        for (int list : which) {
            for (const QString& name : lists[list]) {
                if (const std::uint64_t h = nameFold(store::toDisk(name)))
                    listed_[fieldIndex(field)].insert(h);
            }
        }
    };
    listed(NameField::Composer, {kComposers});
    listed(NameField::Orchestra, {kConductors, kOrchestras});
    listed(NameField::Soloists, {kSoloistsAK, kSoloistsLZ, kVocal});
}

void CollectionPass::queueName(NameField field, QByteArrayView name, std::uint64_t exact) {
    const auto offset = std::uint32_t(pendingBytes_.size());
    pendingBytes_.insert(pendingBytes_.end(), name.begin(), name.end());
    pendingNames_.push_back({nameKey(exact, field), offset, std::uint32_t(name.size()), field});
}

void CollectionPass::countPending() {
    constexpr size_t kAhead = 16;
    size_t n = 0;
    for (const PendingRecord& record : pendingRecords_) {
        Folded fields[4];  // by NameField: the fold of each field, name after name
        for (std::uint32_t k = 0; k < record.names; ++k, ++n) {
            if (n + kAhead < pendingNames_.size()) names_.prefetch(pendingNames_[n + kAhead].key);
            const PendingName& pending = pendingNames_[n];
            bool added = false;
            NameCount& name = names_.findOrAdd(pending.key, [&] {
                added = true;
                const QByteArrayView text(pendingBytes_.data() + pending.offset, pending.length);
                return NameCount{fold(text), record.opus, 1, pending.field};
            });
            if (!added) ++name.count;
            Folded& whole = fields[fieldIndex(pending.field)];
            whole = then(whole, name.fold);
        }
        const std::uint64_t c = fields[fieldIndex(NameField::Composer)].key();
        const std::uint64_t o = fields[fieldIndex(NameField::Orchestra)].key();
        const std::uint64_t s = fields[fieldIndex(NameField::Soloists)].key();
        if (c | record.title | o | s)
            works_.push_back({workKey(c, record.title, o, s), record.opus});
    }
    pendingNames_.clear();
    pendingRecords_.clear();
    pendingBytes_.clear();
}

void CollectionPass::endMediumRun() {
    if (runLength_ == 0) return;
    bool added = false;
    Identity& entry = identities_.findOrAdd(runKey_, [&] {
        added = true;
        return Identity{runLength_, runFirst_};
    });
    if (!added) entry.count += runLength_;
    runLength_ = 0;
}

void CollectionPass::add(std::int32_t opus, const char* record) {
    ++figures_.records;
    const QByteArrayView identity = fieldView(record, Field::Identity);

    // Media: runs of neighbouring records whose keys match, deleted records included (as media
    // counting counts them), but shown apart from the media of no known kind.
    const std::uint64_t key = store::packedMediumKey(identity);
    const QByteArrayView id = store::trimBlankBytes(identity);
    const bool deleted = id == store::kDeletedIdentity;
    if (!anyRecord_ || key != runKey_) {
        endMediumRun();
        ++figures_.media;
        const int kind = record::mediaKindOf(identity);
        const size_t other = mediaByKind_.size() - 2;
        ++mediaByKind_[deleted ? other + 1 : (kind < 0 ? other : size_t(kind))];
        anyRecord_ = true;
        runKey_ = key;
        runFirst_ = opus;
    }
    ++runLength_;

    if (deleted) {
        ++figures_.deleted;
        if (deleted_.size() < size_t(kMaxNumbers)) deleted_.push_back(opus);
        return;
    }
    if (!id.isEmpty() && identity.front() == ' ') leadingBlanks_.emplace_back(key, opus);
    const char* rest = record + store::fieldOffset(Field::Composer);
    if (id == store::kNewIdentity && isBlank(rest, record + store::kRecordLength)) {
        ++figures_.unfinished;
        unfinished_.push_back(opus);
        return;
    }

    if (!coversFolder_.isEmpty()) missingCovers_.add(opus, identity);
    const auto first = pendingNames_.size();
    const QByteArrayView composer = store::trimBlankBytes(fieldView(record, Field::Composer));
    const std::uint64_t composerHash = exactHash(composer);
    numberSpellings_.add(opus, record, composer, composerHash);
    if (!composer.isEmpty()) queueName(NameField::Composer, composer, composerHash);
    forEachName(fieldView(record, Field::Orchestra),
                [&](QByteArrayView name) { queueName(NameField::Orchestra, name); });
    forEachName(fieldView(record, Field::Soloists),
                [&](QByteArrayView name) { queueName(NameField::Soloists, name); });
    pendingRecords_.push_back({wholeFold(store::trimBlankBytes(fieldView(record, Field::Title))),
                               opus, std::uint32_t(pendingNames_.size() - first)});
    if (pendingNames_.size() >= kBatch) countPending();
}

Report CollectionPass::finish(const std::function<store::OpusRecord(std::int32_t)>& read) {
    endMediumRun();
    countPending();
    Texts texts(read);
    Report report;
    report.figures = figures_;
    report.figures.mediaByKind = mediaFigures(mediaByKind_);
    const std::vector<Name> names = takeNames();
    report.figures.topComposers = topComposers(names, texts);

    // The findings, kind after kind as the report lists them.
    std::vector<Finding>& findings = report.findings;
    append(findings, duplicateWorkFindings(std::exchange(works_, {}), texts));
    append(findings, nameVariantFindings(names, texts));
    append(findings, numberSpellings_.findings(texts));
    append(findings,
           identityCaseFindings(std::exchange(identities_, {}), std::exchange(leadingBlanks_, {})));
    if (!coversFolder_.isEmpty()) append(findings, missingCovers_.findings(coversFolder_));
    append(findings, unlistedNameFindings(names, listed_, texts));
    append(findings,
           unfinishedFindings(std::exchange(unfinished_, {}), deleted_, figures_.deleted));
    return report;
}

std::vector<Name> CollectionPass::takeNames() {
    std::vector<Name> names;
    names.reserve(names_.size());
    names_.forEach([&](std::uint64_t key, const NameCount& name) {
        const std::uint64_t folded = name.fold.key();
        if (folded == 0) return;  // no letter or digit: no name
        names.push_back(Name{folded, exactOf(key, name.field), std::int64_t(name.count),
                             name.firstOpus, name.field});
    });
    names_.clear();
    sortByFieldAndFold(names);
    return names;
}

}  // namespace collection_check
