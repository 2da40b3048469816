#include "collection_check/collection_pass.h"

#include <algorithm>
#include <cstring>

#include "collection_check/check_fold.h"
#include "collection_check/finding_texts.h"
#include "collection_check/name_groups.h"
#include "collection_check/record_texts.h"
#include "record/media_icon.h"
#include "store/codepage.h"
#include "store/collation.h"
#include "store/opus_record.h"

namespace collection_check {

using store::Field;

namespace {

constexpr int kTopComposers = 15;
constexpr size_t kBatch = 4096;  // names counted together

// The pick lists by their place in the main window's load order.
constexpr int kComposers = 0, kConductors = 1, kOrchestras = 3, kSoloistsAK = 4, kSoloistsLZ = 5,
              kVocal = 6;

int index(NameField field) {
    return static_cast<int>(field);
}

const char* fieldBytes(const char* record, Field f) {
    return record + store::fieldOffset(f);
}

QByteArrayView fieldView(const char* record, Field f) {
    return {fieldBytes(record, f), store::fieldWidth(f)};
}

// The same with each byte through the store's fold: keys that differ only in case fold alike.
std::uint64_t foldedKey(std::uint64_t key) {
    store::MediumKey bytes;
    std::memcpy(bytes.data(), &key, bytes.size());
    for (char& c : bytes) c = static_cast<char>(store::foldByte(static_cast<unsigned char>(c)));
    return store::packedMediumKey(bytes);
}

QString keyText(std::uint64_t key) {
    char bytes[store::kMediumKeyLength];
    std::memcpy(bytes, &key, sizeof bytes);
    return store::trimBlanks(store::fromDisk(QByteArrayView(bytes, sizeof bytes)));
}

// Each name is counted per field: the same name in Orchestra and in Soloists is two entries.
std::uint64_t fieldSalt(NameField field) {
    return 0xC2B2AE3D27D4EB4Full * std::uint64_t(index(field));
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

// The records a finding names, ascending, the first kMaxNumbers of them; `more` when a record
// beyond those was left out before.
void setNumbers(Finding& f, std::vector<std::int32_t> numbers, bool more = false) {
    std::sort(numbers.begin(), numbers.end());
    numbers.erase(std::unique(numbers.begin(), numbers.end()), numbers.end());
    f.moreNumbers = more || numbers.size() > size_t(kMaxNumbers);
    if (numbers.size() > size_t(kMaxNumbers)) numbers.resize(kMaxNumbers);
    f.opusNumbers = QList<std::int32_t>(numbers.begin(), numbers.end());
}

// Works in the order of their keys, and of their records within a key. The keys are hashes,
// spread evenly: one pass deals them into 256 piles by their first byte, and each pile, small
// enough for the processor's cache, is sorted on its own.
void sortByKey(std::vector<Work>& works) {
    constexpr int kPiles = 256;
    const auto pile = [](const Work& w) { return size_t(w.key >> 56); };
    std::array<size_t, kPiles + 1> start{};
    for (const auto& w : works) ++start[pile(w) + 1];
    for (int i = 0; i < kPiles; ++i) start[i + 1] += start[i];
    std::vector<Work> dealt(works.size());
    std::array<size_t, kPiles + 1> next = start;
    for (const auto& w : works) dealt[next[pile(w)]++] = w;
    for (int i = 0; i < kPiles; ++i) {
        std::sort(dealt.begin() + start[i], dealt.begin() + start[i + 1],
                  [](const auto& a, const auto& b) {
                      return a.key != b.key ? a.key < b.key : a.opus < b.opus;
                  });
    }
    works = std::move(dealt);
}

void addLeftOut(std::vector<Finding>& findings, FindingKind kind, std::int64_t leftOut) {
    if (leftOut <= 0) return;
    Finding more;
    more.kind = kind;
    more.text = QStringLiteral("... and %1 more of this kind, not listed").arg(leftOut);
    findings.push_back(more);
}

}  // namespace

CollectionPass::CollectionPass(const PickLists& lists)
    : mediaByKind_(record::mediaKindNames().size() + 2, 0) {
    const auto listed = [&](NameField field, std::initializer_list<int> which) {
        for (int list : which) {
            for (const QString& name : lists[list]) {
                if (const std::uint64_t h = nameFold(store::toDisk(name)))
                    listed_[index(field)].insert(h);
            }
        }
    };
    listed(NameField::Composer, {kComposers});
    listed(NameField::Orchestra, {kConductors, kOrchestras});
    listed(NameField::Soloists, {kSoloistsAK, kSoloistsLZ, kVocal});
}

void CollectionPass::queueName(NameField field, QByteArrayView name) {
    const auto offset = std::uint32_t(pendingBytes_.size());
    pendingBytes_.insert(pendingBytes_.end(), name.begin(), name.end());
    pendingNames_.push_back(
        {nameKey(exactHash(name), field), offset, std::uint32_t(name.size()), field});
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
            Folded& whole = fields[index(pending.field)];
            whole = then(whole, name.fold);
        }
        const std::uint64_t c = fields[index(NameField::Composer)].key();
        const std::uint64_t o = fields[index(NameField::Orchestra)].key();
        const std::uint64_t s = fields[index(NameField::Soloists)].key();
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

