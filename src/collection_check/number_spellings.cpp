#include "collection_check/number_spellings.h"

#include <QStringList>
#include <algorithm>

#include "catalogue/record_number.h"
#include "collection_check/finding_texts.h"
#include "collection_check/findings.h"
#include "collection_check/name_groups.h"
#include "store/codepage.h"
#include "store/opus_record.h"

namespace collection_check {

using store::Field;

namespace {

constexpr std::size_t kBatch = 1024, kAhead = 16;

// The work as the finding names it: "Johann Sebastian Bach, BWV 988", its composer as the first
// record writes it when the table does not know it.
QString workText(const store::OpusRecord& record, catalogue::Composer known,
                 catalogue::CatalogueNumber number) {
    const QString composer = known != catalogue::Composer::Unknown
                                 ? catalogue::composerName(known)
                                 : record.trimmed(Field::Composer);
    return composer.isEmpty() ? number.text() : composer + QStringLiteral(", ") + number.text();
}

}  // namespace

const NumberSpellings::Composer& NumberSpellings::composerOf(QByteArrayView composer,
                                                             std::uint64_t hash) {
    return composers_.findOrAdd(hash, [&] {
        const catalogue::ComposerKey key = catalogue::composerKey(composer);
        return Composer{key.composer, key.composer != catalogue::Composer::Unknown
                                          ? std::uint64_t(key.composer)
                                          : common::hashBytes(key.reading) | (1ull << 63)};
    });
}

void NumberSpellings::add(std::int32_t opus, const char* record, QByteArrayView composerText,
                          std::uint64_t composerHash) {
    const Composer& composer = composerOf(composerText, composerHash);
    const catalogue::WrittenNumber number = catalogue::writtenRecordNumber(record, composer.known);
    if (!number.number.isValid()) return;
    const std::uint64_t work = common::combineKeys(composer.key, number.number.key());
    pending_.push_back({common::combineKeys(work, common::hashBytes(number.written)), work, opus});
    if (pending_.size() >= kBatch) countPending();
}

void NumberSpellings::countPending() {
    for (std::size_t i = 0; i < pending_.size(); ++i) {
        if (i + kAhead < pending_.size()) written_.prefetch(pending_[i + kAhead].key);
        const Pending& p = pending_[i];
        ++written_.findOrAdd(p.key, [&] { return Written{p.work, 0, p.opus}; }).count;
    }
    pending_.clear();
}

std::vector<Finding> NumberSpellings::findings(Texts& texts) {
    countPending();
    std::vector<Written> all;
    written_.forEach([&](std::uint64_t, const Written& w) { all.push_back(w); });
    written_.clear();
    // Each work's writings, the commonest first.
    std::sort(all.begin(), all.end(), [](const Written& a, const Written& b) {
        if (a.work != b.work) return a.work < b.work;
        if (a.count != b.count) return a.count > b.count;
        return a.firstOpus < b.firstOpus;
    });
    struct Writings {  // the writings [from, to) of one work
        std::size_t from, to;
        std::int64_t records;
        std::int32_t firstOpus;
    };
    std::vector<Writings> several;
    forEachRun(
        all, [](const Written& a, const Written& b) { return a.work == b.work; },
        [&](std::size_t from, std::size_t to) {
            if (to - from < 2) return;
            Writings g{from, to, 0, all[from].firstOpus};
            for (std::size_t i = from; i < to; ++i) {
                g.records += all[i].count;
                g.firstOpus = std::min(g.firstOpus, all[i].firstOpus);
            }
            several.push_back(g);
        });
    std::sort(several.begin(), several.end(), [](const Writings& a, const Writings& b) {
        return a.records != b.records ? a.records > b.records : a.firstOpus < b.firstOpus;
    });
    const std::int64_t leftOut = keepFirst(several, kMaxFindingsPerKind);

    std::vector<Finding> findings;
    for (const Writings& g : several) {
        Finding f;
        f.kind = FindingKind::NumberSpelling;
        f.records = g.records;
        Spellings spellings;
        std::vector<std::int32_t> numbers;
        for (std::size_t i = g.from; i < g.to; ++i) {
            // Each writing as its first record holds it.
            const store::OpusRecord& record = texts.record(all[i].firstOpus);
            const catalogue::Composer known =
                catalogue::recogniseComposer(record.field(Field::Composer));
            const catalogue::WrittenNumber number =
                catalogue::writtenRecordNumber(record.data(), known);
            if (f.text.isEmpty()) f.text = workText(record, known, number.number);
            spellings.append({store::fromDisk(number.written), all[i].count});
            numbers.push_back(all[i].firstOpus);
        }
        f.text = numberSpellingText(f.text, spellings);
        setNumbers(f, numbers);
        findings.push_back(f);
    }
    addLeftOut(findings, FindingKind::NumberSpelling, leftOut);
    return findings;
}

}  // namespace collection_check
