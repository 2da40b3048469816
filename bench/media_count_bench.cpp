// How fast media counting goes through a collection of a million records, the whole of it and
// only the media marked with a text, against the floor pass on the same file in the same run (the
// file read in 1 MB blocks, one field of every record looked at); and how much memory it needs.
// The thirteen media icons lie beside the collection, as in the program's folder. The entire count
// is also timed with the main window shown (on the offscreen platform unless another is set),
// drawing its progress as it does for the user. Prints figures; run it from the build's bin
// folder:
//   media_count_bench [records]   (1000000 by default; a second run at a tenth checks linearity)

#include <QApplication>
#include <QDir>
#include <QImage>
#include <QTemporaryDir>
#include <cstdio>

#include "bench/bench_support.h"
#include "main_window/frm_istoriki.h"
#include "maintenance/media_counting.h"
#include "record/record_window.h"
#include "support/fakes.h"

namespace {

const QString kTitle = QStringLiteral("Sonvella 4.0 - Media Counting");

void writeIcons() {
    QImage icon(49, 49, QImage::Format_RGB32);
    icon.fill(Qt::darkBlue);
    for (const char* file : {"45.jpg", "78.jpg", "Sa.jpg", "Cd.jpg", "Da.jpg", "Dv.jpg", "Lp.jpg",
                             "Dt.jpg", "Rl.jpg", "Dc.jpg", "Mc.jpg", "Vc.jpg", "Md.jpg"}) {
        if (!icon.save(QString::fromLatin1(file))) qFatal("cannot write %s", file);
    }
}

// Runs the count through the real command with scripted answers. bench::writeCollection gives
// every four records one medium, each of them a CD.
void count(record::RecordWindow& window, testing::Fakes& fakes, const QString& special) {
    const std::int64_t media = window.state().N / 4 + 1;
    fakes.dialogs.expectMessage(
        kTitle,
        QStringLiteral("To use the Media Counting command with success, you must have first:\n"
                       "a) Used the 'Sort by Identity' command\n"
                       "b) Used a No0000 type Identification Number\n"
                       "Shall I begin the media counting now?"),
        platform::Icon::Question, platform::Buttons::OkCancel, platform::Answer::Ok);
    fakes.dialogs.expectInput(kTitle,
                              QStringLiteral("Type the Special Character(s) you used in Identity "
                                             "or\nClick on <Cancel> to Count the Entire "
                                             "Collection:"),
                              special);
    const QString result =
        QStringLiteral("You have catalogued < %1 >  Media (CDs, DVDs, LPs, Tapes)").arg(media);
    fakes.dialogs.expectMessage(
        kTitle,
        special.isEmpty()
            ? result + QLatin1Char('.')
            : result + QStringLiteral("\nthat contain the Special Character(s) <%1>.").arg(special),
        platform::Icon::Information);
    maintenance::mnuCountMedia(window);
    if (fakes.dialogs.remaining() != 0 ||
        window.state().current != (special.isEmpty() ? window.state().N : 1))
        qFatal("the count did not run as scripted:\n%s",
               qPrintable(fakes.dialogs.log().join(QLatin1Char('\n'))));
}

void report(const char* what, std::int64_t records, const bench::Timing& ours,
            const bench::Timing& floor) {
    std::printf(
        "%-28s %7.3f s (processor %.3f s) %7.0f MB/s   floor %.3f s (%.3f s)   ratio %4.2f "
        "(%4.2f)\n",
        what, ours.seconds, ours.cpu, records * 455.0 / 1e6 / ours.seconds, floor.seconds,
        floor.cpu, ours.seconds / floor.seconds, ours.cpu / floor.cpu);
}

}  // namespace

int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const std::int64_t records = bench::countArgument(argc, argv, 1000000);
    QTemporaryDir dir;
    bench::enterFolder(dir.path());
    writeIcons();
    const QString path = dir.filePath(QStringLiteral("Clasical.dat"));

    std::printf("Media counting benchmark: %lld and %lld records\n",
                static_cast<long long>(records), static_cast<long long>(records / 10));
    bench::Timing entire[2], marked[2];
    for (int run = 0; run < 2; ++run) {
        const std::int64_t n = run == 0 ? records : records / 10;
        bench::writeCollection(path, n);
        bench::warmCache(path);
        testing::Fakes fakes;
        record::Session session;
        record::RecordWindow window(session, fakes.services());
        if (!window.Form_Load()) qFatal("cannot load the collection");

        const int repeats = run == 0 ? 7 : 21;  // the short runs are the noisier
        entire[run] = bench::bestOf(repeats, [&] { count(window, fakes, QString()); });
        marked[run] = bench::bestOf(repeats, [&] { count(window, fakes, QStringLiteral("CD")); });
        const bench::Timing floor = bench::bestOf(repeats, [&] { bench::floorPass(path); });
        std::printf("%lld records (%.0f MB):\n", static_cast<long long>(n), n * 455.0 / 1e6);
        report("  Entire collection", n, entire[run], floor);
        report("  Special text CD", n, marked[run], floor);
        if (run == 0) {
            main_window::FrmIstoriki view(window);
            view.show();
            const bench::Timing shown =
                bench::bestOf(repeats, [&] { count(window, fakes, QString()); });
            report("  with the window shown", n, shown, floor);
        }
    }
    const auto perRecord = [&](const bench::Timing* t) {
        return 100.0 * (t[0].cpu / records / (t[1].cpu / (records / 10)) - 1);
    };
    std::printf(
        "Processor time per record, %lld against %lld records: entire %+.1f %%, special text "
        "%+.1f %%\n",
        static_cast<long long>(records), static_cast<long long>(records / 10), perRecord(entire),
        perRecord(marked));
    std::printf("Peak memory: %.1f MB\n", bench::peakMemoryMb());
    return 0;
}
