// The real Varnel and Tormin, run in a folder of their own as the main program starts them.

#include <fcntl.h>
#include <sys/resource.h>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>
#include <csignal>
#include <filesystem>

#include "sort/record_sort.h"
#include "support/collection_dir.h"

using store::Field;

namespace {

const QString kVarnel = QStringLiteral(SONVELLA_VARNEL);
const QString kTormin = QStringLiteral(SONVELLA_TORMIN);

struct Run {
    int exitCode = -1;
    QString out;
    QString err;
};

QByteArray collection(const QList<QStringList>& records) {
    QByteArray bytes;
    for (const QStringList& fields : records)
        bytes += testing::record(fields).bytes().toByteArray();
    return bytes;
}

// Whether the process has a file of `dir` open for writing; a file made without a name shows as
// "<dir>/#<inode> (deleted)". With no process (pid 0), whether the system shows this at all.
bool writingInto(qint64 pid, const QString& dir) {
    namespace fs = std::filesystem;
    std::error_code error;
    if (pid == 0) return fs::exists("/proc/self/fdinfo", error);
    const QString proc = QStringLiteral("/proc/%1/").arg(pid);
    const std::string prefix = QFileInfo(dir).canonicalFilePath().toStdString() + '/';
    for (fs::directory_iterator fd(proc.toStdString() + "fd", error), end; !error && fd != end;
         fd.increment(error)) {
        const std::string target = fs::read_symlink(fd->path(), error).string();
        if (error || !target.starts_with(prefix)) continue;
        QFile info(proc + "fdinfo/" + QString::fromStdString(fd->path().filename().string()));
        if (!info.open(QIODevice::ReadOnly)) continue;
        for (const QByteArray& line : info.readAll().split('\n')) {
            if (!line.startsWith("flags:")) continue;
            if ((line.mid(6).trimmed().toInt(nullptr, 8) & O_ACCMODE) != O_RDONLY) return true;
        }
    }
    return false;
}

QStringList entries(const QTemporaryDir& dir) {
    return QDir(dir.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
}

}  // namespace

class SortToolsTest : public QObject {
    Q_OBJECT
private slots:
    void init();
    void sortTheFileOfTheirFolder_data();
    void sortTheFileOfTheirFolder();
    void anEmptyFileIsNothingToDo_data();
    void anEmptyFileIsNothingToDo();
    void failuresAreReportedAndChangeNothing_data();
    void failuresAreReportedAndChangeNothing();
    void aToolKilledHalfWayLeavesAWholeFile();
    void theSortedFileKeepsItsPermissions();

private:
    // Runs a tool in the folder; a size limit makes every write past it fail.
    Run run(const QString& tool, rlim_t fileSizeLimit = RLIM_INFINITY);
    void write(const QByteArray& bytes) const;
    QByteArray read() const;

