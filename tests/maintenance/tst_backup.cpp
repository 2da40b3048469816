// The backup between real folders: the default source (the open collection's folder) and the
// chosen one, the prefixes that markers carry, the files that arrive, the failures (missing
// source, same folder, a folder in the way, a full destination) and when the main window restarts;
// and the markers the program makes.

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTest>

#include "maintenance/backup.h"
#include "maintenance/backup_marker.h"
#include "platform/program_directory.h"
#include "record/record_window.h"
#include "support/collection_dir.h"
#include "support/fakes.h"
#include "support/file_size_limit.h"
#include "support/window_test.h"

using platform::Answer;
using platform::Buttons;
using platform::Icon;
using record::RecordWindow;
using testing::CollectionDir;

namespace {

const QString kTitle = QStringLiteral("Sonvella 4.0 - Back Up Important Files");
const QString kFilter = QStringLiteral("Opus Backup file (*Backup.txt)");
const QString kOpenTitle = QStringLiteral("Sonvella 4.0 - Select Installation Drive/Directory");
const QString kSaveTitle =
    QStringLiteral("Sonvella 4.0 - Select Drive/Directory to Save BackUp Files");
const QString kQuestion = QStringLiteral(
    "Click on 'Yes' to select Default Destination Drive/Directory\n"
    "Click on 'No' to select BOTH Source and Destination Drive/Directory\n"
    "For more information read the Sonvella Manual");
const QString kNoDefault = QStringLiteral(
    "You changed the default instalation location during the original setup.\n"
    "In the next window click on 'No' to select BOTH Source and Destination Drive/Directory.");
const QString kCopied = QStringLiteral(
    "Your classical music collection files have been copied to selected Drive/Directory.\n"
    "If you have saved on an external disk, remove it from the drive.");
const QString kPartial = QStringLiteral("Partial or No Back Up files were copied.");
const QString kFull =
    QStringLiteral("Destination disk is full. Partial or No Back Up files were copied.");
const QString kSameFolder = QStringLiteral(
    "The Drive/Directory you selected to save the BackUp files is the one they would be copied "
    "from.\nNo files were copied. Please select another Drive/Directory.");

// The data files in the order they are copied, after the marker.
const QStringList kDataFiles = {"Composers.txt", "Conductors.txt", "Orchestras.txt",
                                "Title.txt",     "AKSoloists.txt", "LZSoloists.txt",
                                "Vocal.txt",     "Labels.txt",     "Clasical.dat"};

// Files of a folder, hidden ones too, sorted: whatever a copy left behind shows up here.
QStringList filesIn(const QString& folder) {
    return QDir(folder).entryList(QDir::Files | QDir::Hidden | QDir::System, QDir::Name);
}

QByteArray contents(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
}

void writeFile(const QString& path, const QByteArray& bytes) {
    QVERIFY(QDir().mkpath(QFileInfo(path).absolutePath()));
    QFile f(path);
    QVERIFY2(f.open(QIODevice::WriteOnly | QIODevice::Truncate), qPrintable(path));
    QCOMPARE(f.write(bytes), bytes.size());
}

// The data files under a prefix ("…/Keep/" or "…/Keep/Old"), each file's bytes naming the tag and
// the file, so that a copy from the wrong file shows. `collectionBytes` sets the size of
// Clasical.dat. fillFolder() adds the marker.
void fillDataFiles(const QString& prefix, const QString& tag, qint64 collectionBytes = 3 * 455) {
    for (const QString& name : kDataFiles) {
        QByteArray bytes = (tag + " " + name + "\r\n").toLatin1();
        if (name == "Clasical.dat") bytes = bytes.leftJustified(collectionBytes, '.');
        writeFile(prefix + name, bytes);
    }
}

void fillFolder(const QString& prefix, const QString& tag, qint64 collectionBytes = 3 * 455) {
    writeFile(prefix + "Backup.txt", (tag + " marker\r\n").toLatin1());
    fillDataFiles(prefix, tag, collectionBytes);
}

}  // namespace

