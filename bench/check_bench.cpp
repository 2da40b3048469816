// How fast the Collection Check reads a collection of a million records, against a plain floor
// pass in the same run (the file read in blocks of 1 MB, one field of every record looked at),
// and how much memory it needs. The collection has the variety of a real one: thousands of
// composers and performers, most of them in the pick lists, and now and then a duplicate, a name
// or an opus written another way, an Identity in small letters or with leading blanks, an
// unfinished record.
// Prints figures; run it from the build's bin folder:  check_bench [records]  (1000000 by default)

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <algorithm>
#include <atomic>
#include <cstdio>
#include <optional>

#include "bench/bench_support.h"
#include "collection_check/check_collection.h"
#include "store/opus_record.h"

namespace {

constexpr int kComposers = 2000, kOrchestras = 500, kConductors = 1000, kSoloists = 20000;

QString composer(std::int64_t i) {
    return QStringLiteral("Surname%1, Firstname").arg(i % kComposers);
}
QString orchestra(std::int64_t i) {
    return QStringLiteral("Orchestra of City %1").arg(i % kOrchestras);
}
QString conductor(std::int64_t i) {
    return QStringLiteral("Conductor Name %1").arg(i % kConductors);
}
QString soloist(std::int64_t i) {
    return QStringLiteral("Soloist Person %1, piano").arg(i % kSoloists);
}

void writeCollection(const QString& path, std::int64_t records) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        qFatal("cannot write %s", qPrintable(path));
    const char* kinds[] = {"CD", "CD", "CD", "LP", "SACD", "DVD", "MC", "CD 45-45"};
    QByteArray block;
    for (std::int64_t n = 1; n <= records; ++n) {
        const std::int64_t medium = (n + 3) / 4;
        QString identity =
            QStringLiteral("No%1 %2").arg(medium, 5, 10, QLatin1Char('0')).arg(kinds[medium % 8]);
        if (n % 10007 == 0) identity[0] = u'n';                      // small letters
        if (n % 20011 == 0) identity.prepend(QStringLiteral("  "));  // leading blanks
        store::OpusRecord r;
        if (n % 50021 == 0) {  // started with F12, never filled in
            r.setText(store::Field::Identity, QStringLiteral("No"));
        } else {
            r.setText(store::Field::Identity, identity);
            QString c = composer(n * 7919);
            if (n % 5003 == 0) c = c.toUpper();  // another way of writing it
            r.setText(store::Field::Composer, c);
            // Most works once; every 997th record catalogues record n - 1's work again.
            const std::int64_t work = n % 997 == 0 ? n - 1 : n;
            // Now and then the opus written another way.
            const QString opus = n % 3001 == 0 ? QStringLiteral("op.%1") : QStringLiteral("Op. %1");
            r.setText(store::Field::Title,
                      QStringLiteral("Work No. %1, ").arg(work) + opus.arg(work % 120));
            if (n % 997 == 0) r.setText(store::Field::Composer, composer((n - 1) * 7919));
            r.setText(store::Field::Orchestra,
                      orchestra(work * 31) + QStringLiteral("  ") + conductor(work * 17));
            QString soloists;
            for (int s = 0; s < int(work % 4); ++s) {
                if (s) soloists += QStringLiteral("  ");
                soloists += soloist(work * 104729 + s);
            }
            r.setText(store::Field::Soloists, soloists);
            r.setText(store::Field::Cover,
                      QStringLiteral("Label %1, recorded %2").arg(n % 300).arg(1950 + n % 70));
        }
        block.append(r.data(), store::kRecordLength);
        if (n % 4096 == 0 || n == records) {
            file.write(block);
            block.clear();
        }
    }
}

// The pick lists hold nine names in ten.
collection_check::CollectionPass::PickLists pickLists() {
    collection_check::CollectionPass::PickLists lists;
    for (int i = 0; i < kComposers; ++i)
        if (i % 10) lists[0] << composer(i);
    for (int i = 0; i < kConductors; ++i)
        if (i % 10) lists[1] << conductor(i);
    for (int i = 0; i < kOrchestras; ++i)
        if (i % 10) lists[3] << orchestra(i);
    for (int i = 0; i < kSoloists; ++i)
        if (i % 10) lists[4 + i % 2] << soloist(i);
    return lists;
}

// The best of two timings, each clock on its own; `first` takes the new one.
bench::Timing best(bench::Timing a, bench::Timing b, bool first) {
    return first ? b : bench::Timing{std::min(a.seconds, b.seconds), std::min(a.cpu, b.cpu)};
}

}  // namespace

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    const std::int64_t records = bench::countArgument(argc, argv, 1000000);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("Clasical.dat"));
    std::printf("Collection Check benchmark: %lld records\n", static_cast<long long>(records));
    writeCollection(path, records);
    bench::warmCache(path);
    const collection_check::CollectionPass::PickLists lists = pickLists();
    // No cover at all: every medium is looked up among the folder's files.
    QTemporaryDir coversFolder;
    const double memoryBefore = bench::peakMemoryMb();

    // The best of several runs of each, by the wall clock and by processor time: the machine is
    // shared, and processor time is what other programs running beside it do not change.
    bench::Timing check, floor;
    double scan = 0;
    collection_check::Report report;
    for (int run = 0; run < 9; ++run) {
        std::int64_t counted = 0;
        const bench::Timing f = bench::timed([&] { counted = bench::floorPass(path); });
        const std::atomic<bool> cancelled{false};
        double scanned = 0;
        std::optional<collection_check::Report> result;
        const double start = bench::now();
        const bench::Timing c = bench::timed([&] {
            result = collection_check::checkCollection(
                path, lists, coversFolder.path(),
                [&](std::int64_t done, std::int64_t total) {
                    if (done == total) scanned = bench::now();
                },
                cancelled);
        });
        if (!result || counted == 0) qFatal("the check did not run");
        if (run == 0 || c.seconds < check.seconds) scan = scanned - start;
        check = best(check, c, run == 0);
        floor = best(floor, f, run == 0);
        report = std::move(*result);
    }

    int kinds[7] = {};  // by FindingKind
    for (const auto& finding : report.findings) ++kinds[int(finding.kind)];
    std::printf("Figures: %lld records, %lld media, %lld deleted, %lld never filled in\n",
                static_cast<long long>(report.figures.records),
                static_cast<long long>(report.figures.media),
                static_cast<long long>(report.figures.deleted),
                static_cast<long long>(report.figures.unfinished));
    std::printf(
        "Findings: %d duplicates, %d name variants, %d catalogue numbers written several ways, "
        "%d Identities, %d without a front cover, %d names not in the lists, %d unfinished (rows, "
        "each kind at most %d and a line for the rest)\n",
        kinds[0], kinds[1], kinds[2], kinds[3], kinds[4], kinds[5], kinds[6],
        collection_check::kMaxFindingsPerKind);
    std::printf("Collection Check  %7.3f s (processor %.3f s)  %.0f records/s  %.1f MB/s\n",
                check.seconds, check.cpu, records / check.seconds,
                records * 455.0 / 1e6 / check.seconds);
    std::printf("  of which        %7.3f s reading and counting, %.3f s the findings\n", scan,
                check.seconds - scan);
    std::printf("Floor pass        %7.3f s (processor %.3f s)  1 MB blocks, one field a record\n",
                floor.seconds, floor.cpu);
    std::printf("Ratio             %7.1f (processor %.1f)\n", check.seconds / floor.seconds,
                check.cpu / floor.cpu);
    std::printf("Peak memory: %.1f MB (%.1f MB before the first check)\n", bench::peakMemoryMb(),
                memoryBefore);
    return 0;
}
