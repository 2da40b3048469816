#include "collection_check/missing_covers.h"

#include <QDir>
#include <QSet>
#include <algorithm>
#include <unordered_map>

#include "collection_check/finding_texts.h"
#include "collection_check/findings.h"
#include "record/cover_names.h"
#include "store/codepage.h"

namespace collection_check {

namespace {

constexpr int kNameBytes = 7;

std::uint64_t packed(QByteArrayView identity) {
    std::uint64_t key = 0;
    for (int i = 0; i < kNameBytes; ++i) {
        const auto byte = static_cast<unsigned char>(i < identity.size() ? identity[i] : ' ');
        key |= std::uint64_t(byte) << (8 * i);
    }
    return key;
}

// The cover name the packed bytes give; empty when it can name no file.
QString coverNameOf(std::uint64_t key) {
    char bytes[kNameBytes];
    for (int i = 0; i < kNameBytes; ++i) bytes[i] = static_cast<char>(key >> (8 * i));
    const QString name = record::coverName(store::fromDisk(QByteArrayView(bytes, kNameBytes)));
    return name.trimmed().isEmpty() || !record::isSafeCoverName(name) ? QString() : name;
}

struct Medium {
    std::int32_t first = 0;
    std::int64_t records = 0;
};

}  // namespace

void MissingCovers::add(std::int32_t opus, QByteArrayView identity) {
    const std::uint64_t name = packed(identity);
    if (!runs_.empty() && runs_.back().name == name &&
        runs_.back().first + runs_.back().length == opus) {
        ++runs_.back().length;
        return;
    }
    runs_.push_back({name, opus, 1});
}

std::vector<Finding> MissingCovers::findings(const QString& coversFolder) const {
    std::unordered_map<std::uint64_t, Medium> media;
    for (const Run& run : runs_) {
        Medium& medium = media[run.name];
        if (medium.records == 0) medium.first = run.first;
        medium.records += run.length;
    }

    const QStringList files = QDir(coversFolder).entryList(QDir::Files);
    const QSet<QString> pictures(files.begin(), files.end());
    struct Missing {
        std::uint64_t key;
        QString name;
        const Medium* medium;
    };
    std::vector<Missing> missing;
    std::int64_t named = 0;
    std::int64_t records = 0;
    for (const auto& [key, medium] : media) {
        const QString name = coverNameOf(key);
        if (name.isEmpty()) continue;
        ++named;
        if (pictures.contains(name + QStringLiteral(".jpg"))) continue;
        missing.push_back({key, name, &medium});
        records += medium.records;
    }
    std::sort(missing.begin(), missing.end(),
              [](const Missing& a, const Missing& b) { return a.medium->first < b.medium->first; });

    std::vector<Finding> findings;
    if (missing.empty()) return findings;
    if (std::int64_t(missing.size()) == named) {
        // A collection without any cover: one row says so instead of one per medium.
        Finding f;
        f.kind = FindingKind::NoCover;
        f.text = noCoverAtAllText(named, QDir::toNativeSeparators(coversFolder));
        // Each medium by its first record.
        std::vector<std::int32_t> numbers;
        for (const Missing& m : missing) numbers.push_back(m.medium->first);
        setNumbers(f, std::move(numbers));
        f.records = records;
        findings.push_back(f);
        return findings;
    }
    const auto listed = std::min(missing.size(), size_t(kMaxFindingsPerKind));
    // The records of the media listed, gathered from the runs in one more look at them.
    std::unordered_map<std::uint64_t, std::vector<std::int32_t>> numbers;
    for (size_t i = 0; i < listed; ++i) numbers[missing[i].key];
    for (const Run& run : runs_) {
        const auto found = numbers.find(run.name);
        if (found == numbers.end()) continue;
        for (std::int32_t n = run.first;
             n < run.first + run.length && found->second.size() <= size_t(kMaxNumbers); ++n)
            found->second.push_back(n);
    }
    for (size_t i = 0; i < listed; ++i) {
        Finding f;
        f.kind = FindingKind::NoCover;
        f.text = noCoverText(missing[i].name, missing[i].medium->records);
        f.records = missing[i].medium->records;
        setNumbers(f, std::move(numbers[missing[i].key]));
        findings.push_back(f);
    }
    addLeftOut(findings, FindingKind::NoCover, std::int64_t(missing.size() - listed));
    return findings;
}

}  // namespace collection_check
