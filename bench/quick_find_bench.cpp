// How fast Quick Find answers on a collection of a million records, against the floor pass (the
// same file read in 1 MB blocks, one field of every record looked at) measured in the same run;
// and how much memory it needs.
// Prints figures; run it from the build's bin folder:  quick_find_bench [records]  (1000000 by
// default). It draws on the offscreen platform unless another one is set.

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>
#include <algorithm>
#include <cstdio>
#include <vector>

#include "bench/bench_support.h"
#include "quick_find/frm_quick_find.h"
#include "quick_find/quick_find_pass.h"
#include "record/record_window.h"
#include "support/fakes.h"

namespace {

constexpr int kRuns = 9;

using Figures = bench::BestAndMedian;

// One pass on this thread, as the worker runs it.
double directPass(const QString& path, const QString& typed, std::size_t* hits = nullptr) {
    std::atomic<bool> cancelled{false};
    std::size_t found = 0;
    const double start = bench::now();
    const auto result =
        quick_find::runPass(path, quick_find::parseQuery(typed), cancelled,
                            [&](std::vector<std::int32_t> h) { found += h.size(); });
    const double seconds = bench::now() - start;
    if (result.outcome != quick_find::PassResult::Outcome::Finished) qFatal("the pass failed");
    if (hits) *hits = found;
    return seconds;
}

// Sleeps in the event loop, as the program does, until the pass has reported enough.
void waitUntil(const std::function<bool()>& done) {
    QEventLoop loop;
    while (!done()) loop.processEvents(QEventLoop::WaitForMoreEvents);
}

// From the text set in the window to the pass's last report.
double windowPass(quick_find::FrmQuickFind& window, const QString& typed) {
    auto* box = window.findChild<QLineEdit*>(QStringLiteral("quickFindText"));
    box->clear();
    const double start = bench::now();
    box->setText(typed);
    waitUntil([&] { return !window.state().searching(); });
    return bench::now() - start;
}

// From the keystroke that completes a common word to its first 50 hits drawn in the list.
double firstHits(quick_find::FrmQuickFind& window, const QString& typed) {
    auto* box = window.findChild<QLineEdit*>(QStringLiteral("quickFindText"));
    auto* list = window.findChild<QTableView*>(QStringLiteral("quickFindHits"));
    box->setText(typed.chopped(1));
    waitUntil([&] { return !window.state().searching(); });
    const double start = bench::now();
    QTest::keyClick(box, typed.back().toLatin1());
    waitUntil([&] { return window.state().hits().rowCount() >= 50; });
    list->viewport()->repaint();
    const double seconds = bench::now() - start;
    window.state().stop();
    return seconds;
}

void report(const char* what, const Figures& f, double floor) {
    std::printf("%-44s best %7.3f s  median %7.3f s   ratio to the floor %5.2f\n", what, f.best,
                f.median, f.best / floor);
}

}  // namespace

int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const std::int64_t records = bench::countArgument(argc, argv, 1000000);
    QTemporaryDir dir;
    bench::enterFolder(dir.path());
    const QString path = dir.filePath(QStringLiteral("Clasical.dat"));
    bench::writeCollection(path, records);
    bench::warmCache(path);
    std::printf("Quick Find benchmark: %lld records, %.0f MB\n", static_cast<long long>(records),
                records * 455.0 / 1e6);

    testing::Fakes fakes;
    record::Session session;
    record::RecordWindow mainWindow(session, fakes.services());
    if (!mainWindow.Form_Load()) qFatal("cannot load the collection");
    quick_find::FrmQuickFind window(mainWindow);
    window.show();

    const Figures floor = bench::bestAndMedian(
        kRuns, [&] { return bench::timed([&] { bench::floorPass(path); }).seconds; });
    std::printf("%-44s best %7.3f s  median %7.3f s\n", "Floor: 1 MB blocks, a field a record",
                floor.best, floor.median);
    const struct {
        const char* what;
        const char* typed;
    } nowhere[] = {
        {"Found nowhere, Latin: zelenka", "zelenka"},
        {"Found nowhere, Greek: σκαλκωτας", "σκαλκωτας"},
        {"Found nowhere, Latin for Greek: theodorakis", "theodorakis"},
        {"Found nowhere, two words: bach zelenka", "bach zelenka"},
        {"Found nowhere, a catalogue number: bwv988", "bwv988"},
        {"Found nowhere, a catalogue number: op27", "op27"},
    };
    for (const auto& word : nowhere) {
        const QString typed = QString::fromUtf8(word.typed);
        report(word.what, bench::bestAndMedian(kRuns, [&] { return windowPass(window, typed); }),
               floor.best);
        if (window.state().hits().rowCount() != 0) qFatal("a word found nowhere was found");
    }
    const Figures direct =
        bench::bestAndMedian(kRuns, [&] { return directPass(path, QStringLiteral("zelenka")); });
    report("  the same pass alone, zelenka", direct, floor.best);

    const Figures first =
        bench::bestAndMedian(kRuns, [&] { return firstHits(window, QStringLiteral("bach")); });
    std::printf("%-44s best %7.3f s  median %7.3f s\n", "First 50 hits of bach drawn", first.best,
                first.median);

    std::size_t all = 0;
    const Figures every =
        bench::bestAndMedian(3, [&] { return directPass(path, QStringLiteral("a"), &all); });
    std::printf("%-44s best %7.3f s  (%zu hits)\n", "Pass alone, a (every record)", every.best,
                all);
    windowPass(window, QStringLiteral("a"));
    window.findChild<QTableView*>(QStringLiteral("quickFindHits"))->viewport()->repaint();
    std::printf("Hits in the list for a: %d\n", window.state().hits().rowCount());
    std::printf("Peak memory: %.1f MB\n", bench::peakMemoryMb());
    return 0;
}
