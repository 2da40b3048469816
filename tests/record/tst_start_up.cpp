// Loading the main window: the collection, the eight lists, the first record, the start-up
// failures, and the ways out.

#include <QDir>
#include <QFile>
#include <QImage>
#include <QTest>

#ifdef Q_OS_UNIX
#include <sys/stat.h>
#endif

#include "record/cover_names.h"
#include "record/record_window.h"
#include "store/codepage.h"
#include "support/collection_dir.h"
#include "support/fakes.h"
#include "support/file_size_limit.h"

using platform::Icon;
using record::RecordWindow;
using record::Session;
using testing::CollectionDir;

namespace {

const QString kMissing = QStringLiteral("One or More Files are Missing. Sonvella Will End");
const QString kInternal =
    QStringLiteral("Internal Error. Replace Files with your Back Up or Re-Install.");

}  // namespace

class StartUpTest : public QObject {
    Q_OBJECT
private slots:
    void showsRecordOneOfTheCollection();
    void createsAMissingCollection();
    void oddRecordFilesLoadUnchanged_data();
    void oddRecordFilesLoadUnchanged();
    void oddListFilesLoadUnchanged_data();
    void oddListFilesLoadUnchanged();
    void startUpFailures_data();
    void startUpFailures();
    void showsTheSortState_data();
    void showsTheSortState();
    void exitSavesTheShownRecord();
    void menuExitAlsoClosesTheCoverWindows();
    void closingByTheFrameSavesNothing();
    void exitThatCannotSaveKeepsRunning();
    void anImportMarkerThatDoesNotFitIsSetAside_data();
    void anImportMarkerThatDoesNotFitIsSetAside();
    void theDemoCollectionLoads();

private:
    testing::Fakes fakes_;
    testing::ScriptedDialogs& dialogs_ = fakes_.dialogs;
    testing::RecordingShell& shell_ = fakes_.shell;
    Session session_;
};

void StartUpTest::showsRecordOneOfTheCollection() {
    CollectionDir dir({{"  No0001 CD  ", "Bach", "Mass in B minor"}, {"No0001 CD"}, {"No0002 LP"}});
    RecordWindow w(session_, fakes_.services());
    QVERIFY(w.Form_Load());
    QCOMPARE(w.state().N, 3);
    QCOMPARE(w.state().current, 1);
    QCOMPARE(w.state().caption,
             QStringLiteral("Sonvella 4.0 - My Music Collection - Opus No:  1  of  3"));
    QCOMPARE(w.state().boxes[record::txtEpo], QStringLiteral("No0001 CD"));
    QCOMPARE(w.state().boxes[record::txtOno], QStringLiteral("Bach"));
    QCOMPARE(w.state().boxes[record::txtSp], QString());
    QCOMPARE(w.state().sortStateLine,
             QStringLiteral("In this Session your Music Collection has not been Re-Sorted Yet"));
    QCOMPARE(w.state().widthTwips, 11250);
    QCOMPARE(w.state().heightTwips, 5500);
    QVERIFY(!w.coverPanel().state().coverImageMenuEnabled);
    // The lists are shown in alphabetical order, whatever the order of their files.
    QCOMPARE(w.pickPanel().state().lists[0], (QStringList{"Name 1 a", "Name 1 b"}));
    QCOMPARE(w.pickPanel().state().lists[7], (QStringList{"Name 8 a", "Name 8 b"}));
    QVERIFY(QDir(dir.path("Sonvella400/Covers")).exists());
    QCOMPARE(shell_.ended, 0);
    QVERIFY(dialogs_.verifyDone());
}

void StartUpTest::createsAMissingCollection() {
    CollectionDir dir({}, false);
    RecordWindow w(session_, fakes_.services());
    QVERIFY(w.Form_Load());
    QVERIFY(QFile::exists(dir.path("Clasical.dat")));
    QCOMPARE(dir.fileLength(), 0);
    QCOMPARE(w.state().caption,
             QStringLiteral("Sonvella 4.0 - My Music Collection - Opus No:  1  of  1"));
    for (const QString& box : w.state().boxes) QVERIFY(box.isEmpty());
}

