// How fast the main window's searches scan a collection of a million records, against the floor
// pass on the same file in the same run (read in 1 MB blocks, one field of every record looked
// at), and how much memory they need. Prints figures; run it from the build's bin folder:
//   search_bench [records]      (1000000 by default; a second run at a tenth checks linearity)
// The Composer search is also timed with the main window shown (on the offscreen platform unless
// another is set), drawing its progress as it does for the user.

#include <QApplication>
#include <QDir>
#include <QTemporaryDir>
#include <cstdio>

#include "bench/bench_support.h"
#include "main_window/frm_istoriki.h"
#include "record/record_window.h"
#include "search/search_commands.h"
#include "support/fakes.h"

namespace {

const search::SearchCommand& command(const char* entry) {
    for (const auto& c : search::kSearchCommands) {
        if (QLatin1String(c.menuEntry) == QLatin1String(entry)) return c;
    }
    qFatal("no search %s", entry);
}

struct Timing {
    double seconds = 0;  // wall clock
    double cpu = 0;      // processor time
    std::int64_t records = 0;
};

// Runs a search for texts found nowhere through the real command, with scripted answers.
Timing timeSearch(record::RecordWindow& window, testing::Fakes& fakes, const char* entry,
                  const QStringList& texts, const QString& notFound) {
    const search::SearchCommand& c = command(entry);
    for (int i = 0; i < int(c.boxes.size()); ++i) {
        fakes.dialogs.expectInput(QString::fromLatin1(c.boxes[i].title),
                                  QString::fromLatin1(c.boxes[i].prompt), texts[i]);
    }
    fakes.dialogs.expectMessage(QStringLiteral("Sonvella 4.0"), notFound,
                                platform::Icon::Information);
    const double start = bench::now();
    const double startCpu = bench::cpuSeconds();
    search::runSearch(window, c);
    const double seconds = bench::now() - start;
    const double cpu = bench::cpuSeconds() - startCpu;
    if (fakes.dialogs.remaining() != 0) qFatal("the search did not run as scripted");
    return {seconds, cpu, window.state().N};
}

void report(const char* what, const Timing& ours, const bench::Timing& floor) {
    const double mb = ours.records * 455.0 / 1e6;
    std::printf(
        "%-26s %7.3f s (processor %.3f s) %7.0f MB/s   floor %.3f s (%.3f s)   ratio %4.2f "
        "(%4.2f)\n",
        what, ours.seconds, ours.cpu, mb / ours.seconds, floor.seconds, floor.cpu,
        ours.seconds / floor.seconds, ours.cpu / floor.cpu);
}

// Processor time per record: what linearity is about, whatever else shares the machine.
double perRecord(const Timing& t) {
    return t.cpu / t.records;
}

}  // namespace

int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const std::int64_t records = bench::countArgument(argc, argv, 1000000);
    QTemporaryDir dir;
    bench::enterFolder(dir.path());

    std::printf("Search benchmark: %lld and %lld records\n", static_cast<long long>(records),
                static_cast<long long>(records / 10));
    Timing composer[2], both[2];
    bench::Timing floor;
    for (int run = 0; run < 2; ++run) {
        const std::int64_t n = run == 0 ? records : records / 10;
        bench::writeCollection(QStringLiteral("Clasical.dat"), n);
        bench::warmCache(QStringLiteral("Clasical.dat"));
        testing::Fakes fakes;
        record::Session session;
        record::RecordWindow window(session, fakes.services());
        if (!window.Form_Load()) qFatal("cannot load the collection");

        // The best of several runs: the figures of a quiet moment of the machine.
        const int repeats = run == 0 ? 11 : 31;  // the short runs are the noisier
        for (int repeat = 0; repeat < repeats; ++repeat) {
            const Timing c = timeSearch(window, fakes, "mnuAuthor", {"Zelenka"},
                                        "Composer Zelenka was Not Found");
            const Timing b = timeSearch(window, fakes, "mnuAuthorTitle", {"Bach", "Requiem"},
                                        "Composer Bach and Title Text Requiem were Not Found");
            if (repeat == 0 || c.cpu < composer[run].cpu) composer[run] = c;
            if (repeat == 0 || b.cpu < both[run].cpu) both[run] = b;
        }
        if (run == 0) {
            const QString file = dir.filePath(QStringLiteral("Clasical.dat"));
            floor = bench::bestOf(repeats, [&] { bench::floorPass(file); });
            report("Composer search", composer[0], floor);
            report("Composer and Title search", both[0], floor);

            main_window::FrmIstoriki view(window);
            view.show();
            Timing shown;
            for (int repeat = 0; repeat < repeats; ++repeat) {
                const Timing c = timeSearch(window, fakes, "mnuAuthor", {"Zelenka"},
                                            "Composer Zelenka was Not Found");
                if (repeat == 0 || c.seconds < shown.seconds) shown = c;
            }
            report("  with the window shown", shown, floor);
        }
    }
    std::printf(
        "Processor time per record, %lld against %lld records: Composer %+.1f %%, Composer and "
        "Title %+.1f "
        "%%\n",
        static_cast<long long>(records), static_cast<long long>(records / 10),
        100.0 * (perRecord(composer[0]) / perRecord(composer[1]) - 1),
        100.0 * (perRecord(both[0]) / perRecord(both[1]) - 1));
    std::printf("Peak memory: %.1f MB\n", bench::peakMemoryMb());
    return 0;
}