class BackupTest : public testing::WindowTest {
    Q_OBJECT
private slots:
    void init();

    void yesCopiesTheTenFilesAndRestarts();
    void yesBacksUpTheOpenCollectionOutsideTheProgramFolder();
    void yesWithoutTheDefaultMarkerAsksAgain();
    void noThenCancelDoesNothing();
    void markersCarryPrefixes_data();
    void markersCarryPrefixes();
    void nothingToCopyAndNoWord_data();
    void nothingToCopyAndNoWord();
    void aMissingSourceFileEndsTheBackup_data();
    void aMissingSourceFileEndsTheBackup();
    void aDestinationEqualToTheSource_data();
    void aDestinationEqualToTheSource();
    void aCopyThatIsRefused_data();
    void aCopyThatIsRefused();
    void aFullDestination_data();
    void aFullDestination();
    void aReadOnlyBackupFileIsNotReplaced();

    void theMarkerIsCreatedWhenMissing();
    void anExistingMarkerIsKept();

private:
    QString programFolder() const { return dir_->path("Sonvella400") + "/"; }
    QString keep() const { return dir_->path("Keep") + "/"; }
    // Opens the collection of the program folder, as `sonvella --home` does.
    void openTheProgramFolder();
    // No, then a marker of the user's in the open dialog, then a destination in the save dialog.
    void expectChosen(const QString& sourceMarker, const QString& destinationMarker);
    // The window is as it was before the command: its file open, no restart asked.
    void verifyUntouched();

    QString openCollection_;  // Clasical.dat of the open collection
    QByteArray collectionBefore_;
};

void BackupTest::init() {
    WindowTest::init();
    load(3);
    QVERIFY(QDir().mkpath(keep()));
    // An edit that a backup must neither save nor copy.
    w_->typeInto(record::txtOno, QStringLiteral("typed, never saved"));
    openCollection_ = dir_->path("Clasical.dat");
    collectionBefore_ = contents(openCollection_);
}

void BackupTest::openTheProgramFolder() {
    fillFolder(programFolder(), "installed");
    QVERIFY(QDir::setCurrent(programFolder()));  // the folder is given back by CollectionDir
    loadWindow();
    w_->typeInto(record::txtOno, QStringLiteral("typed, never saved"));
    openCollection_ = programFolder() + "Clasical.dat";
    collectionBefore_ = contents(openCollection_);
}

void BackupTest::expectChosen(const QString& sourceMarker, const QString& destinationMarker) {
    dialogs_.expectMessage(kTitle, kQuestion, Icon::Question, Buttons::YesNoCancel, Answer::No);
    dialogs_.expectOpenFile(kOpenTitle, kFilter, "", sourceMarker);
    dialogs_.expectSaveFile(kSaveTitle, kFilter, sourceMarker, destinationMarker);
}

void BackupTest::verifyUntouched() {
    QVERIFY(w_->file().isOpen());
    QVERIFY(fakes_.shell.calls.isEmpty());
    QCOMPARE(contents(openCollection_), collectionBefore_);
}

void BackupTest::yesCopiesTheTenFilesAndRestarts() {
    openTheProgramFolder();
    writeFile(keep() + "Clasical.dat", "an older backup");
    const QString marker = platform::programFile("Backup.txt");
    QCOMPARE(QDir::fromNativeSeparators(marker), programFolder() + "Backup.txt");
    dialogs_.expectMessage(kTitle, kQuestion, Icon::Question, Buttons::YesNoCancel, Answer::Yes);
    dialogs_.expectSaveFile(kSaveTitle, kFilter, marker, keep() + "Backup.txt");
    dialogs_.expectMessage(kTitle, kCopied, Icon::Information);
    maintenance::mnuBackUp(*w_);

    QStringList expected = kDataFiles;
    expected << "Backup.txt";
    expected.sort();
    QCOMPARE(filesIn(keep()), expected);
    for (const QString& name : expected)
        QCOMPARE(contents(keep() + name), contents(programFolder() + name));
    // The collection was closed for its copy and is opened afresh by a new main window.
    QVERIFY(!w_->file().isOpen());
    QCOMPARE(fakes_.shell.calls, QStringList({"unload", "splash"}));
    QCOMPARE(contents(openCollection_), collectionBefore_);
}

