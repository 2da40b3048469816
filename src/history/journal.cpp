#include "history/journal.h"

#include <QDir>
#include <QFileInfo>
#include <QSaveFile>
#include <algorithm>
#include <unordered_set>

#include "common/numbers.h"
#include "common/regular_file.h"
#include "history/journal_io.h"
#include "store/collection_file.h"
#include "store/opus_record.h"

namespace history {

namespace {

const QByteArrayView kMagic(kJournalMagic, kJournalMagicSize);

QString journalPathOf(const QString& collectionPath) {
    return QFileInfo(collectionPath).dir().filePath(QStringLiteral("Clasical.jnl"));
}

}  // namespace

Journal::Journal(QString collectionPath)
    : collectionPath_(std::move(collectionPath)), path_(journalPathOf(collectionPath_)) {}

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
    offReason_ = shownPath(path_) + QStringLiteral(" cannot be written: ") + reason;
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
