// How fast CSV goes out and in: a file of 100,000 rows (by default) with the variety of a real
// one (Greek names, commas and quotes inside fields, line breaks among the soloists, now and then
// an accented Latin letter or a title too long) previewed in the window's state (the whole file
// read on its thread, from open() to the preview shown) and imported into a collection, and the
// collection that makes exported again; beside a floor pass that only reads the file. Prints
// figures; run it from the build's bin folder:  csv_bench [rows]   (100000 by default)

#include <QCoreApplication>
#include <QDir>
#include <QEventLoop>
#include <QFile>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <vector>

#include "bench/bench_support.h"
#include "csv/csv_export.h"
#include "csv/csv_import.h"
#include "csv/progress.h"
#include "platform/dialogs.h"
#include "record/record_window.h"
#include "support/fakes.h"

namespace {

constexpr int kRuns = 5;

// Answers every box as a user who exports everything would, and keeps the last text shown.
class AnsweringDialogs : public platform::Dialogs {
public:
    QString savePath;
    QString lastText;
    platform::Answer message(const platform::Message& m) override {
        lastText = m.text;
        return m.buttons == platform::Buttons::YesNoCancel ? platform::Answer::No
                                                           : platform::Answer::Ok;
    }
    QString input(const QString&, const QString&, const QString&) override { return {}; }
    QString openFile(const platform::FileDialog&) override { return {}; }
    QString saveFile(const platform::FileDialog&) override { return savePath; }
    QString folder(const QString&, const QString&, FolderChoice) override { return {}; }
    int choose(const QString&, const QString&, const QStringList&) override { return -1; }
    void beep() override {}
};

class NoProgress : public csv::Progress {
public:
    void begin(const QString&, std::int64_t) override {}
    bool advance(std::int64_t) override { return true; }
    void end() override {}
};

void writeCsv(const QString& path, std::int64_t rows) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        qFatal("cannot write %s", qPrintable(path));
    const char* composers[] = {"Johann Sebastian Bach", "Μίκης Θεοδωράκης", "Gustav Mahler",
                               "Νίκος Σκαλκώτας",       "Franz Schubert",   "Maurice Ravel"};
    const char* titles[] = {"\"Symphony No. 2 in C minor, \"\"Resurrection\"\"\"", "Άξιον Εστί",
                            "\"Winterreise, D. 911\"", "Goldberg Variations"};
    QByteArray block =
        "\xEF\xBB\xBFOpus No,Identity,Composer,Title,Orchestra/Conductor,"
        "Soloists,Cover\r\n";
    for (std::int64_t n = 1; n <= rows; ++n) {
        block += QByteArray::number(n) + ",No" + QByteArray::number(n / 3).rightJustified(6, '0') +
                 " CD,";
        block += n % 500 == 0 ? "Antonín Dvořák" : composers[n % 6];
        block += ',';
        block += n % 700 == 0 ? QByteArray(70, 't') : QByteArray(titles[(n / 6) % 4]);
        block += ",Wiener Philharmoniker  Carlos Kleiber,";
        block += n % 7 == 0 ? "\"Gundula Janowitz\r\nChrista Ludwig\"" : "\"Glenn Gould, piano\"";
        block += ",\"Deutsche Grammophon, 1974\"\r\n";
        if (block.size() > (1 << 20)) {
            file.write(block);
            block.clear();
        }
    }
    file.write(block);
}

double floorPass(const QString& path) {
    const double start = bench::now();
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Unbuffered)) qFatal("cannot read the file");
    QByteArray buffer(1 << 20, Qt::Uninitialized);
    while (file.read(buffer.data(), buffer.size()) > 0) {
    }
    return bench::now() - start;
}

void waitUntil(const std::function<bool()>& done) {
    QEventLoop loop;
    while (!done()) loop.processEvents(QEventLoop::WaitForMoreEvents);
}

using Figures = bench::BestAndMedian;

}  // namespace

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    const std::int64_t rows = bench::countArgument(argc, argv, 100000);
    QTemporaryDir dir;
    bench::enterFolder(dir.path());
    const QString csvPath = dir.filePath(QStringLiteral("in.csv"));
    writeCsv(csvPath, rows);
    bench::warmCache(csvPath);
    const double mb = double(QFile(csvPath).size()) / 1e6;
    std::printf("CSV benchmark: %lld rows (%.1f MB), best and median of %d runs\n",
                static_cast<long long>(rows), mb, kRuns);

    testing::Fakes fakes;
    AnsweringDialogs dialogs;
    const platform::Services services{dialogs,     fakes.shell,     fakes.clipboard, fakes.printJob,
                                      fakes.clock, fakes.processes, fakes.help};
    record::Session session;
    NoProgress progress;
    std::int64_t imported = 0;
    std::size_t problems = 0;

    const Figures floor = bench::bestAndMedian(kRuns, [&] { return floorPass(csvPath); });
    std::printf("%-34s %7.4f s %7.4f s\n", "Floor: the file read in 1 MB blocks", floor.best,
                floor.median);

    // From open() to the preview shown: the start looked at, the whole file read on the thread.
    const Figures preview = bench::bestAndMedian(kRuns, [&] {
        QFile::remove(QStringLiteral("Clasical.dat"));
        record::RecordWindow window(session, services);
        if (!window.Form_Load()) qFatal("cannot load the collection");
        const double start = bench::now();
        csv::CsvImport import(window, csvPath);
        if (!import.open()) qFatal("the file was refused");
        waitUntil([&] { return import.phase() != csv::CsvImport::Phase::Reading; });
        const double seconds = bench::now() - start;
        if (import.phase() != csv::CsvImport::Phase::Ready) qFatal("the preview failed");
        imported = import.analysis().imported;
        problems = import.analysis().problems.size();
        return seconds;
    });
    std::printf("%-34s %7.3f s %7.3f s   %lld to import, %zu problems listed\n",
                "Preview (the whole file read)", preview.best, preview.median,
                static_cast<long long>(imported), problems);

    // "Import" into an empty collection: the file read again and every record written.
    const Figures import = bench::bestAndMedian(kRuns, [&] {
        QFile::remove(QStringLiteral("Clasical.dat"));
        record::RecordWindow window(session, services);
        if (!window.Form_Load()) qFatal("cannot load the collection");
        csv::CsvImport csvImport(window, csvPath);
        if (!csvImport.open()) qFatal("the file was refused");
        waitUntil([&] { return csvImport.phase() != csv::CsvImport::Phase::Reading; });
        const double start = bench::now();
        if (!csvImport.importRows(progress)) qFatal("the import failed");
        const double seconds = bench::now() - start;
        if (window.state().N != imported) qFatal("not every row was imported");
        return seconds;
    });
    std::printf("%-34s %7.3f s %7.3f s\n", "Import (into the collection)", import.best,
                import.median);

    // The collection that made, exported.
    record::RecordWindow window(session, services);
    if (!window.Form_Load()) qFatal("cannot load the collection");
    const QString out = dir.filePath(QStringLiteral("out.csv"));
    const Figures exported = bench::bestAndMedian(kRuns, [&] {
        dialogs.savePath = out;
        const double start = bench::now();
        csv::mnuExportCsv(window, progress);
        const double seconds = bench::now() - start;
        if (!dialogs.lastText.startsWith(QString::number(window.state().N)))
            qFatal("the export failed");
        return seconds;
    });
    std::printf("%-34s %7.3f s %7.3f s   %lld records\n", "Export of that collection",
                exported.best, exported.median, static_cast<long long>(window.state().N));
    std::printf("Peak memory: %.1f MB\n", bench::peakMemoryMb());
    return 0;
}
