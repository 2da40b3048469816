// The record layout and the collection file: counts, reads, writes, markers.

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <cstring>
#include <stdexcept>

#include "store/codepage.h"
#include "store/collection_file.h"
#include "store/store_error.h"
#include "support/file_size_limit.h"

#ifdef Q_OS_UNIX
#include <sys/stat.h>
#endif

using store::CollectionFile;
using store::Field;
using store::OpusRecord;
using store::StoreError;

class CollectionFileTest : public QObject {
    Q_OBJECT
private slots:
    void init();
    void fieldsArePaddedAndCut();
    void trimmingRemovesBlanksOnly();
    void fieldsTrimAndDecodeAsTheyReadWhateverTheirLength();
    void recordCountIsRounded_data();
    void recordCountIsRounded();
    void missingFileIsCreatedEmpty();
    void readsBeyondTheEndAsBlanks();
    void writesAreSeenByASecondHandle();
    void appendingGrowsByOneRecord();
    void appendingAfterAPartialRecordCompletesItWithBlanks();
    void aWriteThatFailsPartWayLeavesTheFileAsItWas_data();
    void aWriteThatFailsPartWayLeavesTheFileAsItWas();
    void manyRecordsAreWrittenAllOrNothing();
    void numbersBelowOneAreRefused();
    void aDeviceOrFifoIsNoCollection();
    void aFolderCannotBeOpened();
    void writesUnderAChangedFileAreRefused_data();
    void writesUnderAChangedFileAreRefused();

private:
    QString file(const char* name = "Clasical.dat") const {
        return dir_->filePath(QLatin1String(name));
    }
    void writeBytes(const QByteArray& bytes) const {
        QFile f(file());
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(bytes);
    }
    std::unique_ptr<QTemporaryDir> dir_;
};

void CollectionFileTest::init() {
    dir_ = std::make_unique<QTemporaryDir>();
}

void CollectionFileTest::fieldsArePaddedAndCut() {
    OpusRecord r;
    r.setText(Field::Composer, QStringLiteral("Bach"));
    r.setText(Field::Identity, QString(50, QLatin1Char('x')));
    QCOMPARE(r.field(Field::Composer).toByteArray(), QByteArray("Bach") + QByteArray(41, ' '));
    QCOMPARE(r.field(Field::Identity).toByteArray(), QByteArray(45, 'x'));
    QCOMPARE(r.field(Field::Title).toByteArray(), QByteArray(60, ' '));
    QCOMPARE(r.bytes().size(), 455);
    // The fields lie at their offsets, one after the other.
    QCOMPARE(r.bytes().toByteArray().mid(45, 4), QByteArray("Bach"));
}

void CollectionFileTest::trimmingRemovesBlanksOnly() {
    OpusRecord r;
    r.setText(Field::Composer, QStringLiteral("  Bach  "));
    QCOMPARE(r.field(Field::Composer).toByteArray(), QByteArray("  Bach") + QByteArray(39, ' '));
    QCOMPARE(r.trimmed(Field::Composer), QStringLiteral("Bach"));
    r.trimAll();
    QCOMPARE(r.field(Field::Composer).toByteArray(), QByteArray("Bach") + QByteArray(41, ' '));
    r.setText(Field::Title, QStringLiteral("\tTab"));
    QCOMPARE(r.trimmed(Field::Title), QStringLiteral("\tTab"));
}

