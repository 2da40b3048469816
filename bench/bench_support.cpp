#include "bench/bench_support.h"

#include <sys/resource.h>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>

#include "store/opus_record.h"

namespace bench {

void writeCollection(const QString& path, std::int64_t records) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        qFatal("cannot write %s", qPrintable(path));
    const char* composers[] = {"Johann Sebastian Bach", "Ludwig van Beethoven", "Gustav Mahler",
                               "Franz Schubert"};
    const char* titles[] = {"Symphony No. 5", "Mass in B minor", "Winterreise",
                            "Goldberg Variations"};
    QByteArray block;
    constexpr int kBlock = 4096;
    for (std::int64_t n = 1; n <= records; ++n) {
        store::OpusRecord r;
        r.setText(store::Field::Identity,
                  QStringLiteral("No%1 CD").arg(n / 4, 6, 10, QLatin1Char('0')));
        r.setText(store::Field::Composer, QString::fromLatin1(composers[n % 4]));
        r.setText(store::Field::Title, QString::fromLatin1(titles[(n / 4) % 4]));
        r.setText(store::Field::Orchestra, QStringLiteral("Wiener Philharmoniker  Carlos Kleiber"));
        r.setText(store::Field::Soloists, QStringLiteral("Gundula Janowitz  Christa Ludwig"));
        r.setText(store::Field::Cover, QStringLiteral("Deutsche Grammophon"));
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

double now() {
    static QElapsedTimer clock = [] {
        QElapsedTimer t;
        t.start();
        return t;
    }();
    return clock.nsecsElapsed() / 1e9;
}

}  // namespace bench