void BackupTest::yesBacksUpTheOpenCollectionOutsideTheProgramFolder() {
    // Started in a folder of the user's own; the program folder holds other data files.
    fillFolder(programFolder(), "installed");
    const QString open = dir_->path() + "/";
    const QString marker = QDir::toNativeSeparators(open + "Backup.txt");
    dialogs_.expectMessage(kTitle, kQuestion, Icon::Question, Buttons::YesNoCancel, Answer::Yes);
    dialogs_.expectSaveFile(kSaveTitle, kFilter, marker, keep() + "Backup.txt");
    dialogs_.expectMessage(kTitle, kCopied, Icon::Information);
    maintenance::mnuBackUp(*w_);

    // The open folder got the marker it lacked, and the backup holds the open collection.
    QVERIFY(contents(open + "Backup.txt").startsWith("Sonvella 4.0 backup marker.\r\n"));
    QStringList expected = kDataFiles;
    expected << "Backup.txt";
    expected.sort();
    QCOMPARE(filesIn(keep()), expected);
    for (const QString& name : expected) QCOMPARE(contents(keep() + name), contents(open + name));
    QCOMPARE(contents(keep() + "Clasical.dat"), collectionBefore_);
    QCOMPARE(fakes_.shell.calls, QStringList({"unload", "splash"}));
}

void BackupTest::yesWithoutTheDefaultMarkerAsksAgain() {
    openTheProgramFolder();
    QVERIFY(QFile::remove(programFolder() + "Backup.txt"));
    dialogs_.expectMessage(kTitle, kQuestion, Icon::Question, Buttons::YesNoCancel, Answer::Yes);
    dialogs_.expectMessage(kTitle, kNoDefault, Icon::Exclamation);
    dialogs_.expectMessage(kTitle, kQuestion, Icon::Question, Buttons::YesNoCancel, Answer::Yes);
    dialogs_.expectMessage(kTitle, kNoDefault, Icon::Exclamation);
    dialogs_.expectMessage(kTitle, kQuestion, Icon::Question, Buttons::YesNoCancel, Answer::Cancel);
    maintenance::mnuBackUp(*w_);
    QVERIFY(filesIn(keep()).isEmpty());
    verifyUntouched();
}

void BackupTest::noThenCancelDoesNothing() {
    fillFolder(programFolder(), "installed");
    dialogs_.expectMessage(kTitle, kQuestion, Icon::Question, Buttons::YesNoCancel, Answer::No);
    dialogs_.expectOpenFile(kOpenTitle, kFilter, "", "");
    maintenance::mnuBackUp(*w_);
    verifyUntouched();
}

void BackupTest::markersCarryPrefixes_data() {
    QTest::addColumn<QString>("sourceMarker");       // its file name
    QTest::addColumn<QString>("sourcePrefix");       // what the source files' names start with
    QTest::addColumn<QString>("destinationMarker");  // its file name
    QTest::addColumn<QString>("destinationPrefix");
    QTest::newRow("an old backup into a plain one") << "OldBackup.txt"
                                                    << "Old"
                                                    << "Backup.txt"
                                                    << "";
    QTest::newRow("a plain source into a named backup") << "Backup.txt"
                                                        << ""
                                                        << "NewBackup.txt"
                                                        << "New";
    QTest::newRow("named on both sides") << "OldBackup.txt"
                                         << "Old"
                                         << "OldBackup.txt"
                                         << "Old";
    // The cut comes before the first "Backup.txt" of the name.
    QTest::newRow("the first Backup.txt counts") << "Backup.txtOldBackup.txt"
                                                 << ""
                                                 << "Backup.txt"
                                                 << "";
}

