// How fast the Works window reads a collection of a million records into its tree, against the
// floor pass (the same file read in 1 MB blocks, one field of every record looked at) measured in
// the same run; how long a filter takes; and how much memory it needs. The collection has the
// variety of a real one: composers of the table written three ways, their catalogue numbers
// written three ways, thousands of other composers with opus numbers, works without a number, a
// number only on the Cover now and then, deleted records.
// Prints figures; run it from the build's bin folder:  works_bench [records]  (1000000 by default).
// It draws on the offscreen platform unless another one is set.

#include <QApplication>
#include <QFile>
#include <QTemporaryDir>
#include <QTreeView>
#include <atomic>
#include <cstdio>

#include "bench/bench_support.h"
#include "record/record_window.h"
#include "store/opus_record.h"
#include "support/fakes.h"
#include "works/frm_works.h"
#include "works/works_pass.h"

namespace {

constexpr int kRuns = 7;
constexpr int kOtherComposers = 2000;

// A composer of the table: three ways of writing its name, three of writing its numbers, and how
// far its numbers go.
struct Known {
    const char* names[3];
    const char* numbers[3];
    int most;
};
const Known kKnown[] = {
    {{"Johann Sebastian Bach", "Bach, J.S.", "BACH"}, {"BWV %1", "BWV%1", "bwv. %1"}, 1100},
    {{"Wolfgang Amadeus Mozart", "Mozart, W.A.", "MOZART"}, {"K. %1", "KV %1", "K.%1"}, 626},
    {{"Joseph Haydn", "Haydn", "HAYDN, J."}, {"Hob. I:%1", "Hob.I:%1", "Hob. I: %1"}, 104},
    {{"Ludwig van Beethoven", "Beethoven", "BEETHOVEN"}, {"Op. %1", "op.%1", "Opus %1"}, 138},
    {{"Franz Schubert", "Schubert, F.", "SCHUBERT"}, {"D. %1", "D.%1", "D %1"}, 998},
    {{"Antonio Vivaldi", "Vivaldi", "VIVALDI, A."}, {"RV %1", "RV%1", "R.V. %1"}, 800},
    {{"George Frideric Handel", "Handel", "Haendel"}, {"HWV %1", "HWV%1", "H.W.V. %1"}, 600},
    {{"Frederic Chopin", "Chopin", "CHOPIN, F."}, {"Op. %1", "Op.%1", "op. %1"}, 74},
};
const char* const kKinds[] = {"Sonata", "Concerto", "Symphony", "Suite", "Variations", "Cantata"};
const char* const kConductors[] = {"Carlos Kleiber",       "Herbert von Karajan", "Claudio Abbado",
                                   "Nikolaus Harnoncourt", "John Eliot Gardiner", "Georg Solti",
                                   "Mariss Jansons",       "Simon Rattle",        "Karl Boehm",
                                   "Bernard Haitink"};

// A number from 1 to `most` that looks drawn at random for record n.
int drawn(std::int64_t n, int most) {
    std::uint64_t h = std::uint64_t(n) * 0x9E3779B97F4A7C15ull;
    h ^= h >> 29;
    return int(h % std::uint64_t(most)) + 1;
}

// Record n of a medium `medium`: the medium's composer, performers and label, a work of its own.
store::OpusRecord makeRecord(std::int64_t n) {
    const std::int64_t medium = (n + 3) / 4;
    store::OpusRecord r;
    if (n % 5003 == 0) return store::OpusRecord::withIdentity(store::kDeletedIdentity);
    r.setText(store::Field::Identity,
              QStringLiteral("No%1 CD").arg(medium, 6, 10, QLatin1Char('0')));
    const QString kind = QString::fromLatin1(kKinds[n % std::size(kKinds)]);
    QString title,
        cover = QStringLiteral("Label %1, recorded %2").arg(medium % 300).arg(1950 + medium % 70);
    if (medium % 3 == 0) {  // a composer outside the table
        r.setText(store::Field::Composer,
                  QStringLiteral("Surname%1, Firstname").arg(medium * 7919 % kOtherComposers));
        title = QStringLiteral("%1 No. %2, Op. %3").arg(kind).arg(n % 9 + 1).arg(drawn(n, 100));
    } else {
        const Known& known = kKnown[medium * 13 % std::size(kKnown)];
        r.setText(store::Field::Composer, QString::fromLatin1(known.names[medium % 3]));
        const QString number = QString::fromLatin1(known.numbers[n % 3]).arg(drawn(n, known.most));
        title = kind + QStringLiteral(" in C major, ") + number;
        if (n % 7919 == 0) {  // the number on the Cover only
            cover += QStringLiteral(", ") + number;
            title = kind;
        }
    }
    if (n % 10 == 0) title = QStringLiteral("Lieder and Arias");  // no number
    r.setText(store::Field::Title, title);
    r.setText(store::Field::Orchestra,
              QStringLiteral("Orchestra of City %1  ").arg(medium % 500) +
                  QString::fromLatin1(kConductors[medium % std::size(kConductors)]));
    r.setText(store::Field::Soloists,
              QStringLiteral("Soloist Person %1, piano").arg(medium % 20000));
    r.setText(store::Field::Cover, cover);
    return r;
}

void writeCollection(const QString& path, std::int64_t records) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        qFatal("cannot write %s", qPrintable(path));
    QByteArray block;
    for (std::int64_t n = 1; n <= records; ++n) {
        block.append(makeRecord(n).data(), store::kRecordLength);
        if (n % 4096 == 0 || n == records) {
            file.write(block);
            block.clear();
        }
    }
}

