// The change history as it is opened: read and indexed, a change cut short by a crash put right
// or taken back, and a history that no longer fits its collection set aside.

#include <QDir>
#include <QFileInfo>

#include "common/numbers.h"
#include "common/regular_file.h"
#include "history/journal.h"
#include "history/journal_io.h"
#include "store/collection_file.h"
#include "store/opus_record.h"

#ifdef Q_OS_UNIX
#include <unistd.h>

#include <cerrno>
#endif

namespace history {

namespace {

const QByteArrayView kMagic(kJournalMagic, kJournalMagicSize);

// Whether every byte of `now` is the byte of `before` or of `after` there: a write cut short.
bool isTornBetween(QByteArrayView now, QByteArrayView before, QByteArrayView after) {
    if (now.size() != before.size() || now.size() != after.size()) return false;
    for (qsizetype i = 0; i < now.size(); ++i) {
        if (now[i] != before[i] && now[i] != after[i]) return false;
    }
    return true;
}

// How a change cut short was settled: it stands, it was taken back, or the file shows neither
// and was changed by something else.
enum class Settled { Done, Dropped, Foreign };

// A record write: the record holds the new bytes (it stands), the old ones (it never began) or
// a mix of the two, put back as it was.
Settled settleRecordWrite(const Entry& e, const QString& file, QStringList& messages) {
    const qint64 offset = qint64(e.opus - 1) * store::kRecordLength;
    QByteArray bytes = readBytes(file, offset, store::kRecordLength);
    bytes.append(QByteArray(store::kRecordLength - bytes.size(), ' '));
    if (bytes == e.after) return Settled::Done;
    if (bytes == e.before) return Settled::Dropped;
    if (!isTornBetween(bytes, e.before, e.after) || !writeBytes(file, offset, e.before))
        return Settled::Foreign;
    messages << QStringLiteral(
                    "Opus Number %1 was being saved when Sonvella stopped; it was put back as it "
                    "was.")
                    .arg(common::numberText(e.opus));
    return Settled::Dropped;
}

// A change of the file's length: a truncation either happened or not; an append of one record
// or one name written whole stands, and anything else is cut back to the old length.
Settled settleLengthChange(const Entry& e, const QString& file, qint64 length,
                           QStringList& messages) {
    if (e.kind == Kind::Truncate) {
        if (length == e.newLength) return Settled::Done;
        if (length == e.oldLength) return Settled::Dropped;
        return Settled::Foreign;
    }
    if (length < e.oldLength || length > e.newLength) return Settled::Foreign;
    if (!e.after.isEmpty() && length == e.newLength &&
        readBytes(file, e.newLength - e.after.size(), e.after.size()) == e.after)
        return Settled::Done;
    if (length == e.oldLength) return Settled::Dropped;
    if (!cutBack(file, e.oldLength)) return Settled::Foreign;
    if (e.kind == Kind::ListAppend) {
        messages << QStringLiteral(
                        "A name was being added to %1 when Sonvella stopped; it was taken back.")
                        .arg(e.listFile);
    } else if (e.records > 1 || e.after.isEmpty()) {
        const std::int64_t records =
            store::roundedRecordCount(length) - store::roundedRecordCount(e.oldLength);
        messages << QStringLiteral(
                        "An import from CSV did not finish; the %1 records it had added were "
                        "removed.")
                        .arg(records);
    } else {
        messages << QStringLiteral(
                        "Opus Number %1 was being added when Sonvella stopped; it was taken back.")
                        .arg(common::numberText(e.opus));
    }
    return Settled::Dropped;
}

}  // namespace

// --- Opening --------------------------------------------------------------------------------

Journal::Opening Journal::open() {
    Opening opening;
    rows_.clear();
    lastSeq_ = 0;
    offReason_.clear();
    file_.close();
    if (readAll(opening)) {
        settlePending(opening);
        checkCollection(opening);
    }
    if (!isOn()) {
        // readAll() said why
    } else if (!QFileInfo::exists(path_)) {
#ifdef Q_OS_UNIX
        // Made with the first change; whether it can be is known now.
        const QByteArray folder = QFile::encodeName(QFileInfo(path_).absolutePath());
        if (::access(folder.constData(), W_OK) != 0) turnOff(common::systemErrorText(errno));
#endif
    } else if (!openForWriting()) {
        // turnOff() said why
    }
    if (!isOn()) opening.statusNote = QStringLiteral("Change history is off: ") + offReason_;
    return opening;
}

bool Journal::readAll(Opening& opening) {
    if (!QFileInfo::exists(path_)) return true;
    if (!QFileInfo(path_).isFile()) {
        // A folder or the like in its place is nobody's history to move: the history is off.
        turnOff(QStringLiteral("it is not a file"));
        return false;
    }
    QFile f(path_);
    QString reason;
    QByteArray bytes;
    if (common::openRegularFile(f, QIODevice::ReadOnly, &reason)) {
        bytes = f.readAll();
        if (f.error() != QFileDevice::NoError) reason = f.errorString();
    }
    f.close();
    if (reason.isEmpty() && !bytes.startsWith(kMagic))
        reason = QStringLiteral("it is not a change history of Sonvella");
    if (!reason.isEmpty()) {
        setAside(QStringLiteral(".bad"));
        opening.messages << QStringLiteral(
                                "The change history %1 could not be read (%2). It was moved to "
                                "%1.bad, and a new history starts.")
                                .arg(shownPath(path_), reason);
        return false;
    }
    qsizetype at = kJournalMagicSize;
    while (at < bytes.size()) {
        qsizetype size = 0;
        // Only what the index keeps is read of each entry: the bytes it holds stay in the file.
        const std::optional<Entry> entry =
            decodeEntry(QByteArrayView(bytes).sliced(at), &size, Decode::Head);
        if (!entry) break;
        index(*entry, at, size);
        at += size;
    }
    if (at < bytes.size()) {
        // A torn or damaged end: the whole entries before it are kept.
        if (!cutBack(path_, at)) {
            turnOff(QStringLiteral("its damaged end cannot be cut off"));
        } else {
            opening.messages << QStringLiteral(
                                    "The change history %1 ended in a damaged part, which was "
                                    "dropped; the changes before it are kept.")
                                    .arg(shownPath(path_));
        }
    }
    return true;
}

void Journal::index(const Entry& entry, qint64 offset, qint64 size) {
    lastSeq_ = std::max(lastSeq_, entry.seq);
    if (isMark(entry.kind)) {
        if (Row* marked = row(entry.seq)) {
            marked->done = entry.kind == Kind::Done;
            marked->dropped = entry.kind == Kind::Dropped;
            marked->doneState = entry.file;
            marked->doneChecksum = entry.checksum;
        }
        return;
    }
    Row r;
    r.offset = offset;
    r.size = size;
    r.kind = entry.kind;
    r.seq = entry.seq;
    r.undoes = entry.undoes;
    r.collection = entry.listFile.isEmpty();
    if (entry.kind == Kind::Barrier) {
        r.done = true;
        r.doneState = entry.file;
    }
    rows_.push_back(r);
}

void Journal::settlePending(Opening& opening) {
    if (rows_.empty()) return;
    Row& last = rows_.back();
    if (last.done || last.dropped) return;
    const Entry e = entryAt(last);
    const QString file = e.listFile.isEmpty()
                             ? collectionPath_
                             : QFileInfo(collectionPath_).dir().filePath(e.listFile);
    const store::FileState now = store::fileStateOf(file);
    if (!now.sameFile(e.file)) {
        setAside(QStringLiteral(".old"));
        opening.statusNote = QStringLiteral(
            "The collection was replaced outside Sonvella: its change history starts anew.");
        return;
    }
    Settled settled = Settled::Foreign;
    switch (e.kind) {
        case Kind::RecordWrite:
            settled = settleRecordWrite(e, file, opening.messages);
            break;
        case Kind::Truncate:
        case Kind::Append:
        case Kind::ListAppend:
            settled = settleLengthChange(e, file, now.length, opening.messages);
            break;
        default:
            return;
    }
    if (settled == Settled::Foreign) {
        setAside(QStringLiteral(".old"));
        opening.statusNote = QStringLiteral(
            "The collection was changed outside Sonvella: its change history starts anew.");
        return;
    }
    Entry m;
    m.kind = settled == Settled::Done ? Kind::Done : Kind::Dropped;
    m.seq = e.seq;
    m.file = store::fileStateOf(file);
    if (openForWriting() && append(m, true)) index(m, 0, 0);
}

void Journal::checkCollection(Opening& opening) {
    // The state the collection had after the last change the journal knows of.
    for (auto it = rows_.rbegin(); it != rows_.rend(); ++it) {
        if (!it->collection || !it->done) continue;
        if (store::fileStateOf(collectionPath_) == it->doneState) return;
        setAside(QStringLiteral(".old"));
        opening.statusNote = QStringLiteral(
            "The collection was changed outside Sonvella: its change history starts anew.");
        return;
    }
}

void Journal::setAside(const QString& suffix) {
    file_.close();
    const QString aside = path_ + suffix;
    QFile::remove(aside);
    if (!QFile::rename(path_, aside)) QFile::remove(path_);
    rows_.clear();
}

}  // namespace history
