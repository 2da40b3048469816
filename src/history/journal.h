#pragma once
// The change history of a collection: the journal "Clasical.jnl" beside it. Every write of the
// collection and of its name lists is written there first, made durable, then done and marked
// done, so that a write cut short by a crash is finished or taken back at the next start, and every
// change can be seen and undone. A history that cannot be written turns off; the writes go on.

#include <QDateTime>
#include <QFile>
#include <QString>
#include <QStringList>
#include <cstdint>
#include <functional>
#include <optional>
#include <vector>

#include "history/journal_entry.h"

namespace history {

// The history as the window and Undo see it: the changes that were done, newest first.
struct Change {
    Entry entry;
    bool undone = false;  // a later change took it back
    bool barred = false;  // a barrier stands after it: it can no longer be undone or restored
};

class Journal {
public:
    static constexpr int kMostChanges = 10000;  // past this the journal keeps the newest
    static constexpr int kKeptChanges = 5000;

    // The journal of the collection at `collectionPath`: Clasical.jnl in its folder.
    explicit Journal(QString collectionPath);
    Journal(const Journal&) = delete;
    Journal& operator=(const Journal&) = delete;

    QString path() const { return path_; }

    // What opening found, for the user; each is said once.
    struct Opening {
        QStringList messages;  // a record put back, an import taken back, a damaged journal...
        QString statusNote;    // for the status line: the history is off, or starts anew
    };
    // Before the collection is opened: reads the journal, checks that it describes the
    // collection as it is, and finishes or takes back a write a stopped program left half done.
    Opening open();

    bool isOn() const { return offReason_.isEmpty(); }
    // "Clasical.jnl cannot be written: ..." while the history is off.
    const QString& offReason() const { return offReason_; }

    // Writes `change` (a RecordWrite, Append, ListAppend or Truncate, with the state of the file
    // it writes before it) and makes it durable; then runs `write`, the data write itself, and
    // marks the change done with the state `stateAfter` gives and the checksum `write` returns
    // (0: the one the change holds). When the history cannot be written it turns off and `write`
    // runs all the same: a save is never lost for the history. What `write` throws goes on to the
    // caller, the change marked as never done.
    void record(Entry change, const std::function<std::uint64_t()>& write,
                const std::function<store::FileState()>& stateAfter);
    // The whole collection was replaced (a re-sort, a backup restored): a barrier with `text` and
    // the collection's state now. Nothing before it can be undone or restored.
    void barrier(const QString& text, const QDateTime& time);
    // The same for a collection whose window is gone meanwhile (a re-sort restarts the window).
    static void appendBarrier(const QString& collectionPath, const QString& text,
                              const QDateTime& time);

    // The changes done, barriers included, newest first.
    std::vector<Change> changes() const;
    // The newest change that Undo takes back: done, not an undo itself, not yet undone, and no
    // barrier after it.
    std::optional<Entry> newestUndoable() const;
    // A change done and not barred, by its number; for "Restore This Version".
    std::optional<Entry> restorable(std::uint64_t seq) const;
    // How many changes the journal holds.
    int changeCount() const;

private:
    struct Row {
        qint64 offset = 0;
        qint64 size = 0;
        Kind kind = Kind::RecordWrite;
        std::uint64_t seq = 0;
        std::uint64_t undoes = 0;
        bool done = false;
        bool dropped = false;
        bool collection = true;  // a change of the collection, not of a list file
        store::FileState doneState;
        std::uint64_t doneChecksum = 0;
    };

    bool readAll(Opening& opening);
    void index(const Entry& entry, qint64 offset, qint64 size);
    void settlePending(Opening& opening);
    void checkCollection(Opening& opening);
    void setAside(const QString& suffix);
    bool append(const Entry& entry, bool durable);
    bool openForWriting();
    void turnOff(const QString& reason);
    void rotate();
    Entry entryAt(const Row& row) const;
    Row* row(std::uint64_t seq);
    const Row* row(std::uint64_t seq) const;
    bool isUndone(std::uint64_t seq) const;
    std::size_t lastBarrier() const;  // index of the last barrier row; npos: none

    QString collectionPath_;
    QString path_;
    QString offReason_;
    QFile file_;
    std::vector<Row> rows_;  // the changes and barriers in journal order; marks fold into them
    std::uint64_t lastSeq_ = 0;
};

}  // namespace history