// One pass on this thread, as the window's worker runs it; prints the figures of the first.
double directPass(const QString& path) {
    static bool printed = false;
    const std::atomic<bool> cancelled{false};
    const double start = bench::now();
    const std::shared_ptr<const works::WorksTree> tree = works::readWorks(path, nullptr, cancelled);
    const double seconds = bench::now() - start;
    if (!tree) qFatal("the pass failed");
    if (!printed) {
        std::printf("  %s\n  %zu composers, %zu recordings in the tree\n",
                    qPrintable(works::figuresLine(tree->figures)), tree->composers.size(),
                    tree->recordings.size());
        printed = true;
    }
    return seconds;
}

// Sleeps in the event loop, as the program does, until the window's pass has ended.
void waitForTheTree(works::FrmWorks& window) {
    QEventLoop loop;
    while (window.state().phase() == works::WorksWindow::Phase::Reading ||
           window.state().phase() == works::WorksWindow::Phase::Filtering)
        loop.processEvents(QEventLoop::WaitForMoreEvents);
    if (window.state().phase() != works::WorksWindow::Phase::Done) qFatal("the pass failed");
}

// From "Read again" to the tree drawn in the window.
double windowPass(works::FrmWorks& window) {
    const double start = bench::now();
    window.state().start();
    waitForTheTree(window);
    window.findChild<QTreeView*>(QStringLiteral("worksTree"))->viewport()->repaint();
    return bench::now() - start;
}

// From a filter's text set to the tree drawn.
double filterPass(works::FrmWorks& window, const QString& text) {
    window.state().setFilter({});
    waitForTheTree(window);
    const double start = bench::now();
    window.state().setFilter(text);
    waitForTheTree(window);
    window.findChild<QTreeView*>(QStringLiteral("worksTree"))->viewport()->repaint();
    return bench::now() - start;
}

void report(const char* what, const bench::BestAndMedian& f, double floor) {
    std::printf("%-44s best %7.3f s  median %7.3f s   ratio to the floor %5.1f\n", what, f.best,
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
    writeCollection(path, records);
    bench::warmCache(path);
    std::printf("Works benchmark: %lld records, %.0f MB\n", static_cast<long long>(records),
                records * 455.0 / 1e6);

    testing::Fakes fakes;
    record::Session session;
    record::RecordWindow mainWindow(session, fakes.services());
    if (!mainWindow.Form_Load()) qFatal("cannot load the collection");
    const double memoryBefore = bench::peakMemoryMb();

    const bench::BestAndMedian floor = bench::bestAndMedian(
        kRuns, [&] { return bench::timed([&] { bench::floorPass(path); }).seconds; });
    std::printf("%-44s best %7.3f s  median %7.3f s\n", "Floor: 1 MB blocks, a field a record",
                floor.best, floor.median);

    report("The pass alone, on this thread",
           bench::bestAndMedian(kRuns, [&] { return directPass(path); }), floor.best);
    std::printf("  peak memory so far: %.1f MB\n", bench::peakMemoryMb());

    works::FrmWorks window(mainWindow);
    window.show();
    report("Read into the tree, the window shown",
           bench::bestAndMedian(kRuns, [&] { return windowPass(window); }), floor.best);
    report(
        "Filter: kleiber (a conductor)",
        bench::bestAndMedian(kRuns, [&] { return filterPass(window, QStringLiteral("kleiber")); }),
        floor.best);
    std::printf("  %s\n", qPrintable(window.state().status()));
    report(
        "Filter: bwv988 (a number)",
        bench::bestAndMedian(kRuns, [&] { return filterPass(window, QStringLiteral("bwv988")); }),
        floor.best);
    std::printf("  %s\n", qPrintable(window.state().status()));
    std::printf(
        "Peak memory: %.1f MB (%.1f MB with the main window loaded, before the first pass)\n",
        bench::peakMemoryMb(), memoryBefore);
    return 0;
}