void CollectionFileTest::fieldsTrimAndDecodeAsTheyReadWhateverTheirLength() {
    // A pass over the collection trims and decodes fields many bytes at a time: for every length
    // and place of a word among blanks, with a Greek letter in it or not, the result is what the
    // plain rule, a character at a time, gives.
    QString reused;
    for (int lead = 0; lead <= 45; ++lead) {
        for (int word = 0; lead + word <= 45; ++word) {
            for (const bool greek : {false, true}) {
                QByteArray identity(45, ' ');
                for (int i = 0; i < word; ++i) identity[lead + i] = char('a' + i % 26);
                if (greek && word > 0) identity[lead + word / 2] = '\xE1';  // alpha
                const QByteArrayView bytes(identity);
                const QString plain = store::trimBlanks(store::fromDisk(bytes));
                QCOMPARE(store::trimBlankBytes(bytes), bytes.sliced(lead, word));
                QCOMPARE(store::isAscii(bytes), !greek || word == 0);
                store::fromDiskInto(reused, store::trimBlankBytes(bytes));
                QCOMPARE(reused, plain);

                OpusRecord fast = OpusRecord::fromBytes(identity + identity.left(45));
                OpusRecord slow = fast;
                fast.trimAll();
                for (Field f : store::kAllFields) slow.setText(f, slow.trimmed(f));
                QCOMPARE(fast.bytes().toByteArray(), slow.bytes().toByteArray());
                QCOMPARE(store::mediumKey(bytes), store::mediumKey(fast.field(Field::Identity)));
                QCOMPARE(store::packedMediumKey(bytes),
                         store::packedMediumKey(store::mediumKey(bytes)));
            }
        }
    }
}

void CollectionFileTest::recordCountIsRounded_data() {
    QTest::addColumn<qint64>("length");
    QTest::addColumn<int>("n");
    QTest::newRow("empty") << qint64(0) << 1;
    QTest::newRow("one byte") << qint64(1) << 1;
    QTest::newRow("227 bytes") << qint64(227) << 1;
    QTest::newRow("228 bytes") << qint64(228) << 1;
    QTest::newRow("one record") << qint64(455) << 1;
    QTest::newRow("3 records and 200") << qint64(455 * 3 + 200) << 3;
    QTest::newRow("3 records and 300") << qint64(455 * 3 + 300) << 4;
    QTest::newRow("3 records and 227") << qint64(455 * 3 + 227) << 3;
    QTest::newRow("3 records and 228") << qint64(455 * 3 + 228) << 4;
    QTest::newRow("10 records less one byte") << qint64(4549) << 10;
    QTest::newRow("10 records and one byte") << qint64(4551) << 10;
}

void CollectionFileTest::recordCountIsRounded() {
    QFETCH(qint64, length);
    QFETCH(int, n);
    writeBytes(QByteArray(length, 'a'));
    CollectionFile f(file());
    f.open();
    QCOMPARE(f.recordCount(), n);
    QCOMPARE(f.fileLength(), length);
}

void CollectionFileTest::missingFileIsCreatedEmpty() {
    CollectionFile f(file());
    f.open();
    QVERIFY(QFile::exists(file()));
    QCOMPARE(f.fileLength(), 0);
    QCOMPARE(f.recordCount(), 1);
    QCOMPARE(f.read(1), OpusRecord());
}

void CollectionFileTest::readsBeyondTheEndAsBlanks() {
    writeBytes(QByteArray(455, 'a') + QByteArray("bcd"));
    CollectionFile f(file());
    f.open();
    QCOMPARE(f.read(1).bytes().toByteArray(), QByteArray(455, 'a'));
    QCOMPARE(f.read(2).bytes().toByteArray(), QByteArray("bcd") + QByteArray(452, ' '));
    QCOMPARE(f.read(7), OpusRecord());
}

void CollectionFileTest::writesAreSeenByASecondHandle() {
    CollectionFile main(file()), multi(file());
    main.open();
    multi.open();
    OpusRecord r;
    r.setText(Field::Title, QStringLiteral("Goldberg Variations"));
    main.write(1, r);
    QCOMPARE(multi.read(1), r);
    QCOMPARE(multi.recordCount(), 1);
}