    const auto first = pendingNames_.size();
    const QByteArrayView composer = store::trimBlankBytes(fieldView(record, Field::Composer));
    if (!composer.isEmpty()) queueName(NameField::Composer, composer);
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
    Figures& figures = report.figures;
    std::vector<Finding>& findings = report.findings;

    const QStringList& kinds = record::mediaKindNames();
    for (size_t i = 0; i < mediaByKind_.size(); ++i) {
        if (mediaByKind_[i] == 0) continue;
        const size_t other = mediaByKind_.size() - 2;
        const QString name = i < other    ? kinds[i]
                             : i == other ? QStringLiteral("other")
                                          : QStringLiteral("deleted");
        figures.mediaByKind.append({name, mediaByKind_[i]});
    }

    // Names in the order of their field and fold: one run per name of a field.
    std::vector<Name> names;
    names.reserve(names_.size());
    names_.forEach([&](std::uint64_t key, const NameCount& name) {
        const std::uint64_t folded = name.fold.key();
        if (folded == 0) return;  // no letter or digit: no name
        names.push_back(Name{folded, exactOf(key, name.field), std::int64_t(name.count),
                             name.firstOpus, name.field});
    });
    names_.clear();
    std::sort(names.begin(), names.end(), [](const Name& a, const Name& b) {
        return std::tie(a.field, a.folded, a.exact) < std::tie(b.field, b.folded, b.exact);
    });
    const auto sameName = [](const Name& a, const Name& b) {
        return a.field == b.field && a.folded == b.folded;
    };

    // The composers with the most records.
    std::vector<Group> composers = groups(names, sameName, [&](const Group& g) {
        return names[g.from].field == NameField::Composer;
    });
    keepCommonest(composers, kTopComposers);
    for (const Group& g : composers)
        figures.topComposers.append({texts.name(spellings(names, g).front()), g.total});

    // Names that none of their pick lists holds (finding 4, added in its place below).
    std::vector<Group> unlisted = groups(names, sameName, [&](const Group& g) {
        return !listed_[index(names[g.from].field)].contains(names[g.from].folded);
    });
    const std::int64_t unlistedLeftOut = keepCommonest(unlisted, kMaxFindingsPerKind);
    std::vector<Finding> unlistedFindings;
    for (const Group& g : unlisted) {
        const std::vector<Name> written = spellings(names, g);
        Finding f;
        f.kind = FindingKind::NotInList;
        f.field = written.front().field;
        f.name = texts.name(written.front());
        f.records = g.total;
        setNumbers(f, firstOpusOf(written));
        switch (f.field) {
            case NameField::Composer:
                f.text = QStringLiteral("Composer %1 is not in Composers.txt");
                break;
            case NameField::Orchestra:
                f.text = QStringLiteral(
                    "Orchestra/Conductor %1 is in neither Orchestras.txt nor Conductors.txt");
                break;
            default:
                f.text = QStringLiteral(
                    "Soloist %1 is in none of AKSoloists.txt, LZSoloists.txt and Vocal.txt");
                break;
        }
        f.text = f.text.arg(quoted(f.name)) + QStringLiteral(": ") + records(f.records);
        unlistedFindings.push_back(f);
    }

