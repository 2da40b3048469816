#include "collection_check/findings.h"

#include <QStringList>
#include <algorithm>
#include <array>
#include <cstring>

#include "collection_check/finding_texts.h"
#include "collection_check/name_groups.h"
#include "store/codepage.h"
#include "store/collation.h"
#include "store/opus_record.h"

namespace collection_check {

using store::Field;

void setNumbers(Finding& f, std::vector<std::int32_t> numbers, bool more) {
    std::sort(numbers.begin(), numbers.end());
    numbers.erase(std::unique(numbers.begin(), numbers.end()), numbers.end());
    f.moreNumbers = more || numbers.size() > size_t(kMaxNumbers);
    if (numbers.size() > size_t(kMaxNumbers)) numbers.resize(kMaxNumbers);
    f.opusNumbers = QList<std::int32_t>(numbers.begin(), numbers.end());
}

void addLeftOut(std::vector<Finding>& findings, FindingKind kind, std::int64_t leftOut) {
    if (leftOut <= 0) return;
    Finding more;
    more.kind = kind;
    more.text = leftOutText(leftOut);
    findings.push_back(more);
}

namespace {

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

// One finding per group of `names`, the commonest groups first and at most a kind's worth: its
// records, its spellings' first records, and what `describe` says of its spellings.
template <class Describe>
std::vector<Finding> nameGroupFindings(FindingKind kind, const std::vector<Name>& names,
                                       std::vector<Group> found, Describe describe) {
    const std::int64_t leftOut = keepCommonest(found, kMaxFindingsPerKind);
    std::vector<Finding> findings;
    for (const Group& g : found) {
        const std::vector<Name> written = spellings(names, g);
        Finding f;
        f.kind = kind;
        f.records = g.total;
        setNumbers(f, firstOpusOf(written));
        describe(f, written);
        findings.push_back(f);
    }
    addLeftOut(findings, kind, leftOut);
    return findings;
}

// The works [from, to), of one key, as one finding.
Finding duplicateFinding(const std::vector<Work>& works, size_t from, size_t to, Texts& texts) {
    Finding f;
    f.kind = FindingKind::Duplicate;
    std::vector<std::int32_t> numbers;
    for (size_t i = from; i < to; ++i) numbers.push_back(works[i].opus);
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
    f.text = duplicateText(parts, f.records, oneMedium);
    return f;
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

// Identities that differ only in case: one finding per fold with more than one spelling.
std::vector<Finding> caseFindings(const HashTable<Identity>& identities) {
    struct Written {
        std::uint64_t folded, key;
        Identity identity;
    };
    std::vector<Written> written;
    const std::uint64_t deletedKey =
        store::packedMediumKey(store::mediumKey(store::kDeletedIdentity));
    identities.forEach([&](std::uint64_t key, const Identity& identity) {
        if (key != deletedKey) written.push_back({foldedKey(key), key, identity});
    });
    std::sort(written.begin(), written.end(), [](const Written& a, const Written& b) {
        if (a.folded != b.folded) return a.folded < b.folded;
        if (a.identity.count != b.identity.count) return a.identity.count > b.identity.count;
        return a.identity.firstOpus < b.identity.firstOpus;
    });
    std::vector<Finding> findings;
    const auto sameFold = [](const Written& a, const Written& b) { return a.folded == b.folded; };
    forEachRun(written, sameFold, [&](size_t from, size_t to) {
        if (to - from < 2) return;
        Finding f;
        f.kind = FindingKind::Identity;
        Spellings spellings;
        std::vector<std::int32_t> numbers;
        for (size_t k = from; k < to; ++k) {
            spellings.append({keyText(written[k].key), written[k].identity.count});
            numbers.push_back(written[k].identity.firstOpus);
            f.records += written[k].identity.count;
        }
        f.text = caseText(spellings);
        setNumbers(f, numbers);
        findings.push_back(f);
    });
    return findings;
}

// Identities stored with leading blanks: one finding per medium key.
std::vector<Finding> leadingBlankFindings(LeadingBlanks leadingBlanks) {
    std::sort(leadingBlanks.begin(), leadingBlanks.end());
    std::vector<Finding> findings;
    const auto sameKey = [](const auto& a, const auto& b) { return a.first == b.first; };
    forEachRun(leadingBlanks, sameKey, [&](size_t from, size_t to) {
        std::vector<std::int32_t> numbers;
        for (size_t i = from; i < to; ++i) numbers.push_back(leadingBlanks[i].second);
        Finding f;
        f.kind = FindingKind::Identity;
        f.records = std::int64_t(numbers.size());
        f.text = leadingBlanksText(keyText(leadingBlanks[from].first), f.records);
        setNumbers(f, numbers);
        findings.push_back(f);
    });
    return findings;
}

}  // namespace

std::vector<Finding> duplicateWorkFindings(std::vector<Work> works, Texts& texts) {
    // Runs of equal keys once the works are in key order.
    sortByKey(works);
    std::vector<std::pair<size_t, size_t>> runs;  // [from, to) of works
    const auto sameKey = [](const Work& a, const Work& b) { return a.key == b.key; };
    forEachRun(works, sameKey, [&](size_t from, size_t to) {
        if (to - from > 1) runs.emplace_back(from, to);
    });
    std::sort(runs.begin(), runs.end(), [&](const auto& a, const auto& b) {
        return works[a.first].opus < works[b.first].opus;
    });
    const std::int64_t leftOut = keepFirst(runs, kMaxFindingsPerKind);
    std::vector<Finding> findings;
    for (const auto& [from, to] : runs)
        findings.push_back(duplicateFinding(works, from, to, texts));
    addLeftOut(findings, FindingKind::Duplicate, leftOut);
    return findings;
}

std::vector<Finding> nameVariantFindings(std::vector<Name> names, Texts& texts) {
    sortByFold(names);
    std::vector<Group> variants = groups(names, sameFold, [&](const Group& g) {
        return names[g.from].exact != names[g.to - 1].exact;
    });
    const auto describe = [&](Finding& f, const std::vector<Name>& written) {
        Spellings shown;
        for (const Name& s : written) shown.append({texts.name(s), s.count});
        f.text = variantText(shown);
    };
    return nameGroupFindings(FindingKind::NameVariant, names, std::move(variants), describe);
}

std::vector<Finding> identityCaseFindings(HashTable<Identity> identities,
                                          LeadingBlanks leadingBlanks) {
    std::vector<Finding> findings = caseFindings(identities);
    const std::vector<Finding> blanks = leadingBlankFindings(std::move(leadingBlanks));
    findings.insert(findings.end(), blanks.begin(), blanks.end());
    std::sort(findings.begin(), findings.end(), [](const Finding& a, const Finding& b) {
        return a.opusNumbers.front() < b.opusNumbers.front();
    });
    const std::int64_t leftOut = keepFirst(findings, kMaxFindingsPerKind);
    addLeftOut(findings, FindingKind::Identity, leftOut);
    return findings;
}

std::vector<Finding> unlistedNameFindings(const std::vector<Name>& names, const ListedNames& listed,
                                          Texts& texts) {
    std::vector<Group> unlisted = groups(names, sameFieldAndFold, [&](const Group& g) {
        return !listed[fieldIndex(names[g.from].field)].contains(names[g.from].folded);
    });
    const auto describe = [&](Finding& f, const std::vector<Name>& written) {
        f.field = written.front().field;  // the name as most often written
        f.name = texts.name(written.front());
        f.text = notInListText(f.field, f.name, f.records);
    };
    return nameGroupFindings(FindingKind::NotInList, names, std::move(unlisted), describe);
}

std::vector<Finding> unfinishedFindings(std::vector<std::int32_t> unfinished,
                                        const std::vector<std::int32_t>& deleted,
                                        std::int64_t deletedCount) {
    std::vector<Finding> findings;
    const std::int64_t leftOut = keepFirst(unfinished, kMaxFindingsPerKind);
    for (std::int32_t opus : unfinished) {
        Finding f;
        f.kind = FindingKind::Unfinished;
        f.text = unfinishedText();
        f.records = 1;
        f.opusNumbers = {opus};
        findings.push_back(f);
    }
    addLeftOut(findings, FindingKind::Unfinished, leftOut);
    if (deletedCount > 0) {
        Finding f;
        f.kind = FindingKind::Unfinished;
        f.records = deletedCount;
        f.text = deletedText(deletedCount);
        setNumbers(f, deleted, deletedCount > std::int64_t(deleted.size()));
        findings.push_back(f);
    }
    return findings;
}

}  // namespace collection_check
