// What the change history costs: a save with the journal beside the collection against the same
// save without one (the journal's durable write, fdatasync included), the history of 10,000
// changes read for its window, and the main window's start with a full journal against one
// without. Prints figures; run it from the build's bin folder:  journal_bench [saves]

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <vector>

#include "bench/bench_support.h"
#include "change_history/history_model.h"
#include "history/journal.h"
#include "record/record_window.h"
#include "support/fakes.h"

namespace {

constexpr int kRecords = 10000;

// Milliseconds of each of `saves` saves of a changed record: the best and the median.
bench::BestAndMedian timeSaves(record::RecordWindow& window, int saves) {
    int n = 0;
    return bench::bestAndMedian(saves, [&] {
        window.typeInto(record::txtTitlos, QStringLiteral("Title %1").arg(++n));
        const double start = bench::now();
        if (!window.SaveCR()) qFatal("a save failed");
        return bench::now() - start;
    });
}

// A journal of `changes` done changes of the collection as it is now, written at once.
void writeFullJournal(const QString& collection, int changes) {
    store::CollectionFile file(collection);
    file.open();
    QByteArray bytes(history::kJournalMagic, history::kJournalMagicSize);
    for (int i = 1; i <= changes; ++i) {
        history::Entry change;
        change.seq = std::uint64_t(i);
        change.command = QStringLiteral("Next Opus No");
        change.time = QDateTime::currentDateTime();
        change.opus = 1 + i % kRecords;
        change.before = file.recordBytes(change.opus);
        change.after = change.before;
        change.after.replace(90, 8, "Changed ");
        change.file = file.state();
        history::Entry done;
        done.kind = history::Kind::Done;
        done.seq = change.seq;
        done.file = file.state();
        bytes += history::encodeEntry(change) + history::encodeEntry(done);
    }
    QFile out(QFileInfo(collection).dir().filePath(QStringLiteral("Clasical.jnl")));
    if (!out.open(QIODevice::WriteOnly) || out.write(bytes) != bytes.size())
        qFatal("cannot write the journal");
}

double timeStart(testing::Fakes& fakes, record::Session& session) {
    return bench::bestAndMedian(9,
                                [&] {
                                    const double start = bench::now();
                                    record::RecordWindow window(session, fakes.services());
                                    if (!window.Form_Load()) qFatal("the window did not load");
                                    return bench::now() - start;
                                })
        .best;
}

}  // namespace

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    const int saves = int(bench::countArgument(argc, argv, 200));
    QTemporaryDir dir;
    bench::enterFolder(dir.path());
    const QString collection = dir.filePath(QStringLiteral("Clasical.dat"));
    bench::writeCollection(collection, kRecords);
    testing::Fakes fakes;
    record::Session session;

    std::printf("Change history, a collection of %d records\n", kRecords);
    const double startWithout = timeStart(fakes, session);
    bench::BestAndMedian with, without;
    {
        record::RecordWindow window(session, fakes.services());
        if (!window.Form_Load()) qFatal("the window did not load");
        with = timeSaves(window, saves);
    }
    {
        // A folder in the journal's place: the history is off, the saves go on as before.
        QFile::rename(dir.filePath(QStringLiteral("Clasical.jnl")),
                      dir.filePath(QStringLiteral("Clasical.jnl.kept")));
        QDir().mkdir(dir.filePath(QStringLiteral("Clasical.jnl")));
        record::RecordWindow window(session, fakes.services());
        if (!window.Form_Load()) qFatal("the window did not load");
        without = timeSaves(window, saves);
        QDir().rmdir(dir.filePath(QStringLiteral("Clasical.jnl")));
    }
    std::printf("  a save, %d saves: with the journal  best %.3f ms, median %.3f ms\n", saves,
                with.best * 1000, with.median * 1000);
    std::printf("                    without           best %.3f ms, median %.3f ms\n",
                without.best * 1000, without.median * 1000);
    std::printf("                    the journal costs %.3f ms a save (medians)\n",
                (with.median - without.median) * 1000);

    writeFullJournal(collection, history::Journal::kMostChanges);
    const double startWith = timeStart(fakes, session);
    std::printf("  the start: without a journal %.1f ms, with 10,000 changes %.1f ms (+%.1f ms)\n",
                startWithout * 1000, startWith * 1000, (startWith - startWithout) * 1000);

    history::Journal journal(collection);
    journal.open();
    const double shown =
        bench::bestAndMedian(9, [&] {
            const double start = bench::now();
            change_history::HistoryModel model;
            model.setChanges(journal.changes());
            // The rows a window shows at first, each field compared.
            for (int row = 0; row < 40; ++row)
                model.index(row, change_history::HistoryModel::ChangesColumn).data();
            return bench::now() - start;
        }).best;
    std::printf("  the history of %d changes read and its first rows made: %.1f ms\n",
                journal.changeCount(), shown * 1000);
    std::printf("  peak memory %.0f MB\n", bench::peakMemoryMb());
    return 0;
}