    // One name written in more than one way, in any of the fields (finding 2).
    std::sort(names.begin(), names.end(), [](const Name& a, const Name& b) {
        return std::tie(a.folded, a.exact, a.firstOpus) < std::tie(b.folded, b.exact, b.firstOpus);
    });
    std::vector<Group> variants = groups(
        names, [](const Name& a, const Name& b) { return a.folded == b.folded; },
        [&](const Group& g) { return names[g.from].exact != names[g.to - 1].exact; });
    const std::int64_t variantsLeftOut = keepCommonest(variants, kMaxFindingsPerKind);
    std::vector<Finding> variantFindings;
    for (const Group& g : variants) {
        const std::vector<Name> written = spellings(names, g);
        Finding f;
        f.kind = FindingKind::NameVariant;
        QStringList shown;
        for (const Name& s : written)
            shown << quoted(texts.name(s)) + QLatin1Char(' ') + times(s.count, "once", "times");
        f.text = shown.join(QStringLiteral(", "));
        f.records = g.total;
        setNumbers(f, firstOpusOf(written));
        variantFindings.push_back(f);
    }
    names = {};

    // 1. The same work twice: runs of equal keys once the works are in key order.
    sortByKey(works_);
    std::vector<std::pair<size_t, size_t>> runs;  // [from, to) of works_
    for (size_t i = 0; i < works_.size();) {
        size_t j = i + 1;
        while (j < works_.size() && works_[j].key == works_[i].key) ++j;
        if (j - i > 1) runs.emplace_back(i, j);
        i = j;
    }
    std::sort(runs.begin(), runs.end(), [&](const auto& a, const auto& b) {
        return works_[a.first].opus < works_[b.first].opus;
    });
    const std::int64_t duplicatesLeftOut =
        std::max<std::int64_t>(0, std::int64_t(runs.size()) - kMaxFindingsPerKind);
    if (duplicatesLeftOut > 0) runs.resize(kMaxFindingsPerKind);
    for (const auto& [from, to] : runs) {
        Finding f;
        f.kind = FindingKind::Duplicate;
        std::vector<std::int32_t> numbers;
        for (size_t i = from; i < to; ++i) numbers.push_back(works_[i].opus);
        // Only the few records of a duplicate are read again to tell their media apart.
        const auto mediumOf = [&](std::int32_t opus) {
            return store::mediumKey(texts.record(opus).field(Field::Identity));
        };
        bool oneMedium = true;
        for (std::int32_t n : numbers)
            oneMedium = oneMedium && mediumOf(n) == mediumOf(numbers.front());
        f.records = std::int64_t(to - from);
        setNumbers(f, numbers);
        const store::OpusRecord& first = texts.record(f.opusNumbers.front());
        QStringList parts;
        for (Field field : {Field::Composer, Field::Title, Field::Orchestra, Field::Soloists}) {
            const QString text = first.trimmed(field);
            if (!text.isEmpty()) parts << text;
        }
        f.text = parts.join(QStringLiteral(" / ")) + QStringLiteral(": ") + records(f.records) +
                 (oneMedium ? QStringLiteral(" on the same medium")
                            : QStringLiteral(" on different media"));
        findings.push_back(f);
    }
    addLeftOut(findings, FindingKind::Duplicate, duplicatesLeftOut);
    works_ = {};

    findings.insert(findings.end(), variantFindings.begin(), variantFindings.end());
    addLeftOut(findings, FindingKind::NameVariant, variantsLeftOut);

