// The change history behind the main window's commands: every change undone leaves the files as
// they were, Undo takes back typing not yet saved, refuses a record changed by another program,
// stops at a barrier, restores an older version, and a folder the history cannot be written in
// still takes every save.

#include <QDir>
#include <QFile>
#include <QSaveFile>
#include <QScopeGuard>
#include <QTest>
#include <cstring>
#include <functional>

#ifdef Q_OS_UNIX
#include <sys/wait.h>
#include <unistd.h>
#endif

#include "record/record_window.h"
#include "store/codepage.h"
#include "support/window_test.h"

using platform::Answer;
using platform::Buttons;
using platform::Icon;
using record::RecordWindow;
using store::Field;

namespace {

const QString kTitle = QStringLiteral("Sonvella 4.0");
using Command = std::function<void(RecordWindow&, testing::ScriptedDialogs&)>;

}  // namespace

class ChangeHistoryTest : public testing::WindowTest {
    Q_OBJECT
private slots:
    void everyChangeIsUndoneToTheBytes_data();
    void everyChangeIsUndoneToTheBytes();
    void undoRightAfterTypingTakesTheTypingBack();
    void undoGoesFurtherBackAndIsRefusedAfterAChangeOutside();
    void pagingMakesNoChange();
    void aBarrierEndsWhatCanBeUndone();
    void anOlderVersionIsRestoredAsAChangeOfItsOwn();
    void aFolderTheHistoryCannotBeWrittenInTakesEverySave();

private:
    // The collection and its eight lists, byte for byte.
    QByteArray allFiles() const {
        QByteArray bytes = dir_->bytes();
        for (const char* list : {"Composers.txt", "Conductors.txt", "Labels.txt"})
            bytes += dir_->bytes(QString::fromLatin1(list));
        return bytes;
    }
};

void ChangeHistoryTest::everyChangeIsUndoneToTheBytes_data() {
    QTest::addColumn<Command>("command");
    QTest::newRow("Save Opus No") << Command([](RecordWindow& w, testing::ScriptedDialogs& d) {
        w.typeInto(record::txtTitlos, QStringLiteral("A new title"));
        d.expectMessage("Sonvella 4.0", "Opus Number  1 was Saved", Icon::Information);
        w.cmdCorrect();
    });
    QTest::newRow("Next Opus No") << Command([](RecordWindow& w, testing::ScriptedDialogs&) {
        w.typeInto(record::txtOno, QStringLiteral("Typed before moving on"));
        w.cmdNext();
    });
    QTest::newRow("New Opus No") << Command(
        [](RecordWindow& w, testing::ScriptedDialogs&) { w.cmdNew(); });
    QTest::newRow("Paste Opus No") << Command([](RecordWindow& w, testing::ScriptedDialogs& d) {
        QVERIFY(w.showRecord(3));
        d.expectInput("Sonvella 4.0: Paste Opus Number",
                      "Enter the Sonvella Number to Paste:", "1");
        w.mnuPaste();
    });
    QTest::newRow("Delete Opus No") << Command([](RecordWindow& w, testing::ScriptedDialogs& d) {
        d.expectMessage("Sonvella 4.0", "Do you wish to Delete Opus Number 1 ;", Icon::Question,
                        Buttons::YesNo, Answer::Yes, 1);
        w.mnuDelete();
    });
    QTest::newRow("a pick list") << Command([](RecordWindow& w, testing::ScriptedDialogs&) {
        w.pickPanel().pickListChosen(1, QStringLiteral("Name 2 a"));
    });
    QTest::newRow("Add") << Command([](RecordWindow& w, testing::ScriptedDialogs& d) {
        w.pickPanel().setPickText(7, QStringLiteral("Decca"));
        d.expectMessage("Sonvella 4.0", "Label <Decca> has been added to the list",
                        Icon::Information);
        w.pickPanel().addToPickList(7);
    });
    QTest::newRow("Import from CSV...") << Command([](RecordWindow& w, testing::ScriptedDialogs&) {
        RecordWindow::CommandName name(w, QStringLiteral("Import from CSV..."));
        const QByteArray records = testing::record({"No0004 CD", "Ravel"}).bytes().toByteArray() +
                                   testing::record({"No0005 CD", "Berg"}).bytes().toByteArray();
        bool handed = false;
        w.appendRecords(
            [&](char* buffer, std::int32_t) {
                if (handed) return 0;
                handed = true;
                std::memcpy(buffer, records.constData(), std::size_t(records.size()));
                return 2;
            },
            2);
    });
}

