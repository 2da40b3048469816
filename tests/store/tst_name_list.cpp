// Reading and appending the name-list files.

#include <QDir>
#include <QFile>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>

#ifdef Q_OS_UNIX
#include <sys/stat.h>
#endif

#include "store/codepage.h"
#include "store/name_list.h"
#include "store/store_error.h"
#include "support/file_size_limit.h"

using store::StoreError;

class NameListTest : public QObject {
    Q_OBJECT
private slots:
    void splitsItems_data();
    void splitsItems();
    void randomBytesNeverBreakTheReader();
    void loadingFailsOnMissingEmptyAndFolders();
    void loadingAppendsInFileOrder();
    void appendedNamesReadBackAsAdded_data();
    void appendedNamesReadBackAsAdded();
    void appendCreatesAMissingFile();
    void anAppendStartsALineOfItsOwn_data();
    void anAppendStartsALineOfItsOwn();
    void aFailedAppendLeavesNoPartialLine();
};

void NameListTest::splitsItems_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QStringList>("items");
    QTest::newRow("two lines") << QByteArray("Bach\r\nMahler\r\n") << QStringList{"Bach", "Mahler"};
    QTest::newRow("comma splits") << QByteArray("Bach, Johann Sebastian\r\n")
                                  << QStringList{"Bach", "Johann Sebastian"};
    QTest::newRow("quotes keep commas")
        << QByteArray("\"Bach, Johann Sebastian\"\r\n") << QStringList{"Bach, Johann Sebastian"};
    QTest::newRow("text after a quote is skipped")
        << QByteArray("\"Bach, J.S.\" junk,Next\r\n") << QStringList{"Bach, J.S.", "Next"};
    QTest::newRow("ends with an empty line")
        << QByteArray("A\r\nB\r\n\r\n") << QStringList{"A", "B", ""};
    QTest::newRow("one empty line") << QByteArray("\r\n") << QStringList{""};
    QTest::newRow("no final line end") << QByteArray("A\r\nB") << QStringList{"A", "B"};
    QTest::newRow("blanks before and after") << QByteArray("   Bach   \r\n") << QStringList{"Bach"};
    QTest::newRow("quoted blanks stay") << QByteArray("\" Bach \"\r\n") << QStringList{" Bach "};
    QTest::newRow("LF only") << QByteArray("A\nB\n") << QStringList{"A", "B"};
    QTest::newRow("CR only") << QByteArray("A\rB\r") << QStringList{"A", "B"};
    QTest::newRow("unterminated quote ends at the line")
        << QByteArray("\"Bach\r\nMahler\r\n") << QStringList{"Bach", "Mahler"};
    QTest::newRow("comma at line end") << QByteArray("A,\r\nB\r\n") << QStringList{"A", "", "B"};
    QTest::newRow("greek") << store::toDisk(QStringLiteral("Μίκης Θεοδωράκης, Σκαλκώτας")) + "\r\n"
                           << QStringList{QStringLiteral("Μίκης Θεοδωράκης"),
                                          QStringLiteral("Σκαλκώτας")};
}

void NameListTest::splitsItems() {
    QFETCH(QByteArray, bytes);
    QFETCH(QStringList, items);
    QCOMPARE(store::parseNameList(bytes), items);
}

void NameListTest::randomBytesNeverBreakTheReader() {
    // Whatever a list file holds, reading it ends, gives at least one item, and no item holds a
    // line end (each item comes from within one line).
    QRandomGenerator random(20261207);
    const char alphabet[] = {'a', 'b', ' ', ',', '"', '\r', '\n', '\0', '\xC1', '\xFF'};
    for (int round = 0; round < 4000; ++round) {
        QByteArray bytes(1 + random.bounded(60), Qt::Uninitialized);
        for (char& c : bytes) {
            c = random.bounded(3) == 0 ? char(random.bounded(256)) : alphabet[random.bounded(10)];
        }
        const QStringList items = store::parseNameList(bytes);
        QVERIFY2(!items.isEmpty(), bytes.toHex().constData());
        for (const QString& item : items) {
            QVERIFY2(!item.contains(u'\r') && !item.contains(u'\n'), bytes.toHex().constData());
        }
    }
}

void NameListTest::loadingFailsOnMissingEmptyAndFolders() {
    QTemporaryDir dir;
    QStringList list;
    auto kindOf = [&](const QString& path) {
        try {
            store::LoadNameList(path, list);
        } catch (const StoreError& e) {
            return int(e.kind());
        }
        return -1;
    };
    QCOMPARE(kindOf(dir.filePath("Vocal.txt")), int(StoreError::Kind::NotFound));
    QFile(dir.filePath("Empty.txt")).open(QIODevice::WriteOnly);
    QCOMPARE(kindOf(dir.filePath("Empty.txt")), int(StoreError::Kind::Empty));
    QVERIFY(QDir(dir.path()).mkdir("Folder.txt"));
    QCOMPARE(kindOf(dir.filePath("Folder.txt")), int(StoreError::Kind::Unreadable));
#ifdef Q_OS_UNIX
    // Opening a FIFO for reading waits for a writer: the list is refused instead of waited for.
    QCOMPARE(::mkfifo(QFile::encodeName(dir.filePath("Labels.txt")).constData(), 0644), 0);
    QCOMPARE(kindOf(dir.filePath("Labels.txt")), int(StoreError::Kind::Unreadable));
#endif
    QVERIFY(list.isEmpty());
}