    // 3. Identities that differ only in case, and Identities with leading blanks.
    struct Written {
        std::uint64_t folded, key;
        Identity identity;
    };
    std::vector<Written> written;
    const std::uint64_t deletedKey =
        store::packedMediumKey(store::mediumKey(store::kDeletedIdentity));
    identities_.forEach([&](std::uint64_t key, const Identity& identity) {
        if (key != deletedKey) written.push_back({foldedKey(key), key, identity});
    });
    identities_.clear();
    std::sort(written.begin(), written.end(), [](const Written& a, const Written& b) {
        if (a.folded != b.folded) return a.folded < b.folded;
        if (a.identity.count != b.identity.count) return a.identity.count > b.identity.count;
        return a.identity.firstOpus < b.identity.firstOpus;
    });
    std::vector<Finding> identityFindings;
    for (size_t i = 0; i < written.size();) {
        size_t j = i + 1;
        while (j < written.size() && written[j].folded == written[i].folded) ++j;
        if (j - i > 1) {
            Finding f;
            f.kind = FindingKind::Identity;
            QStringList spellings;
            std::vector<std::int32_t> numbers;
            for (size_t k = i; k < j; ++k) {
                spellings << quoted(keyText(written[k].key)) + QLatin1Char(' ') +
                                 records(written[k].identity.count);
                numbers.push_back(written[k].identity.firstOpus);
                f.records += written[k].identity.count;
            }
            f.text = spellings.join(QStringLiteral(", ")) +
                     QStringLiteral(": Identities that differ only in case");
            setNumbers(f, numbers);
            identityFindings.push_back(f);
        }
        i = j;
    }
    written = {};
    std::sort(leadingBlanks_.begin(), leadingBlanks_.end());
    for (size_t i = 0; i < leadingBlanks_.size();) {
        std::vector<std::int32_t> numbers;
        size_t j = i;
        for (; j < leadingBlanks_.size() && leadingBlanks_[j].first == leadingBlanks_[i].first; ++j)
            numbers.push_back(leadingBlanks_[j].second);
        Finding f;
        f.kind = FindingKind::Identity;
        f.records = std::int64_t(numbers.size());
        f.text = quoted(keyText(leadingBlanks_[i].first)) +
                 QStringLiteral(" stored with leading blanks: ") + records(f.records);
        setNumbers(f, numbers);
        identityFindings.push_back(f);
        i = j;
    }
    leadingBlanks_ = {};
    std::sort(identityFindings.begin(), identityFindings.end(),
              [](const Finding& a, const Finding& b) {
                  return a.opusNumbers.front() < b.opusNumbers.front();
              });
    const std::int64_t identitiesLeftOut = keepFirst(identityFindings);
    findings.insert(findings.end(), identityFindings.begin(), identityFindings.end());
    addLeftOut(findings, FindingKind::Identity, identitiesLeftOut);

    findings.insert(findings.end(), unlistedFindings.begin(), unlistedFindings.end());
    addLeftOut(findings, FindingKind::NotInList, unlistedLeftOut);

    // 5. Records started and never filled in, and the deleted ones.
    const std::int64_t unfinishedLeftOut =
        std::max<std::int64_t>(0, std::int64_t(unfinished_.size()) - kMaxFindingsPerKind);
    for (size_t i = 0; i < unfinished_.size() && i < size_t(kMaxFindingsPerKind); ++i) {
        Finding f;
        f.kind = FindingKind::Unfinished;
        f.text = QStringLiteral("Identity \"No\" and every other field blank: never filled in");
        f.records = 1;
        f.opusNumbers = {unfinished_[i]};
        findings.push_back(f);
    }
    addLeftOut(findings, FindingKind::Unfinished, unfinishedLeftOut);
    if (figures.deleted > 0) {
        Finding f;
        f.kind = FindingKind::Unfinished;
        f.records = figures.deleted;
        f.text = QStringLiteral("Deleted records (Identity \"~~~\"): %1").arg(figures.deleted);
        setNumbers(f, deleted_, figures.deleted > std::int64_t(deleted_.size()));
        findings.push_back(f);
    }
    return report;
}

}  // namespace collection_check
