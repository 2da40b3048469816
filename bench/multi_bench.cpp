// How fast multi mode scans and exports a collection of a million records, against a baseline
// run in the same process on the same file (the floor pass for the scan: the file read in 1 MB
// blocks, one field of every record looked at; cat and a plain C++ reformatting for the exports),
// and how much memory it needs. Prints figures; run it from the build's bin
// folder:  multi_bench [records]   (1000000 by default)

#include <QCoreApplication>
#include <QDir>
#include <QTemporaryDir>
#include <cstdio>

#include "bench/bench_support.h"
#include "multi/exports.h"
#include "multi/multi_searches.h"
#include "multi/multi_window.h"
#include "platform/program_directory.h"
#include "support/fakes.h"

namespace {

const multi::MultiSearch& composerSearch() {
    for (const auto& s : multi::kMultiSearches) {
        if (QLatin1String(s.menuEntry) == QLatin1String("mnuOno")) return s;
    }
    qFatal("no Composer search");
}

double timeComposerSearch(multi::MultiWindow& window, testing::Fakes& fakes) {
    const multi::MultiSearch& s = composerSearch();
    fakes.dialogs.expectInput(QString::fromLatin1(s.boxes[0].title),
                              QString::fromLatin1(s.boxes[0].prompt), QStringLiteral("Zelenka"));
    fakes.dialogs.expectMessage(QStringLiteral("Sonvella 4.0"),
                                QStringLiteral("Composer Zelenka was Not Found"),
                                platform::Icon::Information);
    const double start = bench::now();
    multi::runMultiSearch(window, s);
    const double seconds = bench::now() - start;
    if (fakes.dialogs.remaining() != 0) qFatal("the search did not run as scripted");
    return seconds;
}

double timeExport(multi::MultiWindow& window, testing::Fakes& fakes, bool byComposer) {
    const QString title = byComposer ? QStringLiteral("Sonvella 4.0 - Export by Composer")
                                     : QStringLiteral("Sonvella 4.0 - Export by Identity");
    const QString kind = byComposer ? QStringLiteral("Composer") : QStringLiteral("Identity");
    const QString files = byComposer
                              ? QStringLiteral("'Collection.doc' and 'ShortCollect.doc'?")
                              : QStringLiteral("'IdCollection.doc' and 'IdShortCollect.doc'?");
    const QString longFile =
        platform::programFile(byComposer ? "Collection.doc" : "IdCollection.doc");
    const QString shortFile =
        platform::programFile(byComposer ? "ShortCollect.doc" : "IdShortCollect.doc");
    fakes.dialogs.expectMessage(
        title, "Shall I Export Collection by " + kind + " in Files\n" + files,
        platform::Icon::Question, platform::Buttons::OkCancel, platform::Answer::Ok);
    fakes.dialogs.expectInput(
        title,
        QStringLiteral("Type the Special Character(s) to Search for in Identity or\n"
                       "Click on <Cancel> to Export the Entire Collection:"),
        QString());
    fakes.dialogs.expectMessage(
        title, "All Opus Numbers have been Saved at:\n" + longFile + "\n" + shortFile,
        platform::Icon::Information);
    const double start = bench::now();
    byComposer ? multi::mnuSaveAll(window) : multi::mnuSaveAllIdentity(window);
    const double seconds = bench::now() - start;
    if (fakes.dialogs.remaining() != 0) qFatal("the export did not run as scripted");
    return seconds;
}

template <class F>
double best(int runs, F f) {
    double fastest = f();
    for (int i = 1; i < runs; ++i) fastest = std::min(fastest, f());
    return fastest;
}

}  // namespace

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    const std::int64_t records = bench::countArgument(argc, argv, 1000000);
    QTemporaryDir dir;
    bench::enterFolder(dir.path());
    bench::writeCollection(QStringLiteral("Clasical.dat"), records);
    bench::warmCache(QStringLiteral("Clasical.dat"));
    const QString collection = dir.filePath(QStringLiteral("Clasical.dat"));
    const double mb = records * 455.0 / 1e6;

    testing::Fakes fakes;
    multi::MultiWindow window(fakes.services());
    if (!window.Form_Load()) qFatal("cannot load the collection");
    std::printf("Multi mode benchmark: %lld records (%.0f MB)\n", static_cast<long long>(records),
                mb);

    const double scan = best(11, [&] { return timeComposerSearch(window, fakes); });
    const double floor = bench::bestOf(11, [&] { bench::floorPass(collection); }).seconds;
    std::printf("%-28s %8.3f s %9.1f MB/s   floor  %7.3f s   ratio %5.2f\n", "Composer search",
                scan, mb / scan, floor, scan / floor);

    const QString out = dir.filePath(QStringLiteral("baseline.txt"));
    const double cat = bench::timeProgramInto(QStringLiteral("cat"), {collection}, out);
    const double plain = best(2, [&] { return bench::timePlainReformat(collection, out); });
    for (const bool byComposer : {true, false}) {
        const double seconds = best(2, [&] { return timeExport(window, fakes, byComposer); });
        std::printf(
            "%-28s %8.3f s %9.1f MB/s   cat    %7.3f s   ratio %5.2f   reformat %7.3f s   ratio "
            "%5.2f\n",
            byComposer ? "Export by Composer" : "Export by Identity", seconds, mb / seconds, cat,
            seconds / cat, plain, seconds / plain);
    }
    std::printf("Peak memory: %.1f MB\n", bench::peakMemoryMb());
    return 0;
}