void NameListTest::loadingAppendsInFileOrder() {
    QTemporaryDir dir;
    QFile f(dir.filePath("Composers.txt"));
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write("Mahler\r\nBach\r\n");
    f.close();
    QStringList list{"Already"};
    store::LoadNameList(f.fileName(), list);
    QCOMPARE(list, (QStringList{"Already", "Mahler", "Bach"}));
}

void NameListTest::appendedNamesReadBackAsAdded_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("line");
    QTest::newRow("plain") << "Mahler" << QByteArray("Mahler\r\n");
    QTest::newRow("with a comma") << "Bach, Johann Sebastian"
                                  << QByteArray("\"Bach, Johann Sebastian\"\r\n");
    QTest::newRow("empty") << "" << QByteArray("\r\n");
    QTest::newRow("greek") << QStringLiteral("Μητρόπουλος")
                           << store::toDisk(QStringLiteral("Μητρόπουλος")) + "\r\n";
}

void NameListTest::appendedNamesReadBackAsAdded() {
    QFETCH(QString, name);
    QFETCH(QByteArray, line);
    QTemporaryDir dir;
    const QString path = dir.filePath("Labels.txt");
    {
        QFile f(path);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("DG\r\n");
    }
    store::AppendNameToList(path, name);
    QFile f(path);
    QVERIFY(f.open(QIODevice::ReadOnly));
    QCOMPARE(f.readAll(), QByteArray("DG\r\n") + line);
    QStringList list;
    store::LoadNameList(path, list);
    QCOMPARE(list, (QStringList{"DG", name}));
}

void NameListTest::appendCreatesAMissingFile() {
    QTemporaryDir dir;
    const QString path = dir.filePath("Vocal.txt");
    store::AppendNameToList(path, QStringLiteral("Maria Callas"));
    store::AppendNameToList(path, QStringLiteral("Maria Callas"));
    QFile f(path);
    QVERIFY(f.open(QIODevice::ReadOnly));
    QCOMPARE(f.readAll(), QByteArray("Maria Callas\r\nMaria Callas\r\n"));
}

void NameListTest::anAppendStartsALineOfItsOwn_data() {
    QTest::addColumn<QByteArray>("before");
    QTest::addColumn<QByteArray>("after");
    QTest::newRow("no line end") << QByteArray("Bach\r\nBrahms")
                                 << QByteArray("Bach\r\nBrahms\r\nLudwig\r\n");
    QTest::newRow("CR LF") << QByteArray("Brahms\r\n") << QByteArray("Brahms\r\nLudwig\r\n");
    QTest::newRow("LF") << QByteArray("Brahms\n") << QByteArray("Brahms\nLudwig\r\n");
    QTest::newRow("CR") << QByteArray("Brahms\r") << QByteArray("Brahms\rLudwig\r\n");
    QTest::newRow("empty file") << QByteArray() << QByteArray("Ludwig\r\n");
}

void NameListTest::anAppendStartsALineOfItsOwn() {
    QFETCH(QByteArray, before);
    QFETCH(QByteArray, after);
    QTemporaryDir dir;
    const QString path = dir.filePath("Composers.txt");
    {
        QFile f(path);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(before);
    }
    store::AppendNameToList(path, QStringLiteral("Ludwig"));
    QFile f(path);
    QVERIFY(f.open(QIODevice::ReadOnly));
    QCOMPARE(f.readAll(), after);
}

void NameListTest::aFailedAppendLeavesNoPartialLine() {
#ifndef Q_OS_UNIX
    QSKIP("needs a per-process file size limit");
#else
    QTemporaryDir dir;
    const QString path = dir.filePath("Composers.txt");
    {
        QFile f(path);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("Bach\r\n");
    }
    {
        testing::FileSizeLimit limit(6 + 4);
        QVERIFY(limit.active());
        try {
            store::AppendNameToList(path, QStringLiteral("Ludwig van Beethoven"));
            QFAIL("a line cut short was reported as added");
        } catch (const StoreError& e) {
            QCOMPARE(e.kind(), StoreError::Kind::WriteFailed);
            QVERIFY2(e.message().endsWith(QStringLiteral("File too large")),
                     qPrintable(e.message()));
        }
    }
    store::AppendNameToList(path, QStringLiteral("Mozart"));
    QFile f(path);
    QVERIFY(f.open(QIODevice::ReadOnly));
    QCOMPARE(f.readAll(), QByteArray("Bach\r\nMozart\r\n"));
#endif
}

QTEST_APPLESS_MAIN(NameListTest)
#include "tst_name_list.moc"