void CollectionFileTest::appendingGrowsByOneRecord() {
    writeBytes(QByteArray(455 * 10, 'z'));
    CollectionFile f(file());
    f.open();
    f.write(11, OpusRecord::withIdentity(store::kNewIdentity));
    QCOMPARE(f.fileLength(), 455 * 11);
    QCOMPARE(f.read(11).trimmed(Field::Identity), QStringLiteral("No"));
    f.write(3, OpusRecord::withIdentity(store::kDeletedIdentity));
    QCOMPARE(f.fileLength(), 455 * 11);
    QCOMPARE(f.read(3).field(Field::Identity).toByteArray(),
             QByteArray("~~~") + QByteArray(42, ' '));
    QCOMPARE(f.read(3).field(Field::Cover).toByteArray(), QByteArray(115, ' '));
    QCOMPARE(f.read(2).bytes().toByteArray(), QByteArray(455, 'z'));
}

void CollectionFileTest::appendingAfterAPartialRecordCompletesItWithBlanks() {
    writeBytes(QByteArray(455 * 2 + 300, 'z'));
    CollectionFile f(file());
    f.open();
    QCOMPARE(f.recordCount(), 3);
    f.write(4, OpusRecord::withIdentity(store::kNewIdentity));
    QCOMPARE(f.fileLength(), 455 * 4);
    QCOMPARE(f.read(3).bytes().toByteArray(), QByteArray(300, 'z') + QByteArray(155, ' '));
    QCOMPARE(f.read(4).trimmed(Field::Identity), QStringLiteral("No"));
}

void CollectionFileTest::aWriteThatFailsPartWayLeavesTheFileAsItWas_data() {
    QTest::addColumn<qint64>("length");
    QTest::addColumn<int>("n");
    QTest::newRow("appended record") << qint64(455 * 4) << 5;
    QTest::newRow("over a partial record") << qint64(455 * 3 + 300) << 4;
}

void CollectionFileTest::aWriteThatFailsPartWayLeavesTheFileAsItWas() {
#ifndef Q_OS_UNIX
    QSKIP("needs a per-process file size limit");
#else
    QFETCH(qint64, length);
    QFETCH(int, n);
    QByteArray before;
    for (qint64 i = 0; i < length; ++i) before += char('a' + i % 26);
    writeBytes(before);
    CollectionFile f(file());
    f.open();
    OpusRecord r;
    r.setText(Field::Composer, QStringLiteral("Mahler"));
    {
        testing::FileSizeLimit limit(455 * (n - 1) + 400);
        QVERIFY(limit.active());
        try {
            f.write(n, r);
            QFAIL("a write cut short was reported as done");
        } catch (const StoreError& e) {
            QCOMPARE(e.kind(), StoreError::Kind::WriteFailed);
            QVERIFY2(e.message().endsWith(QStringLiteral("File too large")),
                     qPrintable(e.message()));
        }
    }
    QFile back(file());
    QVERIFY(back.open(QIODevice::ReadOnly));
    QCOMPARE(back.readAll(), before);
#endif
}

void CollectionFileTest::manyRecordsAreWrittenAllOrNothing() {
#ifndef Q_OS_UNIX
    QSKIP("needs a per-process file size limit");
#else
    QByteArray before;
    for (int i = 0; i < 455 * 2 + 300; ++i) before += char('a' + i % 26);
    writeBytes(before);
    CollectionFile f(file());
    f.open();
    // Records with their number as Composer, more than one block of them.
    int handed = 0;
    const auto numbered = [&handed](int total) {
        handed = 0;
        return [&handed, total](char* buffer, std::int32_t room) {
            const int n = std::min(room, total - handed);
            for (int i = 0; i < n; ++i) {
                OpusRecord r;
                r.setText(Field::Composer, QString::number(++handed));
                std::memcpy(buffer + i * 455, r.data(), 455);
            }
            return n;
        };
    };
    const auto fileBytes = [this] {
        QFile back(file());
        return back.open(QIODevice::ReadOnly) ? back.readAll() : QByteArray();
    };
    {
        // Over the partial record 3, failing in the second block: its bytes come back too.
        testing::FileSizeLimit limit(455 * 3000);
        QVERIFY(limit.active());
        QVERIFY_THROWS_EXCEPTION(StoreError, f.writeRecords(3, numbered(5000)));
    }
    QCOMPARE(handed, 4096);
    QCOMPARE(fileBytes(), before);
    QVERIFY_THROWS_EXCEPTION(std::runtime_error, f.writeRecords(4, [](char*, std::int32_t) -> int {
        throw std::runtime_error("the source could not go on");
    }));
    QCOMPARE(fileBytes(), before);

    QCOMPARE(f.writeRecords(4, numbered(5000)), 5000);
    QCOMPARE(f.fileLength(), 455 * 5003);
    QCOMPARE(f.read(3).bytes().toByteArray(), before.mid(910) + QByteArray(155, ' '));
    QCOMPARE(f.read(4).trimmed(Field::Composer), QStringLiteral("1"));
    QCOMPARE(f.read(5003).trimmed(Field::Composer), QStringLiteral("5000"));
#endif
}

