// The main window's side of the change history: every write of the collection and of its lists
// goes through the journal, and Undo Last Change and Restore This Version take changes back.

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include "common/numbers.h"
#include "common/texts.h"
#include "platform/clock.h"
#include "platform/dialogs.h"
#include "record/record_window.h"
#include "store/name_list.h"
#include "store/store_error.h"

namespace record {

using common::numberText;
using history::Entry;
using history::Kind;
using platform::Icon;

namespace {

QString listPath(const QString& collectionPath, const QString& file) {
    return QFileInfo(collectionPath).dir().filePath(file);
}

// The entry that takes an append back by cutting its file, now `state`, back to its old length.
Entry cutBackEntry(const Entry& change, const QString& command, const QDateTime& time,
                   const store::FileState& state) {
    Entry cut;
    cut.kind = Kind::Truncate;
    cut.command = command;
    cut.time = time;
    cut.opus = change.opus;
    cut.listFile = change.listFile;
    cut.undoes = change.seq;
    cut.file = state;
    cut.oldLength = change.newLength;
    cut.newLength = change.oldLength;
    return cut;
}

}  // namespace

void RecordWindow::openHistory() {
    const history::Journal::Opening opening = journal_.open();
    for (const QString& message : opening.messages)
        dialogs_.show(common::kTitle, message, Icon::Information);
    if (!opening.statusNote.isEmpty()) state_.status = opening.statusNote;
}

void RecordWindow::writeRecord(std::int32_t n, const store::OpusRecord& record,
                               std::uint64_t undoes) {
    const QByteArray before = file_.recordBytes(n);
    const QByteArrayView after(record.data(), store::kRecordLength);
    const store::FileState state = file_.state();
    const std::int64_t start = std::int64_t(n - 1) * store::kRecordLength;
    const bool within = start + store::kRecordLength <= state.length;
    if (within && before == after) return;  // nothing changes: no write, no entry

    Entry change;
    change.command = command_;
    change.time = services_.clock.now();
    change.opus = n;
    change.undoes = undoes;
    change.file = state;
    if (start >= state.length) {
        // A record beyond the end: an append, taken back by cutting the file back.
        change.kind = Kind::Append;
        change.oldLength = state.length;
        change.newLength = start + store::kRecordLength;
        change.records = 1;
        change.after = after.toByteArray();
        change.checksum = history::recordsChecksum(after);
    } else {
        change.kind = Kind::RecordWrite;
        change.before = before;
        change.after = after.toByteArray();
    }
    journal_.record(
        change,
        [&] {
            file_.write(n, record);
            return std::uint64_t(0);
        },
        [&] { return file_.state(); });
}

void RecordWindow::appendName(const QString& file, const QString& name) {
    const QString path = listPath(file_.path(), file);
    Entry change;
    change.kind = Kind::ListAppend;
    change.command = command_;
    change.time = services_.clock.now();
    change.listFile = file;
    change.file = store::fileStateOf(path);
    change.oldLength = std::max<std::int64_t>(change.file.length, 0);
    change.after = store::nameListLine(file, name);
    change.newLength = change.oldLength + change.after.size();
    change.checksum = history::checksum(change.after);
    journal_.record(
        change,
        [&] {
            store::AppendNameToList(file, name);
            return std::uint64_t(0);
        },
        [&] { return store::fileStateOf(path); });
}

void RecordWindow::undoLastChange() {
    CommandName name(*this, QStringLiteral("Undo Last Change"));
    if (!journal_.isOn()) {
        dialogs_.show(common::kTitle,
                      QStringLiteral("Change history is off: ") + journal_.offReason(),
                      Icon::Exclamation);
        return;
    }
    // Typing not yet saved becomes the newest change, so that Undo right after it takes it back.
    {
        CommandName save(*this, QStringLiteral("Save Opus No"));
        if (!SaveCR()) return;
    }
    const std::optional<Entry> change = journal_.newestUndoable();
    if (!change) {
        dialogs_.show(common::kTitle, QStringLiteral("There is no change to undo."),
                      Icon::Information);
        return;
    }
    takeBack(*change);
}

bool RecordWindow::takeBack(const Entry& change) {
    if (change.kind == Kind::Append) return takeBackAppend(change);
    if (change.kind == Kind::ListAppend) return takeBackListAppend(change);
    // A record rewritten: put back as it was, unless something else has written it since.
    try {
        if (change.opus > state_.N || file_.recordBytes(change.opus) != change.after) {
            dialogs_.show(common::kTitle,
                          QStringLiteral("Opus Number ") + numberText(change.opus) +
                              QStringLiteral(" was changed after \"") + change.command +
                              QStringLiteral("\" (by another program, or an import): that "
                                             "change cannot be undone."),
                          Icon::Exclamation);
            return false;
        }
        writeRecord(change.opus, store::OpusRecord::fromBytes(change.before), change.seq);
    } catch (const store::StoreError& e) {
        reportFailure(QStringLiteral("could not be put back"), change.opus, e.message());
        return false;
    }
    return showRecord(change.opus);
}

bool RecordWindow::takeBackAppend(const Entry& change) {
    // Records added at the end: cut off again, unless they are no longer what was added.
    const std::int64_t start = std::int64_t(change.opus - 1) * store::kRecordLength;
    try {
        bool same = file_.state().length == change.newLength;
        if (same) {
            QByteArray bytes(change.newLength - start, Qt::Uninitialized);
            const std::int64_t got = file_.readRecords(
                change.opus, std::int32_t(bytes.size() / store::kRecordLength), bytes.data());
            same = got == bytes.size() && history::recordsChecksum(bytes) == change.checksum;
        }
        if (!same) {
            dialogs_.show(common::kTitle,
                          QStringLiteral("Opus Number ") + numberText(change.opus) +
                              QStringLiteral(" and the records after it were changed after \"") +
                              change.command + QStringLiteral("\": that change cannot be undone."),
                          Icon::Exclamation);
            return false;
        }
        journal_.record(
            cutBackEntry(change, command_, services_.clock.now(), file_.state()),
            [&] {
                file_.truncate(change.oldLength);
                return std::uint64_t(0);
            },
            [&] { return file_.state(); });
        state_.N = file_.recordCount();
    } catch (const store::StoreError& e) {
        reportFailure(QStringLiteral("could not be taken back"), change.opus, e.message());
        return false;
    }
    return showRecord(std::min(std::max(change.opus - 1, 1), state_.N));
}

bool RecordWindow::takeBackListAppend(const Entry& change) {
    const QString path = listPath(file_.path(), change.listFile);
    QFile list(path);
    bool same = store::fileStateOf(path).length == change.newLength &&
                list.open(QIODevice::ReadOnly) && list.seek(change.oldLength) &&
                list.read(change.after.size()) == change.after;
    list.close();
    if (!same) {
        dialogs_.show(common::kTitle,
                      change.listFile +
                          QStringLiteral(" was changed after the name was added to it: \"") +
                          change.command + QStringLiteral("\" cannot be undone."),
                      Icon::Exclamation);
        return false;
    }
    const Entry cut =
        cutBackEntry(change, command_, services_.clock.now(), store::fileStateOf(path));
    try {
        journal_.record(
            cut,
            [&] {
                if (!QFile(path).resize(change.oldLength)) {
                    throw store::StoreError(store::StoreError::Kind::WriteFailed,
                                            path + QStringLiteral(" cannot be written"));
                }
                return std::uint64_t(0);
            },
            [&] { return store::fileStateOf(path); });
        pickPanel_.load();
    } catch (const store::StoreError& e) {
        dialogs_.show(common::kTitle, e.message(), Icon::Exclamation);
        return false;
    }
    notify();
    return true;
}

bool RecordWindow::restoreVersion(std::uint64_t seq) {
    CommandName name(*this, QStringLiteral("Restore This Version"));
    const std::optional<Entry> change = journal_.restorable(seq);
    if (!change) {
        dialogs_.show(common::kTitle,
                      QStringLiteral("This version cannot be restored: the collection was "
                                     "re-sorted or replaced since, or it is no record's version."),
                      Icon::Exclamation);
        return false;
    }
    const platform::Answer answer = dialogs_.ask(
        common::kTitle,
        QStringLiteral("Put Opus Number ") + numberText(change->opus) +
            QStringLiteral(" back as it was before \"") + change->command +
            QStringLiteral("\" of ") + change->time.toString(QStringLiteral("yyyy-MM-dd HH:mm")) +
            QStringLiteral("?"),
        Icon::Question, platform::Buttons::YesNo, 1);
    if (answer != platform::Answer::Yes) return false;
    {
        CommandName save(*this, QStringLiteral("Save Opus No"));
        if (!SaveCR()) return false;
    }
    if (change->opus > state_.N) {
        dialogs_.show(common::kTitle,
                      QStringLiteral("Opus Number ") + numberText(change->opus) +
                          QStringLiteral(" is no longer in the collection."),
                      Icon::Exclamation);
        return false;
    }
    try {
        writeRecord(change->opus, store::OpusRecord::fromBytes(change->before));
    } catch (const store::StoreError& e) {
        reportFailure(QStringLiteral("could not be restored"), change->opus, e.message());
        return false;
    }
    return showRecord(change->opus);
}

}  // namespace record