void StartUpTest::oddRecordFilesLoadUnchanged_data() {
    QTest::addColumn<int>("length");
    QTest::addColumn<int>("n");
    for (int length : {0, 1, 227, 228, 454, 455, 456, 455 * 3 - 1, 455 * 3 + 1}) {
        QTest::addRow("%d bytes", length) << length << qMax(1, (length + 227) / 455);
    }
}

void StartUpTest::oddRecordFilesLoadUnchanged() {
    QFETCH(int, length);
    QFETCH(int, n);
    CollectionDir dir;
    QByteArray bytes(length, Qt::Uninitialized);
    for (int i = 0; i < length; ++i) bytes[i] = char('A' + i % 26);
    dir.write("Clasical.dat", bytes);
    {
        RecordWindow w(session_, fakes_.services());
        QVERIFY(w.Form_Load());
        QCOMPARE(w.state().N, n);
    }
    QCOMPARE(dir.bytes(), bytes);
}

void StartUpTest::oddListFilesLoadUnchanged_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<int>("items");
    QTest::newRow("one empty line") << QByteArray("\r\n") << 1;
    QTest::newRow("binary garbage") << QByteArray("\x00\x01\xFF\xFE,\x81\"\x02", 8) << 2;
    QTest::newRow("1 MB line") << QByteArray(1 << 20, 'x') << 1;
    QTest::newRow("unterminated quote") << QByteArray("\"Bach, Johann") << 1;
    QTest::newRow("CR only") << QByteArray("A\rB\rC\r") << 3;
    QTest::newRow("LF only") << QByteArray("A\nB\n") << 2;
}

void StartUpTest::oddListFilesLoadUnchanged() {
    QFETCH(QByteArray, bytes);
    QFETCH(int, items);
    CollectionDir dir({{"No0001 CD"}});
    dir.write("Title.txt", bytes);
    {
        RecordWindow w(session_, fakes_.services());
        QVERIFY(w.Form_Load());
        QCOMPARE(w.pickPanel().state().lists[2].size(), items);
    }
    QCOMPARE(dir.bytes("Title.txt"), bytes);
    QVERIFY(dialogs_.verifyDone());
}

void StartUpTest::startUpFailures_data() {
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("make");  // "remove", "empty", "folder" or "fifo"
    QTest::addColumn<QString>("message");
    QTest::newRow("missing Vocal.txt") << "Vocal.txt"
                                       << "remove" << kMissing;
    QTest::newRow("missing Composers.txt") << "Composers.txt"
                                           << "remove" << kMissing;
    QTest::newRow("empty Labels.txt") << "Labels.txt"
                                      << "empty" << kInternal;
    QTest::newRow("Title.txt a folder") << "Title.txt"
                                        << "folder" << kInternal;
    QTest::newRow("Clasical.dat a folder") << "Clasical.dat"
                                           << "folder" << kInternal;
#ifdef Q_OS_UNIX
    // A FIFO would hold the start until some program wrote into it.
    QTest::newRow("Labels.txt a FIFO") << "Labels.txt"
                                       << "fifo" << kInternal;
    QTest::newRow("Clasical.dat a FIFO") << "Clasical.dat"
                                         << "fifo" << kInternal;
#endif
}

void StartUpTest::startUpFailures() {
    QFETCH(QString, file);
    QFETCH(QString, make);
    QFETCH(QString, message);
    CollectionDir dir({{"No0001 CD"}});
    QFile::remove(dir.path(file));
    if (make == "empty") dir.write(file, {});
    if (make == "folder") QVERIFY(QDir(dir.path()).mkdir(file));
#ifdef Q_OS_UNIX
    if (make == "fifo") QCOMPARE(::mkfifo(QFile::encodeName(dir.path(file)).constData(), 0644), 0);
#endif
    const QByteArray collection = file == "Clasical.dat" ? QByteArray() : dir.bytes();

    RecordWindow w(session_, fakes_.services());
    dialogs_.expectMessage("Sonvella 4.0", message, Icon::Critical);
    QVERIFY(!w.Form_Load());
    QCOMPARE(shell_.ended, 1);
    QVERIFY(dialogs_.verifyDone());
    if (file == "Vocal.txt") {
        // The six lists before it were read.
        for (int i = 0; i < 6; ++i) QVERIFY(!w.pickPanel().state().lists[i].isEmpty());
    }
    if (file != "Clasical.dat") QCOMPARE(dir.bytes(), collection);
    shell_.ended = 0;
}