void ChangeHistoryTest::everyChangeIsUndoneToTheBytes() {
    QFETCH(Command, command);
    load({{"No0001 CD", "Bach", "Mass"}, {"No0002 LP", "Ravel"}, {"No0003 CD"}});
    const QByteArray before = allFiles();
    command(*w_, dialogs_);
    QVERIFY(allFiles() != before);
    w_->undoLastChange();
    QCOMPARE(allFiles(), before);
    // Undo again: nothing is left to take back (the command's save of an unchanged record was
    // no change).
    dialogs_.expectMessage(kTitle, "There is no change to undo.", Icon::Information);
    w_->undoLastChange();
    QCOMPARE(allFiles(), before);
}

void ChangeHistoryTest::undoRightAfterTypingTakesTheTypingBack() {
    load({{"No0001 CD", "Bach", "Mass"}, {"No0002 LP"}});
    const QByteArray before = dir_->bytes();
    w_->typeInto(record::txtTitlos, QStringLiteral("A slip of the keyboard"));
    w_->undoLastChange();
    QCOMPARE(dir_->bytes(), before);
    QCOMPARE(w_->state().boxes[record::txtTitlos], QStringLiteral("Mass"));
    QCOMPARE(w_->state().current, 1);
}

void ChangeHistoryTest::undoGoesFurtherBackAndIsRefusedAfterAChangeOutside() {
    load({{"No0001 CD", "Bach"}, {"No0002 LP", "Berg"}});
    const QByteArray before = dir_->bytes();
    w_->typeInto(record::txtOno, QStringLiteral("First"));
    w_->cmdNext();
    w_->typeInto(record::txtOno, QStringLiteral("Second"));
    w_->cmdPrevious();
    w_->undoLastChange();  // "Second" goes, and record 2 is shown
    QCOMPARE(w_->state().current, 2);
    QCOMPARE(w_->state().boxes[record::txtOno], QStringLiteral("Berg"));

    // Another program writes record 1: its change can no longer be taken back.
    QFile file(dir_->path("Clasical.dat"));
    QVERIFY(file.open(QIODevice::ReadWrite) && file.seek(45) && file.write("Outside") == 7);
    file.close();
    const QByteArray outside = dir_->bytes();
    dialogs_.expectMessage(kTitle,
                           "Opus Number  1 was changed after \"Next Opus No\" (by another "
                           "program, or an import): that change cannot be undone.",
                           Icon::Exclamation);
    w_->undoLastChange();
    QCOMPARE(dir_->bytes(), outside);
    QVERIFY(dir_->bytes() != before);
}

void ChangeHistoryTest::pagingMakesNoChange() {
    load(5);
    const QByteArray journalBefore = dir_->bytes("Clasical.jnl");  // none yet: no change made
    for (int i = 0; i < 4; ++i) w_->cmdNext();
    for (int i = 0; i < 4; ++i) w_->cmdPrevious();
    QCOMPARE(dir_->bytes("Clasical.jnl"), journalBefore);
    QVERIFY(w_->journal().changes().empty());
}

void ChangeHistoryTest::aBarrierEndsWhatCanBeUndone() {
    load({{"No0002 CD", "Ravel"}, {"No0001 CD", "Bach"}});
    w_->typeInto(record::txtTitlos, QStringLiteral("Bolero"));
    w_->cmdNext();
    // A re-sort: the sorted collection replaces the file, and the history gets its barrier.
    const QString path = dir_->path("Clasical.dat");
    const QByteArray bytes = dir_->bytes();
    w_.reset();
    QSaveFile sorted(path);
    QVERIFY(sorted.open(QIODevice::WriteOnly));
    sorted.write(bytes.mid(455) + bytes.left(455));
    QVERIFY(sorted.commit());
    history::Journal::appendBarrier(path, QStringLiteral("Re-Sorted by Composer"),
                                    fakes_.clock.now());
    loadWindow();
    const std::vector<history::Change> changes = w_->journal().changes();
    QCOMPARE(changes.size(), std::size_t(2));
    QCOMPARE(changes.front().entry.command, QStringLiteral("Re-Sorted by Composer"));
    QVERIFY(changes.back().barred);
    const QByteArray sortedBytes = dir_->bytes();
    dialogs_.expectMessage(kTitle, "There is no change to undo.", Icon::Information);
    w_->undoLastChange();
    QCOMPARE(dir_->bytes(), sortedBytes);
}

