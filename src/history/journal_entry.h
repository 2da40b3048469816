#pragma once
// One entry of the change history as it stands in the journal file: what a command changed, with
// the bytes before and after, and the state of the file it wrote. An entry is written before the
// write it describes and marked done after it; its checksum tells a whole entry from a torn one.

#include <QByteArray>
#include <QByteArrayView>
#include <QDateTime>
#include <QString>
#include <cstdint>
#include <optional>

#include "store/file_state.h"

namespace history {

enum class Kind : std::uint8_t {
    RecordWrite = 1,  // a record rewritten in place: its bytes before and after
    Append = 2,       // records added at the end of the collection (New, an import)
    ListAppend = 3,   // a name added at the end of a list file
    Truncate = 4,     // an append taken back by an undo: the file cut back to `newLength`
    Barrier = 5,      // the whole collection replaced (a re-sort, a backup restored)
    Done = 6,         // the mark that the write of entry `seq` happened
    Dropped = 7,      // the mark that the write of entry `seq` never happened, or was put back
};

// Whether an entry only marks how the write of another ended.
inline bool isMark(Kind kind) {
    return kind == Kind::Done || kind == Kind::Dropped;
}

struct Entry {
    Kind kind = Kind::RecordWrite;
    std::uint64_t seq = 0;  // for a mark: the entry it marks
    QDateTime time;
    QString command;             // as the menus call it ("Save Opus No")
    std::int32_t opus = 0;       // the record written, or the first one appended
    QString listFile;            // a list file's bare name ("Composers.txt")
    QByteArray before;           // RecordWrite: the 455 bytes before
    QByteArray after;            // RecordWrite: after; Append of one record, ListAppend: what
                                 // was appended
    std::int64_t oldLength = 0;  // Append, ListAppend, Truncate: the length before
    std::int64_t newLength = 0;  // and after
    std::int32_t records = 0;    // Append: how many records
    std::uint64_t checksum = 0;  // Append, ListAppend: of the bytes appended (a Done mark's
                                 // when they are known only once written)
    std::uint64_t undoes = 0;    // the change this one takes back; 0: none
    store::FileState file;       // a change: the file before it; a Done mark: after it
};

// A fast 64-bit checksum, for entries and for the bytes an append wrote.
std::uint64_t checksum(QByteArrayView bytes, std::uint64_t seed = 0);
// The checksum of records appended, one record of 455 bytes after another: the same whatever
// blocks they were written or read back in.
std::uint64_t recordsChecksum(QByteArrayView records, std::uint64_t sum = 0);

// The bytes of an entry in the journal: a header (marker, size, checksum) and its fields.
QByteArray encodeEntry(const Entry& entry);

// How much of an entry is read: all of it, or its head only (the texts and the bytes it holds
// left out; the list file is then only told apart from none).
enum class Decode { All, Head };

// Reads the entry that starts at `bytes`; `size` gets how many bytes it took. Nothing when the
// bytes there are no whole entry (a torn or damaged one): its checksum is checked either way.
std::optional<Entry> decodeEntry(QByteArrayView bytes, qsizetype* size,
                                 Decode decode = Decode::All);

// The first bytes of a journal file.
inline constexpr char kJournalMagic[] = "SVJRNL01";
inline constexpr qsizetype kJournalMagicSize = 8;

}  // namespace history
