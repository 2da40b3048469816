// The journal of the change history on real files: a write cut short by a killed process is put
// back at the next open, a damaged end is dropped, a journal that is no history is set aside, a
// collection replaced outside starts a new history, and the journal keeps its newest changes.

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#ifdef Q_OS_UNIX
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#endif

#include "history/journal.h"
#include "store/collection_file.h"
#include "support/collection_dir.h"

using history::Entry;
using history::Journal;
using history::Kind;
using testing::CollectionDir;

namespace {

QByteArray recordOf(const QStringList& fields) {
    return testing::record(fields).bytes().toByteArray();
}

// A record rewritten in place, through the journal, as the main window writes one.
void writeRecord(Journal& journal, store::CollectionFile& file, int n, const QByteArray& after,
                 const std::function<void()>& dataWrite = {}) {
    Entry change;
    change.kind = Kind::RecordWrite;
    change.command = QStringLiteral("Save Opus No");
    change.opus = n;
    change.before = file.recordBytes(n);
    change.after = after;
    change.file = file.state();
    journal.record(
        change,
        [&] {
            if (dataWrite) dataWrite();
            file.write(n, store::OpusRecord::fromBytes(after));
            return std::uint64_t(0);
        },
        [&] { return file.state(); });
}

}  // namespace

class JournalTest : public QObject {
    Q_OBJECT
private slots:
    void aWriteCutShortIsPutBackAtTheNextOpen_data();
    void aWriteCutShortIsPutBackAtTheNextOpen();
    void aDamagedEndIsDroppedAndTheRestKept();
    void aFileThatIsNoHistoryIsSetAside();
    void aCollectionReplacedOutsideStartsANewHistory();
    void theJournalKeepsItsNewestChanges();
};

void JournalTest::aWriteCutShortIsPutBackAtTheNextOpen_data() {
    QTest::addColumn<int>("written");  // bytes of the new record on disk when the process died
    QTest::addColumn<bool>("told");
    QTest::newRow("killed between the journal and the write") << 0 << false;
    QTest::newRow("killed in the middle of the write") << 200 << true;
}

void JournalTest::aWriteCutShortIsPutBackAtTheNextOpen() {
#ifndef Q_OS_UNIX
    QSKIP("needs fork and SIGKILL");
#else
    QFETCH(int, written);
    QFETCH(bool, told);
    CollectionDir dir(testing::numberedRecords(3));
    const QByteArray before = dir.bytes();
    const QByteArray after = recordOf({"No0002 LP", "Mahler", "Symphony No. 2"});
    const pid_t child = ::fork();
    if (child == 0) {
        store::CollectionFile file(dir.path("Clasical.dat"));
        file.open();
        Journal journal(file.path());
        journal.open();
        writeRecord(journal, file, 2, after, [&] {
            // The journal entry is durable now; the record is written partly or not at all.
            QFile raw(dir.path("Clasical.dat"));
            if (written > 0 && raw.open(QIODevice::ReadWrite) && raw.seek(455)) {
                raw.write(after.left(written));
                raw.flush();
            }
            ::raise(SIGKILL);
        });
        ::_exit(0);
    }
    int status = 0;
    QCOMPARE(::waitpid(child, &status, 0), child);
    QVERIFY(WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL);
    QCOMPARE(dir.bytes() != before, written > 0);

    Journal journal(dir.path("Clasical.dat"));
    const Journal::Opening opening = journal.open();
    QCOMPARE(opening.messages,
             told ? QStringList{"Opus Number  2 was being saved when Sonvella stopped; it was put "
                                "back as it was."}
                  : QStringList());
    QCOMPARE(dir.bytes(), before);
    QVERIFY(journal.changes().empty());  // a write that did not happen is no change
    QVERIFY(!journal.newestUndoable());
    Journal again(dir.path("Clasical.dat"));
    QCOMPARE(again.open().messages, QStringList());
#endif
}

void JournalTest::aDamagedEndIsDroppedAndTheRestKept() {
    CollectionDir dir(testing::numberedRecords(3));
    {
        store::CollectionFile file(dir.path("Clasical.dat"));
        file.open();
        Journal journal(file.path());
        journal.open();
        writeRecord(journal, file, 1, recordOf({"No0001 CD", "Bach"}));
        writeRecord(journal, file, 2, recordOf({"No0002 LP", "Berg"}));
    }
    const QByteArray whole = dir.bytes("Clasical.jnl");
    // A torn last entry: part of a third one, as a power cut leaves it.
    dir.write("Clasical.jnl", whole + whole.mid(8, 100));
    Journal journal(dir.path("Clasical.dat"));
    const Journal::Opening opening = journal.open();
    QCOMPARE(opening.messages.size(), 1);
    QVERIFY2(opening.messages.front().contains("ended in a damaged part, which was dropped"),
             qPrintable(opening.messages.front()));
    QCOMPARE(journal.changes().size(), std::size_t(2));
    QCOMPARE(dir.bytes("Clasical.jnl"), whole);
    Journal again(dir.path("Clasical.dat"));
    QCOMPARE(again.open().messages, QStringList());
}