void CollectionFileTest::numbersBelowOneAreRefused() {
    CollectionFile f(file());
    f.open();
    for (int n : {0, -1}) {
        try {
            f.read(n);
            QFAIL("read accepted a number below 1");
        } catch (const StoreError& e) {
            QCOMPARE(e.kind(), StoreError::Kind::BadRecordNumber);
        }
        QVERIFY_THROWS_EXCEPTION(StoreError, f.write(n, OpusRecord()));
    }
    QCOMPARE(f.fileLength(), 0);
}

void CollectionFileTest::aDeviceOrFifoIsNoCollection() {
#ifndef Q_OS_UNIX
    QSKIP("needs FIFOs and devices");
#else
    // A device would swallow every write; a FIFO would hold the program at its first read.
    QCOMPARE(::mkfifo(QFile::encodeName(file()).constData(), 0644), 0);
    for (const QString& path : {file(), QStringLiteral("/dev/full")}) {
        if (!QFile::exists(path)) continue;
        CollectionFile f(path);
        QVERIFY_THROWS_EXCEPTION(StoreError, f.open());
        QVERIFY_THROWS_EXCEPTION(StoreError, f.openForReading());
        QVERIFY(!f.isOpen());
    }
#endif
}

void CollectionFileTest::aFolderCannotBeOpened() {
    QVERIFY(QDir(dir_->path()).mkdir(QStringLiteral("Clasical.dat")));
    CollectionFile f(file());
    QVERIFY_THROWS_EXCEPTION(StoreError, f.open());
}

void CollectionFileTest::writesUnderAChangedFileAreRefused_data() {
    QTest::addColumn<QString>("change");
    QTest::addColumn<QString>("reason");
    QTest::newRow("made read-only") << "read-only"
                                    << "is read-only";
    QTest::newRow("replaced by a folder") << "folder"
                                          << "has been replaced by a folder";
    QTest::newRow("replaced by another file") << "other"
                                              << "has been replaced by another file";
    QTest::newRow("removed") << "removed"
                             << "is no longer there";
}

void CollectionFileTest::writesUnderAChangedFileAreRefused() {
    QFETCH(QString, change);
    QFETCH(QString, reason);
    writeBytes(QByteArray(455 * 2, 'q'));
    CollectionFile f(file());
    f.open();
    QFile::rename(file(), file("Moved.dat"));
    if (change == "read-only") {
        QFile::rename(file("Moved.dat"), file());
        QFile::setPermissions(file(), QFileDevice::ReadOwner | QFileDevice::ReadGroup);
    } else if (change == "folder") {
        QVERIFY(QDir(dir_->path()).mkdir("Clasical.dat"));
    } else if (change == "other") {
        writeBytes(QByteArray(455 * 2, 'q'));
    }
    try {
        f.write(1, OpusRecord());
        QFAIL("the write was taken");
    } catch (const StoreError& e) {
        QCOMPARE(e.kind(), StoreError::Kind::WriteFailed);
        QVERIFY2(e.message().endsWith(reason), qPrintable(e.message()));
    }
    // Nothing was written anywhere: the file the handle holds keeps its bytes.
    QCOMPARE(f.read(1).bytes().toByteArray(), QByteArray(455, 'q'));
}

QTEST_APPLESS_MAIN(CollectionFileTest)
#include "tst_collection_file.moc"