void BackupTest::markersCarryPrefixes() {
    QFETCH(QString, sourceMarker);
    QFETCH(QString, sourcePrefix);
    QFETCH(QString, destinationMarker);
    QFETCH(QString, destinationPrefix);
    const QString source = dir_->path("Source") + "/";
    // Plain-named files beside the prefixed ones must not be what is copied.
    fillFolder(source, "plain");
    fillFolder(source + sourcePrefix, "chosen");
    writeFile(source + sourceMarker, "the chosen marker");
    expectChosen(source + sourceMarker, keep() + destinationMarker);
    dialogs_.expectMessage(kTitle, kCopied, Icon::Information);
    maintenance::mnuBackUp(*w_);

    QStringList expected = {destinationMarker};
    for (const QString& name : kDataFiles) expected << destinationPrefix + name;
    expected.sort();
    QCOMPARE(filesIn(keep()), expected);
    QCOMPARE(contents(keep() + destinationMarker), QByteArray("the chosen marker"));
    for (const QString& name : kDataFiles) {
        const QByteArray copied = contents(keep() + destinationPrefix + name);
        QCOMPARE(copied, contents(source + sourcePrefix + name));
        QVERIFY2(copied.startsWith("chosen"), qPrintable(name));
    }
    QCOMPARE(fakes_.shell.calls, QStringList({"unload", "splash"}));
}

void BackupTest::nothingToCopyAndNoWord_data() {
    QTest::addColumn<QString>("source");       // relative to the test folder
    QTest::addColumn<bool>("saveDialog");      // whether the save dialog comes
    QTest::addColumn<QString>("destination");  // its answer
    QTest::newRow("a source without Backup.txt") << "Source/Marker.txt" << false << "";
    QTest::newRow("a destination without Backup.txt")
        << "Source/Backup.txt" << true << "Keep/Other.txt";
    QTest::newRow("a destination in lower case")
        << "Source/Backup.txt" << true << "Keep/backup.txt";
    QTest::newRow("a cancelled save dialog") << "Source/Backup.txt" << true << "";
}

void BackupTest::nothingToCopyAndNoWord() {
    QFETCH(QString, source);
    QFETCH(bool, saveDialog);
    QFETCH(QString, destination);
    fillFolder(dir_->path("Source") + "/", "source");
    writeFile(dir_->path("Source/Marker.txt"), "not a marker");
    const QString sourceMarker = dir_->path(source);
    dialogs_.expectMessage(kTitle, kQuestion, Icon::Question, Buttons::YesNoCancel, Answer::No);
    dialogs_.expectOpenFile(kOpenTitle, kFilter, "", sourceMarker);
    if (saveDialog) {
        dialogs_.expectSaveFile(kSaveTitle, kFilter, sourceMarker,
                                destination.isEmpty() ? "" : dir_->path(destination));
    }
    maintenance::mnuBackUp(*w_);
    QVERIFY(filesIn(keep()).isEmpty());
    verifyUntouched();
}

void BackupTest::aMissingSourceFileEndsTheBackup_data() {
    QTest::addColumn<QString>("missing");
    QTest::addColumn<int>("copied");  // files copied before it, the marker counted
    QTest::newRow("the first list") << "Composers.txt" << 1;
    QTest::newRow("a list in the middle") << "Vocal.txt" << 7;
    QTest::newRow("the collection") << "Clasical.dat" << 9;
}

void BackupTest::aMissingSourceFileEndsTheBackup() {
    QFETCH(QString, missing);
    QFETCH(int, copied);
    const QString source = dir_->path("Source") + "/";
    fillFolder(source, "source");
    QVERIFY(QFile::remove(source + missing));
    expectChosen(source + "Backup.txt", keep() + "Backup.txt");
    dialogs_.expectMessage(kTitle, kPartial, Icon::Critical);
    maintenance::mnuBackUp(*w_);

    QStringList expected = QStringList{"Backup.txt"} + kDataFiles.mid(0, copied - 1);
    expected.sort();
    QCOMPARE(filesIn(keep()), expected);
    if (missing == "Clasical.dat") {
        // The collection was closed by then: a new main window opens it again.
        QVERIFY(!w_->file().isOpen());
        QCOMPARE(fakes_.shell.calls, QStringList({"unload", "splash"}));
        QCOMPARE(contents(openCollection_), collectionBefore_);
    } else {
        verifyUntouched();
    }
}