void ChangeHistoryTest::anOlderVersionIsRestoredAsAChangeOfItsOwn() {
    load({{"No0001 CD", "Bach", "Mass in B minor"}, {"No0002 LP"}});
    const QByteArray first = dir_->recordBytes(1);
    w_->typeInto(record::txtTitlos, QStringLiteral("Mass"));
    w_->cmdNext();
    w_->cmdPrevious();
    w_->typeInto(record::txtTitlos, QStringLiteral("Messe"));
    w_->cmdNext();
    const std::vector<history::Change> changes = w_->journal().changes();
    QCOMPARE(changes.size(), std::size_t(2));
    dialogs_.expectMessage(kTitle,
                           "Put Opus Number  1 back as it was before \"Next Opus No\" of "
                           "2026-12-07 14:05?",
                           Icon::Question, Buttons::YesNo, Answer::Yes, 1);
    QVERIFY(w_->restoreVersion(changes.back().entry.seq));
    QCOMPARE(dir_->recordBytes(1), first);
    QCOMPARE(w_->state().current, 1);
    QCOMPARE(w_->journal().changes().front().entry.command, QStringLiteral("Restore This Version"));
    w_->undoLastChange();  // the restore is a change like any other
    QCOMPARE(dir_->field(1, Field::Title).trimmed(), QStringLiteral("Messe"));
}

void ChangeHistoryTest::aFolderTheHistoryCannotBeWrittenInTakesEverySave() {
#ifndef Q_OS_UNIX
    QSKIP("needs a folder this process cannot write");
#else
    load({{"No0001 CD", "Bach"}});
    w_.reset();
    const QString folder = dir_->path();
    QVERIFY(QDir().mkpath(dir_->path("Sonvella400/Covers")));
    QVERIFY(QFile::setPermissions(dir_->path("Clasical.dat"),
                                  QFile::ReadOwner | QFile::WriteOwner | QFile::ReadOther |
                                      QFile::WriteOther | QFile::ReadGroup | QFile::WriteGroup));
    // The superuser writes any folder: the check runs as nobody then.
    const QFile::Permissions open = QFile::ReadOwner | QFile::ExeOwner | QFile::ReadGroup |
                                    QFile::ExeGroup | QFile::ReadOther | QFile::ExeOther;
    QVERIFY(QFile::setPermissions(folder, open));
    const auto restore =
        qScopeGuard([&] { QFile::setPermissions(folder, open | QFile::WriteOwner); });
    dialogs_.expectMessage(kTitle,
                           "Change history is off: " + dir_->path("Clasical.jnl") +
                               " cannot be written: Permission denied",
                           Icon::Exclamation);
    const pid_t child = ::fork();
    if (child == 0) {
        if (::geteuid() == 0 && (::setgid(65534) != 0 || ::setuid(65534) != 0)) ::_exit(10);
        RecordWindow w(session_, fakes_.services());
        if (!w.Form_Load()) ::_exit(11);
        if (!w.state().status.startsWith(QStringLiteral("Change history is off: "))) ::_exit(12);
        w.typeInto(record::txtOno, QStringLiteral("Saved all the same"));
        if (!w.SaveCR()) ::_exit(13);
        w.undoLastChange();  // says the history is off, and changes nothing
        if (!fakes_.dialogs.verifyDone() || QTest::currentTestFailed()) ::_exit(14);
        ::_exit(QFile::exists(dir_->path("Clasical.jnl")) ? 15 : 0);
    }
    int status = 0;
    QCOMPARE(::waitpid(child, &status, 0), child);
    QVERIFY(WIFEXITED(status));
    QCOMPARE(WEXITSTATUS(status), 0);
    QCOMPARE(dir_->field(1, Field::Composer).trimmed(), QStringLiteral("Saved all the same"));
    dialogs_ = {};  // the child showed the box
#endif
}

QTEST_GUILESS_MAIN(ChangeHistoryTest)
#include "tst_change_history.moc"