    std::unique_ptr<QTemporaryDir> dir_;
};

void SortToolsTest::init() {
    dir_ = std::make_unique<QTemporaryDir>();
    QVERIFY(dir_->isValid());
}

Run SortToolsTest::run(const QString& tool, rlim_t fileSizeLimit) {
    QProcess process;
    process.setWorkingDirectory(dir_->path());
    process.setChildProcessModifier([fileSizeLimit] {
        // Ignored, the signal lets the write fail with an error instead of ending the tool.
        std::signal(SIGXFSZ, SIG_IGN);
        const rlimit limit{fileSizeLimit, fileSizeLimit};
        setrlimit(RLIMIT_FSIZE, &limit);
    });
    process.start(tool, {});
    Run result;
    if (!process.waitForFinished(20000) || process.exitStatus() != QProcess::NormalExit) {
        qWarning() << tool << "did not finish:" << process.errorString();
        return result;
    }
    result.exitCode = process.exitCode();
    result.out = QString::fromLocal8Bit(process.readAllStandardOutput());
    result.err = QString::fromLocal8Bit(process.readAllStandardError());
    return result;
}

void SortToolsTest::write(const QByteArray& bytes) const {
    QFile f(dir_->filePath("Clasical.dat"));
    QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    QCOMPARE(f.write(bytes), bytes.size());
}

QByteArray SortToolsTest::read() const {
    QFile f(dir_->filePath("Clasical.dat"));
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void SortToolsTest::sortTheFileOfTheirFolder_data() {
    QTest::addColumn<QString>("tool");
    QTest::addColumn<Field>("key");
    QTest::addColumn<QString>("report");
    QTest::newRow("Varnel") << kVarnel << Field::Composer
                            << "Sorted 5 records of Clasical.dat by Composer.\n"
                               "1 deleted record is at the end; the last 3 bytes, less than a "
                               "whole record, were kept at the very end.\n";
    QTest::newRow("Tormin") << kTormin << Field::Identity
                            << "Sorted 5 records of Clasical.dat by Identity.\n"
                               "1 deleted record is at the end; the last 3 bytes, less than a "
                               "whole record, were kept at the very end.\n";
}

void SortToolsTest::sortTheFileOfTheirFolder() {
    QFETCH(QString, tool);
    QFETCH(Field, key);
    QFETCH(QString, report);
    const QList<QStringList> records = {{"CD 3", "Σκαλκώτας", "a"},
                                        {"~~~"},
                                        {"CD 1", "Vivaldi", "b"},
                                        {"LP 2", "Albinoni", "c"},
                                        {"LP 9", "bach", "d"}};
    write(collection(records) + "end");
    const Run r = run(tool);
    QCOMPARE(r.err, QString());
    QCOMPARE(r.exitCode, 0);
    QCOMPARE(r.out, report);
    const QByteArray sorted = read();
    const QList<QStringList> byComposer = {records[3], records[4], records[2], records[0],
                                           records[1]};
    const QList<QStringList> byIdentity = {records[2], records[0], records[3], records[4],
                                           records[1]};
    QCOMPARE(sorted, collection(key == Field::Composer ? byComposer : byIdentity) + "end");
    QCOMPARE(entries(*dir_), QStringList{"Clasical.dat"});

    const Run again = run(tool);
    QCOMPARE(again.exitCode, 0);
    QVERIFY2(
        again.out.startsWith(QStringLiteral("Clasical.dat is already in order by %1 (5 records)")
                                 .arg(key == Field::Composer ? "Composer" : "Identity")),
        qPrintable(again.out));
    QCOMPARE(read(), sorted);
}

void SortToolsTest::anEmptyFileIsNothingToDo_data() {
    QTest::addColumn<QString>("tool");
    QTest::newRow("Varnel") << kVarnel;
    QTest::newRow("Tormin") << kTormin;
}

void SortToolsTest::anEmptyFileIsNothingToDo() {
    QFETCH(QString, tool);
    write({});
    const Run r = run(tool);
    QCOMPARE(r.exitCode, 0);
    QCOMPARE(r.out, QStringLiteral("Clasical.dat is empty: nothing to sort.\n"));
    QCOMPARE(r.err, QString());
    QVERIFY(QFile::exists(dir_->filePath("Clasical.dat")));
    QCOMPARE(read(), QByteArray());
}

void SortToolsTest::failuresAreReportedAndChangeNothing_data() {
    QTest::addColumn<QString>("tool");
    QTest::addColumn<QString>("setup");
    QTest::addColumn<QString>("message");
    QTest::newRow("no file") << kTormin << "none"
                             << "Tormin: %1 does not exist; nothing was changed.\n";
    QTest::newRow("a folder") << kVarnel << "folder"
                              << "Varnel: %1 is a folder, not a file; nothing was changed.\n";
    // A small file goes out in one piece when the tool is done; a large one in the middle.
    QTest::newRow("cannot write a small file") << kVarnel << "small"
                                               << "Varnel: cannot write %1: ";
    QTest::newRow("cannot write a large file") << kTormin << "large"
                                               << "Tormin: cannot write %1: ";
}

void SortToolsTest::failuresAreReportedAndChangeNothing() {
    QFETCH(QString, tool);
    QFETCH(QString, setup);
    QFETCH(QString, message);
    QByteArray unsorted = collection({{"2", "Vivaldi"}, {"1", "Albinoni"}, {"3", "Bach"}});
    if (setup == "large") unsorted = unsorted.repeated(100);
    const bool tooLarge = setup == "small" || setup == "large";
    rlim_t limit = RLIM_INFINITY;
    if (setup == "folder") QVERIFY(QDir(dir_->path()).mkdir("Clasical.dat"));
    if (tooLarge) {
        write(unsorted);
        limit = unsorted.size() - 10;  // the sorted copy cannot be written whole
    }
    const QStringList before = entries(*dir_);
    const Run r = run(tool, limit);
    QVERIFY(r.exitCode > 0);
    QCOMPARE(r.out, QString());
    const QString where = QDir::toNativeSeparators(dir_->filePath("Clasical.dat"));
    QVERIFY2(r.err.startsWith(message.arg(where)), qPrintable(r.err));
    QVERIFY2(r.err.endsWith("nothing was changed.\n"), qPrintable(r.err));
    QCOMPARE(entries(*dir_), before);
    if (tooLarge) QCOMPARE(read(), unsorted);
}

void SortToolsTest::aToolKilledHalfWayLeavesAWholeFile() {
    // A large collection, so that there is time to stop the tool while it reads, sorts or writes;
    // a reader must then find the whole old file or the whole sorted one, and nothing beside it.
    QRandomGenerator random(455);
    QByteArray old;
    old.reserve(200000 * qsizetype(store::kRecordLength));
    store::OpusRecord r;
    for (int i = 0; i < 200000; ++i) {
        r.setText(Field::Identity, QStringLiteral("No%1").arg(i));
        r.setText(Field::Composer, QStringLiteral("Composer %1").arg(random.bounded(5000)));
        old += r.bytes();
    }
    QByteArray sorted;  // made only when a tool leaves a file that is not the old one

    // Moments after the start (in ms), and, where the system shows what a process has open, moments
    // after the tool began to write its sorted copy; that is where a tool that wrote over the old
    // file would leave half of each.
    struct Kill {
        int afterMs;
        bool onceWriting;
    };
    const Kill kills[] = {{5, false}, {60, false}, {400, false}, {0, true}, {4, true}};
    const bool canSeeFiles = writingInto(0, {});
    int stoppedWriting = 0;
    for (const Kill& kill : kills) {
        if (kill.onceWriting && !canSeeFiles) continue;
        const QString when = QStringLiteral("%1 ms after %2")
                                 .arg(kill.afterMs)
                                 .arg(kill.onceWriting ? "it began to write" : "the start");
        if (read() != old) write(old);
        QProcess process;
        process.setWorkingDirectory(dir_->path());
        process.start(kVarnel, {});
        QVERIFY(process.waitForStarted());
        bool writing = false;
        if (kill.onceWriting) {
            while (process.state() == QProcess::Running && !writing) {
                writing = writingInto(process.processId(), dir_->path());
                if (!writing) QThread::usleep(200);
            }
            QVERIFY2(writing, "the tool was never seen writing");
        }
        if (!process.waitForFinished(kill.afterMs)) {
            process.kill();
            QVERIFY(process.waitForFinished());
            if (writing) ++stoppedWriting;
        }
        const QByteArray now = read();
        if (now != old && sorted.isEmpty()) sorted = sorting::sortCollection(old, Field::Composer);
        QVERIFY2(now == old || now == sorted, qPrintable("a mixed file when stopped " + when));
        QVERIFY2(entries(*dir_) == QStringList{"Clasical.dat"},
                 qPrintable(entries(*dir_).join(", ") + " when stopped " + when));
    }
    if (!canSeeFiles) QSKIP("this system does not show what a process has open");
    QVERIFY2(stoppedWriting > 0, "the tool was never stopped while writing");
}

void SortToolsTest::theSortedFileKeepsItsPermissions() {
    write(collection({{"2", "Vivaldi"}, {"1", "Albinoni"}}));
    const auto shared = QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup |
                        QFile::WriteGroup | QFile::ReadOther;
    QVERIFY(QFile::setPermissions(dir_->filePath("Clasical.dat"), shared));
    const QFileDevice::Permissions before = QFileInfo(dir_->filePath("Clasical.dat")).permissions();
    QCOMPARE(run(kVarnel).exitCode, 0);
    QCOMPARE(read(), collection({{"1", "Albinoni"}, {"2", "Vivaldi"}}));
    QCOMPARE(QFileInfo(dir_->filePath("Clasical.dat")).permissions(), before);
}

QTEST_GUILESS_MAIN(SortToolsTest)
#include "tst_sort_tools.moc"
