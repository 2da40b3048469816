// How fast the collection print builds its job for 100,000 records (Ctrl+R, monochrome, through
// the real command), against the floor pass over the same records in the same run (read in 1 MB
// blocks, one field of every record looked at); and how much memory the job holds. The finished
// job goes to an output that only counts its lines. Prints figures; run it from the build's bin
// folder:  range_print_bench [records]   (100000 by default)

#include <QDir>
#include <QGuiApplication>
#include <QTemporaryDir>
#include <cstdio>

#include "bench/bench_support.h"
#include "platform/print_job.h"
#include "print/range_print.h"
#include "record/record_window.h"
#include "support/fakes.h"

namespace {

class CountingOutput : public platform::PrinterOutput {
public:
    std::int64_t pages = 0;
    std::int64_t lines = 0;
    platform::PrintOutcome print(const std::vector<platform::PrintPage>& job) override {
        pages = std::int64_t(job.size());
        lines = 0;
        for (const platform::PrintPage& page : job) lines += std::int64_t(page.lines.size());
        return {platform::PrintOutcome::Printed, QStringLiteral("Counter"), {}};
    }
    // The job as the program's printer takes it: page by page, never read back whole.
    platform::PrintOutcome printPages(const platform::PrintPages& job) override {
        pages = std::int64_t(job.size());
        lines = 0;
        for (std::size_t n = 0; n < job.size(); ++n) lines += std::int64_t(job.lineCount(n));
        return {platform::PrintOutcome::Printed, QStringLiteral("Counter"), {}};
    }
};

void printAll(record::RecordWindow& window, testing::ScriptedDialogs& dialogs) {
    const QString last = QString::number(window.state().N);
    const QString line = QStringLiteral("Print a Range of Opus Numbers or the Entire Collection.");
    dialogs.expectMessage(
        QStringLiteral("Sonvella 4.0"), QStringLiteral("Do you Wish to Print in Color?"),
        platform::Icon::Question, platform::Buttons::YesNoCancel, platform::Answer::No);
    dialogs.expectInput(QStringLiteral("Sonvella 4.0: Print Collection/First Number"),
                        line + QStringLiteral("\nEnter First number to print:"),
                        QStringLiteral("1"));
    dialogs.expectInput(QStringLiteral("Sonvella 4.0: Print Collection/Last Number"),
                        line + QStringLiteral("\nEnter Last number to print:"), last);
    dialogs.expectMessage(
        QStringLiteral("Sonvella 4.0"),
        QStringLiteral("Printing Opus Numbers from  1 to  %1  has been completed").arg(last),
        platform::Icon::Information);
    print::mnuPrintCollection(window);
    if (dialogs.remaining() != 0 || window.state().current != window.state().N)
        qFatal("the print did not run as scripted:\n%s",
               qPrintable(dialogs.log().join(QLatin1Char('\n'))));
}

}  // namespace

int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const std::int64_t records = bench::countArgument(argc, argv, 100000);
    QTemporaryDir dir;
    bench::enterFolder(dir.path());
    const QString path = dir.filePath(QStringLiteral("Clasical.dat"));
    bench::writeCollection(path, records);
    bench::warmCache(path);

    testing::Fakes fakes;
    CountingOutput output;
    platform::PrintJob job(output);
    const platform::Services services{fakes.dialogs, fakes.shell,     fakes.clipboard, job,
                                      fakes.clock,   fakes.processes, fakes.help};
    record::Session session;
    record::RecordWindow window(session, services);
    if (!window.Form_Load()) qFatal("cannot load the collection");

    std::printf("Collection print benchmark: %lld records (%.0f MB)\n",
                static_cast<long long>(records), records * 455.0 / 1e6);
    const double before = bench::peakMemoryMb();
    const bench::Timing print = bench::bestOf(5, [&] { printAll(window, fakes.dialogs); });
    const double after = bench::peakMemoryMb();
    const bench::Timing floor = bench::bestOf(5, [&] { bench::floorPass(path, records); });
    std::printf("Print job: %lld sheets, %lld lines\n", static_cast<long long>(output.pages),
                static_cast<long long>(output.lines));
    std::printf(
        "Collection print  %7.3f s (processor %.3f s) %7.0f MB/s   floor %.4f s (%.4f s)   ratio "
        "%.1f (%.1f)\n",
        print.seconds, print.cpu, records * 455.0 / 1e6 / print.seconds, floor.seconds, floor.cpu,
        print.seconds / floor.seconds, print.cpu / floor.cpu);
    std::printf("Peak memory: %.1f MB (%.1f MB before the first print: %.0f bytes a record)\n",
                after, before, (after - before) * 1024 * 1024 / records);
    return 0;
}