void StartUpTest::showsTheSortState_data() {
    QTest::addColumn<int>("state");
    QTest::addColumn<QString>("line");
    QTest::newRow("not re-sorted")
        << 0 << "In this Session your Music Collection has not been Re-Sorted Yet";
    QTest::newRow("by identity")
        << 1 << "In this Session your Collection was last Re-Sorted by Identity";
    QTest::newRow("by composer")
        << 2 << "In this Session your Collection was last Re-Sorted by Composer";
}

void StartUpTest::showsTheSortState() {
    QFETCH(int, state);
    QFETCH(QString, line);
    CollectionDir dir({{"No0001 CD"}});
    Session session;
    session.sortState = std::int16_t(state);
    RecordWindow w(session, fakes_.services());
    QVERIFY(w.Form_Load());
    QCOMPARE(w.state().sortStateLine, line);
}

void StartUpTest::exitSavesTheShownRecord() {
    CollectionDir dir({{"No0001 CD", "Bach"}, {"No0002 LP"}});
    RecordWindow w(session_, fakes_.services());
    QVERIFY(w.Form_Load());
    w.typeInto(record::txtOno, QStringLiteral("  Ravel  "));
    w.cmdExit();
    QCOMPARE(shell_.ended, 1);
    QCOMPARE(dir.field(1, store::Field::Composer), QStringLiteral("  Ravel") + QString(38, ' '));
    QCOMPARE(dir.fileLength(), 910);
    shell_ = {};
}

namespace {

// The enlarged front cover and the back cover of the record shown, each with a picture.
void openCoverWindows(RecordWindow& w) {
    const QString identity = w.record().text(store::Field::Identity);
    QImage picture(90, 140, QImage::Format_RGB32);
    picture.fill(Qt::blue);
    QVERIFY(picture.save(record::frontCoverFile(identity)));
    QVERIFY(picture.save(record::backCoverFile(identity)));
    w.coverPanel().Image2_Click();
    w.coverPanel().Label20_Click();
    QVERIFY(w.coverPanel().state().frmCoverImage.open && w.coverPanel().state().frmBackImage.open);
}

}  // namespace

void StartUpTest::menuExitAlsoClosesTheCoverWindows() {
    CollectionDir dir({{"No0001 CD", "Bach"}});
    RecordWindow w(session_, fakes_.services());
    QVERIFY(w.Form_Load());
    w.typeInto(record::txtTitlos, QStringLiteral("Μεσσίας"));
    openCoverWindows(w);
    w.mnuEnd();
    QCOMPARE(shell_.ended, 1);
    QVERIFY(!w.coverPanel().state().frmCoverImage.open &&
            !w.coverPanel().state().frmBackImage.open);
    QCOMPARE(store::trimBlanks(dir.field(1, store::Field::Title)), QStringLiteral("Μεσσίας"));
    shell_ = {};
}

void StartUpTest::closingByTheFrameSavesNothing() {
    CollectionDir dir({{"No0001 CD", "Bach"}});
    const QByteArray before = dir.bytes();
    RecordWindow w(session_, fakes_.services());
    QVERIFY(w.Form_Load());
    w.typeInto(record::txtOno, QStringLiteral("Ravel"));
    openCoverWindows(w);
    w.Form_Unload();
    QVERIFY(!w.coverPanel().state().frmBackImage.open);
    QCOMPARE(shell_.ended, 0);
    QCOMPARE(dir.bytes(), before);
    shell_ = {};
}

