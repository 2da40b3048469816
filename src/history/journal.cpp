#include "history/journal.h"

#include <QDir>
#include <QFileInfo>
#include <QSaveFile>
#include <algorithm>
#include <unordered_set>

#include "common/numbers.h"
#include "common/regular_file.h"
#include "store/collection_file.h"
#include "store/opus_record.h"

#ifdef Q_OS_UNIX
#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#endif

namespace history {

namespace {

const QByteArrayView kMagic(kJournalMagic, kJournalMagicSize);

QString shown(const QString& path) {
    return QDir::toNativeSeparators(QFileInfo(path).absoluteFilePath());
}

bool isMark(Kind kind) {
    return kind == Kind::Done || kind == Kind::Dropped;
}

// The bytes of a file from `offset` on, `size` of them (fewer at its end); empty on failure.
QByteArray readBytes(const QString& path, qint64 offset, qint64 size) {
    QFile f(path);
    if (!common::openRegularFile(f, QIODevice::ReadOnly) || !f.seek(offset)) return {};
    return f.read(size);
}

bool writeBytes(const QString& path, qint64 offset, QByteArrayView bytes) {
    QFile f(path);
    if (!common::openRegularFile(f, QIODevice::ReadWrite) || !f.seek(offset)) return false;
    return f.write(bytes.data(), bytes.size()) == bytes.size() && f.flush();
}

bool cutBack(const QString& path, qint64 length) {
    return QFile(path).resize(length);
}

// Whether every byte of `now` is the byte of `before` or of `after` there: a write cut short.
bool isTornBetween(QByteArrayView now, QByteArrayView before, QByteArrayView after) {
    if (now.size() != before.size() || now.size() != after.size()) return false;
    for (qsizetype i = 0; i < now.size(); ++i) {
        if (now[i] != before[i] && now[i] != after[i]) return false;
    }
    return true;
}

void syncFolder(const QString& path) {
#ifdef Q_OS_UNIX
    const int fd = ::open(QFile::encodeName(QFileInfo(path).absolutePath()).constData(),
                          O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return;
    ::fsync(fd);
    ::close(fd);
#else
    Q_UNUSED(path);
#endif
}

bool syncData(QFile& file) {
#ifdef Q_OS_UNIX
    return ::fdatasync(file.handle()) == 0;
#else
    return file.flush();
#endif
}

QString journalPathOf(const QString& collectionPath) {
    return QFileInfo(collectionPath).dir().filePath(QStringLiteral("Clasical.jnl"));
}

}  // namespace

Journal::Journal(QString collectionPath)
    : collectionPath_(std::move(collectionPath)), path_(journalPathOf(collectionPath_)) {}

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
                                .arg(shown(path_), reason);
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
                                    .arg(shown(path_));
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
    const auto mark = [&](Kind kind) {
        Entry m;
        m.kind = kind;
        m.seq = e.seq;
        m.file = store::fileStateOf(file);
        if (openForWriting() && append(m, true)) index(m, 0, 0);
    };
    if (!now.sameFile(e.file)) {
        setAside(QStringLiteral(".old"));
        opening.statusNote = QStringLiteral(
            "The collection was replaced outside Sonvella: its change history starts anew.");
        return;
    }
    switch (e.kind) {
        case Kind::RecordWrite: {
            const qint64 offset = qint64(e.opus - 1) * store::kRecordLength;
            QByteArray bytes = readBytes(file, offset, store::kRecordLength);
            bytes.append(QByteArray(store::kRecordLength - bytes.size(), ' '));
            if (bytes == e.after) return mark(Kind::Done);
            if (bytes == e.before) return mark(Kind::Dropped);
            if (!isTornBetween(bytes, e.before, e.after) || !writeBytes(file, offset, e.before)) {
                setAside(QStringLiteral(".old"));
                opening.statusNote = QStringLiteral(
                    "The collection was changed outside Sonvella: its change history starts "
                    "anew.");
                return;
            }
            opening.messages << QStringLiteral(
                                    "Opus Number %1 was being saved when Sonvella stopped; it "
                                    "was put back as it was.")
                                    .arg(common::numberText(e.opus));
            return mark(Kind::Dropped);
        }
        case Kind::Truncate:
            if (now.length == e.newLength) return mark(Kind::Done);
            if (now.length == e.oldLength) return mark(Kind::Dropped);
            break;
        case Kind::Append:
        case Kind::ListAppend: {
            if (now.length < e.oldLength || now.length > e.newLength) break;
            // One record or a name, written whole: it stands; anything else goes.
            if (!e.after.isEmpty() && now.length == e.newLength &&
                readBytes(file, e.newLength - e.after.size(), e.after.size()) == e.after)
                return mark(Kind::Done);
            if (now.length > e.oldLength && !cutBack(file, e.oldLength)) break;
            if (now.length > e.oldLength) {
                const std::int64_t records =
                    store::roundedRecordCount(now.length) - store::roundedRecordCount(e.oldLength);
                if (e.kind == Kind::ListAppend) {
                    opening.messages << QStringLiteral(
                                            "A name was being added to %1 when Sonvella "
                                            "stopped; it was taken back.")
                                            .arg(e.listFile);
                } else if (e.records > 1 || e.after.isEmpty()) {
                    opening.messages << QStringLiteral(
                                            "An import from CSV did not finish; the %1 records "
                                            "it had added were removed.")
                                            .arg(records);
                } else {
                    opening.messages << QStringLiteral(
                                            "Opus Number %1 was being added when Sonvella "
                                            "stopped; it was taken back.")
                                            .arg(common::numberText(e.opus));
                }
            }
            return mark(Kind::Dropped);
        }
        default:
            return;
    }
    setAside(QStringLiteral(".old"));
    opening.statusNote = QStringLiteral(
        "The collection was changed outside Sonvella: its change history starts anew.");
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

// --- Writing --------------------------------------------------------------------------------

bool Journal::openForWriting() {
    if (!isOn()) return false;
    if (file_.isOpen()) return true;
    const bool isNew = !QFileInfo::exists(path_);
    file_.setFileName(path_);
    QString reason;
    if (!common::openRegularFile(
            file_, QIODevice::ReadWrite | QIODevice::Append | QIODevice::Unbuffered, &reason)) {
        turnOff(reason);
        return false;
    }
    if (isNew) {
        if (file_.write(kMagic.data(), kMagic.size()) != kMagic.size() || !syncData(file_)) {
            const QString why = file_.errorString();
            file_.close();
            QFile::remove(path_);
            turnOff(why);
            return false;
        }
        syncFolder(path_);  // the new name itself must survive a power cut
    }
    return true;
}

bool Journal::append(const Entry& entry, bool durable) {
    const QByteArray bytes = encodeEntry(entry);
    const qint64 at = file_.size();
    if (file_.write(bytes) != bytes.size() || (durable && !syncData(file_))) {
        const QString why = file_.errorString();
        file_.resize(at);  // no torn entry left behind
        turnOff(why);
        return false;
    }
    return true;
}

void Journal::turnOff(const QString& reason) {
    if (!isOn()) return;
    offReason_ = shown(path_) + QStringLiteral(" cannot be written: ") + reason;
    file_.close();
}

void Journal::record(Entry change, const std::function<std::uint64_t()>& write,
                     const std::function<store::FileState()>& stateAfter) {
    if (!openForWriting()) {
        write();
        return;
    }
    change.seq = lastSeq_ + 1;
    const qint64 offset = file_.size();
    if (!append(change, true)) {
        write();
        return;
    }
    const qint64 size = file_.size() - offset;
    index(change, offset, size);
    Entry mark;
    mark.seq = change.seq;
    try {
        const std::uint64_t sum = write();
        mark.kind = Kind::Done;
        mark.checksum = sum != 0 ? sum : change.checksum;
    } catch (...) {
        mark.kind = Kind::Dropped;
        mark.file = stateAfter();
        if (isOn() && append(mark, false)) index(mark, 0, 0);
        throw;
    }
    mark.file = stateAfter();
    if (isOn() && append(mark, false)) index(mark, 0, 0);
    if (changeCount() > kMostChanges) rotate();
}

void Journal::barrier(const QString& text, const QDateTime& time) {
    if (!openForWriting()) return;
    Entry b;
    b.kind = Kind::Barrier;
    b.seq = lastSeq_ + 1;
    b.time = time;
    b.command = text;
    b.file = store::fileStateOf(collectionPath_);
    const qint64 offset = file_.size();
    if (append(b, true)) index(b, offset, file_.size() - offset);
}

void Journal::appendBarrier(const QString& collectionPath, const QString& text,
                            const QDateTime& time) {
    Journal journal(collectionPath);
    if (!QFileInfo::exists(journal.path_)) return;  // no history to bar
    Opening ignored;
    if (!journal.readAll(ignored)) return;
    journal.barrier(text, time);
}

void Journal::rotate() {
    // The newest changes, each with its mark, into a journal of their own that replaces this one
    // whole.
    QByteArray bytes(kMagic.data(), kMagic.size());
    const std::size_t first = rows_.size() - std::size_t(kKeptChanges);
    for (std::size_t i = first; i < rows_.size(); ++i) {
        const Row& r = rows_[i];
        bytes += encodeEntry(entryAt(r));
        if (r.kind == Kind::Barrier || (!r.done && !r.dropped)) continue;
        Entry mark;
        mark.kind = r.done ? Kind::Done : Kind::Dropped;
        mark.seq = r.seq;
        mark.file = r.doneState;
        mark.checksum = r.doneChecksum;
        bytes += encodeEntry(mark);
    }
    QSaveFile out(path_);
    if (!out.open(QIODevice::WriteOnly | QIODevice::Unbuffered) ||
        out.write(bytes) != bytes.size() || !out.commit()) {
        turnOff(out.errorString());
        return;
    }
    file_.close();
    rows_.clear();
    Opening ignored;
    readAll(ignored);
}

// --- Reading --------------------------------------------------------------------------------

Entry Journal::entryAt(const Row& r) const {
    const QByteArray bytes = readBytes(path_, r.offset, r.size);
    qsizetype size = 0;
    Entry e = decodeEntry(bytes, &size).value_or(Entry{});
    if (r.done && !isMark(e.kind) && e.kind != Kind::Barrier && r.doneChecksum != 0)
        e.checksum = r.doneChecksum;
    return e;
}

Journal::Row* Journal::row(std::uint64_t seq) {
    for (auto it = rows_.rbegin(); it != rows_.rend(); ++it) {
        if (it->seq == seq) return &*it;
    }
    return nullptr;
}

const Journal::Row* Journal::row(std::uint64_t seq) const {
    return const_cast<Journal*>(this)->row(seq);
}

bool Journal::isUndone(std::uint64_t seq) const {
    return std::any_of(rows_.begin(), rows_.end(),
                       [seq](const Row& r) { return r.done && r.undoes == seq; });
}

std::size_t Journal::lastBarrier() const {
    for (std::size_t i = rows_.size(); i-- > 0;) {
        if (rows_[i].kind == Kind::Barrier) return i;
    }
    return std::size_t(-1);
}

int Journal::changeCount() const {
    return int(rows_.size());
}

std::vector<Change> Journal::changes() const {
    std::vector<Change> out;
    out.reserve(rows_.size());
    QByteArray bytes;
    if (QFileInfo::exists(path_)) bytes = readBytes(path_, 0, QFileInfo(path_).size());
    const std::size_t barrier = lastBarrier();
    std::unordered_set<std::uint64_t> undone;
    for (const Row& r : rows_) {
        if (r.done && r.undoes != 0) undone.insert(r.undoes);
    }
    for (std::size_t i = rows_.size(); i-- > 0;) {
        const Row& r = rows_[i];
        if (!r.done) continue;  // a write that did not happen is no change
        qsizetype size = 0;
        std::optional<Entry> e =
            r.offset + r.size <= bytes.size()
                ? decodeEntry(QByteArrayView(bytes).sliced(r.offset, r.size), &size)
                : std::nullopt;
        if (!e) continue;
        if (r.doneChecksum != 0 && r.kind != Kind::Barrier) e->checksum = r.doneChecksum;
        out.push_back(
            {std::move(*e), undone.count(r.seq) != 0, barrier != std::size_t(-1) && i < barrier});
    }
    return out;
}

std::optional<Entry> Journal::newestUndoable() const {
    for (std::size_t i = rows_.size(); i-- > 0;) {
        const Row& r = rows_[i];
        if (r.kind == Kind::Barrier) return std::nullopt;
        if (!r.done || r.undoes != 0 || isUndone(r.seq)) continue;
        return entryAt(r);
    }
    return std::nullopt;
}

std::optional<Entry> Journal::restorable(std::uint64_t seq) const {
    const std::size_t barrier = lastBarrier();
    for (std::size_t i = rows_.size(); i-- > 0;) {
        if (rows_[i].seq != seq) continue;
        if (!rows_[i].done || rows_[i].kind != Kind::RecordWrite) return std::nullopt;
        if (barrier != std::size_t(-1) && i < barrier) return std::nullopt;
        return entryAt(rows_[i]);
    }
    return std::nullopt;
}

}  // namespace history
