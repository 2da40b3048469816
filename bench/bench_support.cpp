#include "bench/bench_support.h"

#include <sys/resource.h>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <algorithm>
#include <iterator>
#include <vector>

#include "store/opus_record.h"

namespace bench {

void writeCollection(const QString& path, std::int64_t records) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        qFatal("cannot write %s", qPrintable(path));
    const char* composers[] = {"Johann Sebastian Bach", "Ludwig van Beethoven", "Gustav Mahler",
                               "Franz Schubert", "Claudio Monteverdi"};
    const char* titles[] = {"Symphony No. 5",
                            "Mass in B minor",
                            "Winterreise",
                            "Goldberg Variations",
                            "Vespro della Beata Vergine",
                            "Lieder"};
    const char* orchestras[] = {"Wiener Philharmoniker",     "Berliner Philharmoniker",
                                "London Symphony Orchestra", "Concentus Musicus Wien",
                                "Orchestre de Paris",        "Staatskapelle Dresden",
                                "Monteverdi Choir"};
    const char* conductors[] = {"Carlos Kleiber", "Herbert von Karajan", "Claudio Abbado",
                                "Nikolaus Harnoncourt", "John Eliot Gardiner"};
    const char* soloists[] = {
        "Gundula Janowitz  Christa Ludwig",  "Dietrich Fischer-Dieskau", "Glenn Gould, piano", "",
        "Anne Sofie von Otter  Bryn Terfel", "Gidon Kremer, violin"};
    const char* labels[] = {"Deutsche Grammophon", "EMI Classics", "Decca",          "Philips",
                            "Archiv Produktion",   "Teldec",       "Sony Classical", "Erato"};
    QByteArray block;
    constexpr int kBlock = 4096;
    for (std::int64_t n = 1; n <= records; ++n) {
        // Four records a medium: the medium's Identity, composer, performers and label, and a
        // work of its own in each record.
        const std::int64_t medium = n / 4;
        const auto pick = [medium](const auto& list, std::int64_t salt = 0) {
            return QString::fromLatin1(list[(medium * 7 + salt) % std::size(list)]);
        };
        store::OpusRecord r;
        r.setText(store::Field::Identity,
                  QStringLiteral("No%1 CD").arg(medium, 6, 10, QLatin1Char('0')));
        r.setText(store::Field::Composer, pick(composers));
        r.setText(store::Field::Title, QString::fromLatin1(titles[n % std::size(titles)]));
        r.setText(store::Field::Orchestra,
                  pick(orchestras) + QStringLiteral("  ") + pick(conductors, 3));
        r.setText(store::Field::Soloists, pick(soloists, 1));
        r.setText(store::Field::Cover, pick(labels, 5));
        block.append(r.data(), store::kRecordLength);
        if (n % kBlock == 0 || n == records) {
            file.write(block);
            block.clear();
        }
    }
}

void warmCache(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return;
    QByteArray buffer(1 << 20, Qt::Uninitialized);
    while (file.read(buffer.data(), buffer.size()) > 0) {
    }
}

std::int64_t floorPass(const QString& path, std::int64_t records) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Unbuffered))
        qFatal("cannot read %s", qPrintable(path));
    constexpr qint64 kRecords = (1 << 20) / store::kRecordLength;
    QByteArray block(kRecords * store::kRecordLength, Qt::Uninitialized);
    std::int64_t left = records < 0 ? file.size() / store::kRecordLength : records;
    std::int64_t counted = 0;
    while (left > 0) {
        const qint64 want = std::min<std::int64_t>(left, kRecords) * store::kRecordLength;
        const qint64 got = file.read(block.data(), want);
        if (got <= 0) break;
        for (qint64 at = 0; at + store::kRecordLength <= got; at += store::kRecordLength) {
            if (block[at + store::fieldOffset(store::Field::Composer)] == 'S') ++counted;
        }
        left -= got / store::kRecordLength;
    }
    return counted;
}

double timeProgram(const QString& program, const QStringList& arguments) {
    QProcess process;
    process.setProcessChannelMode(QProcess::MergedChannels);
    const double start = now();
    process.start(program, arguments);
    if (!process.waitForFinished(-1) || process.exitStatus() != QProcess::NormalExit) return -1;
    return now() - start;
}

double timeProgramInto(const QString& program, const QStringList& arguments,
                       const QString& output) {
    QProcess process;
    process.setStandardOutputFile(output);
    const double start = now();
    process.start(program, arguments);
    if (!process.waitForFinished(-1) || process.exitStatus() != QProcess::NormalExit) return -1;
    return now() - start;
}

double timePlainReformat(const QString& collection, const QString& output) {
    const double start = now();
    // Two passes, two files: as many lines as an export writes.
    for (const QString& name : {output + QStringLiteral(".1"), output + QStringLiteral(".2")}) {
        QFile in(collection), out(name);
        if (!in.open(QIODevice::ReadOnly) || !out.open(QIODevice::WriteOnly | QIODevice::Truncate))
            return -1;
        constexpr qint64 kRecords = 2048;
        QByteArray block(kRecords * store::kRecordLength, Qt::Uninitialized);
        QByteArray lines;
        lines.reserve(kRecords * (store::kRecordLength + 2));
        for (;;) {
            const qint64 got = in.read(block.data(), block.size());
            if (got <= 0) break;
            lines.clear();
            for (qint64 at = 0; at + store::kRecordLength <= got; at += store::kRecordLength) {
                lines.append(block.constData() + at, store::kRecordLength);
                lines.append("\r\n", 2);
            }
            out.write(lines);
        }
    }
    return now() - start;
}

void writeListFiles() {
    for (const char* list : {"Composers.txt", "Conductors.txt", "Title.txt", "Orchestras.txt",
                             "AKSoloists.txt", "LZSoloists.txt", "Vocal.txt", "Labels.txt"}) {
        QFile f(QString::fromLatin1(list));
        f.open(QIODevice::WriteOnly);
        f.write("Name\r\n");
    }
}

void enterFolder(const QString& folder) {
    QDir::setCurrent(folder);
    qputenv("HOME", folder.toLocal8Bit());
    writeListFiles();
}

std::int64_t countArgument(int argc, char* argv[], std::int64_t fallback) {
    return argc > 1 ? QByteArray(argv[1]).toLongLong() : fallback;
}

double peakMemoryMb() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss / 1024.0;  // kilobytes on Linux
}

double cpuSeconds() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_utime.tv_sec + usage.ru_stime.tv_sec +
           (usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

Timing timed(const std::function<void()>& run) {
    const double start = now(), startCpu = cpuSeconds();
    run();
    return {now() - start, cpuSeconds() - startCpu};
}

Timing bestOf(int runs, const std::function<void()>& run) {
    Timing best = timed(run);
    for (int i = 1; i < runs; ++i) {
        const Timing t = timed(run);
        best.seconds = std::min(best.seconds, t.seconds);
        best.cpu = std::min(best.cpu, t.cpu);
    }
    return best;
}

BestAndMedian bestAndMedian(int runs, const std::function<double()>& once) {
    std::vector<double> seconds;
    for (int i = 0; i < runs; ++i) seconds.push_back(once());
    std::sort(seconds.begin(), seconds.end());
    return {seconds.front(), seconds[seconds.size() / 2]};
}

double now() {
    static QElapsedTimer clock = [] {
        QElapsedTimer t;
        t.start();
        return t;
    }();
    return clock.nsecsElapsed() / 1e9;
}

}  // namespace bench