void StartUpTest::exitThatCannotSaveKeepsRunning() {
#ifndef Q_OS_UNIX
    QSKIP("needs a per-process file size limit");
#else
    // An empty collection on a disk that takes no byte more.
    CollectionDir dir({}, false);
    RecordWindow w(session_, fakes_.services());
    QVERIFY(w.Form_Load());
    const testing::FileSizeLimit limit(0);
    QVERIFY(limit.active());
    w.typeInto(record::txtOno, QStringLiteral("Ravel"));
    dialogs_.expectMessage(
        "Sonvella 4.0",
        "Opus Number  1 could not be saved:\n" + dir.path("Clasical.dat") + ": File too large",
        Icon::Exclamation);
    w.cmdExit();
    QVERIFY(dialogs_.verifyDone());
    QCOMPARE(shell_.ended, 0);
    QCOMPARE(w.state().boxes[record::txtOno], QStringLiteral("Ravel"));
#endif
}

void StartUpTest::anImportMarkerThatDoesNotFitIsSetAside_data() {
    QTest::addColumn<QByteArray>("marker");
    QTest::newRow("unreadable") << QByteArray("\x01garbage");
    QTest::newRow("a file longer than the import") << QByteArray("0 455\n");
    QTest::newRow("a file shorter than before it") << QByteArray("5000 9000\n");
}

void StartUpTest::anImportMarkerThatDoesNotFitIsSetAside() {
    // A marker that is not the one of the file as it is cuts nothing, now or at a later start.
    QFETCH(QByteArray, marker);
    CollectionDir dir(testing::numberedRecords(3));
    dir.write("Clasical.dat.import", marker);
    const QByteArray collection = dir.bytes();
    dialogs_.expectMessage("Sonvella 4.0",
                           dir.path("Clasical.dat.import") +
                               " does not fit the collection as it is now, so nothing was removed. "
                               "It was moved aside to " +
                               dir.path("Clasical.dat.import.bad") + ".",
                           Icon::Exclamation);
    RecordWindow w(session_, fakes_.services());
    QVERIFY(w.Form_Load());
    QCOMPARE(dir.bytes(), collection);
    QVERIFY(!QFile::exists(dir.path("Clasical.dat.import")));
    QCOMPARE(dir.bytes("Clasical.dat.import.bad"), marker);
    RecordWindow again(session_, fakes_.services());
    QVERIFY(again.Form_Load());
    QVERIFY(dialogs_.verifyDone());
}

void StartUpTest::theDemoCollectionLoads() {
    CollectionDir dir;
    const QDir demo(QStringLiteral(SONVELLA_SOURCE_DIR "/data/demo"));
    for (const QString& name : demo.entryList(QDir::Files)) {
        QFile::remove(dir.path(name));
        QVERIFY(QFile::copy(demo.filePath(name), dir.path(name)));
    }
    RecordWindow w(session_, fakes_.services());
    QVERIFY(w.Form_Load());
    QVERIFY(w.state().N >= 60);
    QCOMPARE(dir.fileLength() % 455, 0);
    QVERIFY(w.pickPanel().state().lists[0].size() >= 20);
    for (const QStringList& list : w.pickPanel().state().lists) QVERIFY(!list.isEmpty());
    QVERIFY(w.pickPanel().state().lists[0].contains(QStringLiteral("Μίκης Θεοδωράκης")));
    QVERIFY(w.pickPanel().state().lists[4].contains(QStringLiteral("Martha Argerich, piano")));
    QCOMPARE(w.state().boxes[record::txtOno], QStringLiteral("Johann Sebastian Bach"));
    // Leaving at once saves the shown record as it stands: the file does not change.
    const QByteArray before = dir.bytes();
    w.cmdExit();
    QCOMPARE(dir.bytes(), before);
    shell_ = {};
}

QTEST_GUILESS_MAIN(StartUpTest)
#include "tst_start_up.moc"