void JournalTest::aFileThatIsNoHistoryIsSetAside() {
    CollectionDir dir(testing::numberedRecords(1));
    dir.write("Clasical.jnl", "not a journal at all");
    Journal journal(dir.path("Clasical.dat"));
    const Journal::Opening opening = journal.open();
    QCOMPARE(opening.messages,
             QStringList{"The change history " + dir.path("Clasical.jnl") +
                         " could not be read (it is not a change history of Sonvella). It was "
                         "moved to " +
                         dir.path("Clasical.jnl") + ".bad, and a new history starts."});
    QCOMPARE(dir.bytes("Clasical.jnl.bad"), QByteArray("not a journal at all"));
    QVERIFY(journal.isOn());
    QVERIFY(journal.changes().empty());
}

void JournalTest::aCollectionReplacedOutsideStartsANewHistory() {
    CollectionDir dir(testing::numberedRecords(3));
    {
        store::CollectionFile file(dir.path("Clasical.dat"));
        file.open();
        Journal journal(file.path());
        journal.open();
        writeRecord(journal, file, 1, recordOf({"No0001 CD", "Bach"}));
    }
    // A copy of the collection put in its place by hand: another file under the same name.
    const QByteArray bytes = dir.bytes();
    QVERIFY(QFile::remove(dir.path("Clasical.dat")));
    dir.write("Clasical.dat", bytes);
    Journal journal(dir.path("Clasical.dat"));
    const Journal::Opening opening = journal.open();
    QVERIFY(opening.messages.isEmpty());
    QCOMPARE(opening.statusNote,
             QStringLiteral(
                 "The collection was changed outside Sonvella: its change history starts anew."));
    QVERIFY(journal.changes().empty());
    QVERIFY(QFile::exists(dir.path("Clasical.jnl.old")));
    QCOMPARE(dir.bytes(), bytes);  // nothing repaired
}

void JournalTest::theJournalKeepsItsNewestChanges() {
    CollectionDir dir(testing::numberedRecords(1));
    store::CollectionFile file(dir.path("Clasical.dat"));
    file.open();
    // A journal of as many changes as it keeps, made at once; each is done, with the state the
    // collection has now.
    QByteArray journalBytes(history::kJournalMagic, history::kJournalMagicSize);
    for (int i = 1; i <= Journal::kMostChanges; ++i) {
        Entry change;
        change.kind = Kind::RecordWrite;
        change.seq = std::uint64_t(i);
        change.command = QStringLiteral("Save Opus No");
        change.opus = 1;
        change.before = file.recordBytes(1);
        change.after = file.recordBytes(1);
        change.file = file.state();
        Entry done;
        done.kind = Kind::Done;
        done.seq = change.seq;
        done.file = file.state();
        journalBytes += history::encodeEntry(change) + history::encodeEntry(done);
    }
    dir.write("Clasical.jnl", journalBytes);
    Journal journal(file.path());
    QVERIFY(journal.open().messages.isEmpty());
    QCOMPARE(journal.changeCount(), Journal::kMostChanges);
    writeRecord(journal, file, 1, recordOf({"No0001 CD", "The change past the most"}));
    QCOMPARE(journal.changeCount(), Journal::kKeptChanges);
    QVERIFY(QFileInfo(dir.path("Clasical.jnl")).size() < journalBytes.size() / 2 + 4096);
    const std::vector<history::Change> changes = journal.changes();
    QCOMPARE(changes.front().entry.seq, std::uint64_t(Journal::kMostChanges + 1));
    QCOMPARE(changes.back().entry.seq,
             std::uint64_t(Journal::kMostChanges + 2 - Journal::kKeptChanges));
    Journal reopened(file.path());
    QVERIFY(reopened.open().messages.isEmpty());
    QCOMPARE(reopened.changeCount(), Journal::kKeptChanges);
}

QTEST_GUILESS_MAIN(JournalTest)
#include "tst_journal.moc"