void BackupTest::aDestinationEqualToTheSource_data() {
    QTest::addColumn<QString>("destination");  // relative to the test folder
    QTest::newRow("the same path") << "Sonvella400/Backup.txt";
    QTest::newRow("spelt another way") << "Keep/../Sonvella400/./Backup.txt";
    QTest::newRow("through a link to the folder") << "Link/Backup.txt";
    // Another marker name, but the same data files under the same prefix.
    QTest::newRow("the same prefix") << "Sonvella400/Backup.txt.Backup.txt";
}

void BackupTest::aDestinationEqualToTheSource() {
    QFETCH(QString, destination);
    openTheProgramFolder();
    QVERIFY(QFile::link(dir_->path("Sonvella400"), dir_->path("Link")));
    const QStringList before = filesIn(programFolder());
    const QByteArray collection = contents(programFolder() + "Clasical.dat");
    dialogs_.expectMessage(kTitle, kQuestion, Icon::Question, Buttons::YesNoCancel, Answer::Yes);
    dialogs_.expectSaveFile(kSaveTitle, kFilter, platform::programFile("Backup.txt"),
                            dir_->path(destination));
    dialogs_.expectMessage(kTitle, kSameFolder, Icon::Exclamation);
    maintenance::mnuBackUp(*w_);
    QCOMPARE(filesIn(programFolder()), before);
    QCOMPARE(contents(programFolder() + "Clasical.dat"), collection);
    verifyUntouched();
}

void BackupTest::aCopyThatIsRefused_data() {
    QTest::addColumn<QString>("destination");  // the marker chosen, relative to the test folder
    QTest::addColumn<QString>("blocker");      // a folder made where a file should go
    QTest::addColumn<QStringList>("copied");   // what arrived before the refusal
    QTest::newRow("a folder in the way")
        << "Keep/Backup.txt"
        << "Keep/Orchestras.txt" << QStringList{"Backup.txt", "Composers.txt", "Conductors.txt"};
    QTest::newRow("a folder in the way of the collection")
        << "Keep/Backup.txt"
        << "Keep/Clasical.dat" << QStringList{"AKSoloists.txt", "Backup.txt",     "Composers.txt",
                                              "Conductors.txt", "LZSoloists.txt", "Labels.txt",
                                              "Orchestras.txt", "Title.txt",      "Vocal.txt"};
    QTest::newRow("a destination folder that does not exist") << "Keep/Gone/Backup.txt"
                                                              << "" << QStringList{};
}

void BackupTest::aCopyThatIsRefused() {
    QFETCH(QString, destination);
    QFETCH(QString, blocker);
    QFETCH(QStringList, copied);
    const QString source = dir_->path("Source") + "/";
    fillFolder(source, "source");
    if (!blocker.isEmpty()) QVERIFY(QDir().mkpath(dir_->path(blocker)));
    expectChosen(source + "Backup.txt", dir_->path(destination));
    dialogs_.expectMessage(kTitle, kPartial, Icon::Critical);
    maintenance::mnuBackUp(*w_);
    QCOMPARE(filesIn(keep()), copied);
    for (const QString& name : copied) QCOMPARE(contents(keep() + name), contents(source + name));
    if (blocker.endsWith("Clasical.dat")) {
        QVERIFY(!w_->file().isOpen());
        QCOMPARE(fakes_.shell.calls, QStringList({"unload", "splash"}));
    } else {
        verifyUntouched();
    }
}

void BackupTest::aFullDestination_data() {
    QTest::addColumn<QString>("large");  // the one file too large for the destination
    QTest::newRow("the collection") << "Clasical.dat";
    QTest::newRow("a list") << "Title.txt";
}

void BackupTest::aFullDestination() {
#ifndef Q_OS_UNIX
    QSKIP("needs a per-process file size limit");
#else
    QFETCH(QString, large);
    constexpr qint64 kLimit = 64 * 1024;
    const QString source = dir_->path("Source") + "/";
    fillFolder(source, "source", 200 * 455);
    writeFile(source + large, QByteArray(3 * kLimit, 'x'));
    // Earlier backups at the destination: what a failed copy must leave whole.
    writeFile(keep() + large, "from an earlier backup");
    expectChosen(source + "Backup.txt", keep() + "Backup.txt");
    dialogs_.expectMessage(kTitle, kFull, Icon::Critical);
    {
        testing::FileSizeLimit limit(kLimit);
        QVERIFY(limit.active());
        maintenance::mnuBackUp(*w_);
    }
    const qsizetype arrived = kDataFiles.indexOf(large);
    QStringList expected = QStringList{"Backup.txt"} + kDataFiles.mid(0, arrived + 1);
    expected.sort();
    // No temporary or half-written file: the old file under its name, whole.
    QCOMPARE(filesIn(keep()), expected);
    QCOMPARE(contents(keep() + large), QByteArray("from an earlier backup"));
    if (large == "Clasical.dat") {
        QVERIFY(!w_->file().isOpen());
        QCOMPARE(fakes_.shell.calls, QStringList({"unload", "splash"}));
    } else {
        verifyUntouched();
    }
#endif
}

void BackupTest::aReadOnlyBackupFileIsNotReplaced() {
    // An older backup made read-only by hand stays as it is, whoever runs the backup.
    const QString source = dir_->path("Source") + "/";
    fillFolder(source, "source");
    writeFile(keep() + "Title.txt", "from an earlier backup");
    // The owner's, group's and others' bits (Qt's user bits say what this process may do).
    const auto kModeBits = QFile::Permissions(0x7077);
    const auto readOnly = QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther;
    QVERIFY(QFile::setPermissions(keep() + "Title.txt", readOnly));
    expectChosen(source + "Backup.txt", keep() + "Backup.txt");
    dialogs_.expectMessage(kTitle,
                           keep() + "Title.txt is read-only: it was not replaced.\n" + kPartial,
                           Icon::Critical);
    maintenance::mnuBackUp(*w_);
    QCOMPARE(contents(keep() + "Title.txt"), QByteArray("from an earlier backup"));
    QCOMPARE(QFile::permissions(keep() + "Title.txt") & kModeBits, readOnly);
    QCOMPARE(contents(keep() + "Orchestras.txt"), contents(source + "Orchestras.txt"));
    QVERIFY(!QFile::exists(keep() + "AKSoloists.txt"));  // copied after Title.txt: not reached
    verifyUntouched();
}

void BackupTest::theMarkerIsCreatedWhenMissing() {
    // No program folder at all: it is made together with the marker.
    QVERIFY(QDir(dir_->path("Sonvella400")).removeRecursively());
    QVERIFY(maintenance::ensureBackupMarker());
    QCOMPARE(maintenance::defaultBackupMarker(), platform::programFile("Backup.txt"));
    const QByteArray text = contents(programFolder() + "Backup.txt");
    QVERIFY2(text.startsWith("Sonvella 4.0 backup marker.\r\n"), text.constData());
    // The marker it made serves as the default source at once.
    fillDataFiles(programFolder(), "installed");
    QVERIFY(QDir::setCurrent(programFolder()));
    dialogs_.expectMessage(kTitle, kQuestion, Icon::Question, Buttons::YesNoCancel, Answer::Yes);
    dialogs_.expectSaveFile(kSaveTitle, kFilter, platform::programFile("Backup.txt"),
                            keep() + "Backup.txt");
    dialogs_.expectMessage(kTitle, kCopied, Icon::Information);
    maintenance::mnuBackUp(*w_);
    QCOMPARE(contents(keep() + "Backup.txt"), text);
}

void BackupTest::anExistingMarkerIsKept() {
    writeFile(programFolder() + "Backup.txt", "the user's own words");
    QVERIFY(maintenance::ensureBackupMarker());
    QCOMPARE(contents(programFolder() + "Backup.txt"), QByteArray("the user's own words"));
}

QTEST_MAIN(BackupTest)
#include "tst_backup.moc"
