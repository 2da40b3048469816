#include "history/journal_entry.h"

#include <QtEndian>
#include <algorithm>
#include <cstring>

#include "store/opus_record.h"

namespace history {

namespace {

constexpr std::uint32_t kEntryMarker = 0x45564a53;  // "SJVE"
constexpr qsizetype kHeaderSize = 16;               // marker, size, checksum
constexpr std::uint32_t kMostEntryBytes = 1 << 20;  // an entry holds two records at the most

// Little-endian fields, one after another.
class Writer {
public:
    template <class T>
    void put(T value) {
        char bytes[sizeof(T)];
        qToLittleEndian(value, bytes);
        out_.append(bytes, sizeof(T));
    }
    void put(QByteArrayView bytes) {
        put(std::uint32_t(bytes.size()));
        out_.append(bytes.data(), bytes.size());
    }
    void put(const QString& text) { put(QByteArrayView(text.toUtf8())); }
    QByteArray& bytes() { return out_; }

private:
    QByteArray out_;
};

class Reader {
public:
    explicit Reader(QByteArrayView bytes) : in_(bytes) {}
    template <class T>
    T take() {
        if (at_ + qsizetype(sizeof(T)) > in_.size()) {
            ok_ = false;
            return T{};
        }
        const T value = qFromLittleEndian<T>(in_.data() + at_);
        at_ += sizeof(T);
        return value;
    }
    QByteArrayView takeView() {
        const auto size = take<std::uint32_t>();
        if (!ok_ || at_ + qsizetype(size) > in_.size()) {
            ok_ = false;
            return {};
        }
        const QByteArrayView bytes = in_.sliced(at_, size);
        at_ += size;
        return bytes;
    }
    bool ok() const { return ok_ && at_ == in_.size(); }

private:
    QByteArrayView in_;
    qsizetype at_ = 0;
    bool ok_ = true;
};

void putState(Writer& w, const store::FileState& state) {
    w.put(std::int64_t(state.length));
    w.put(std::uint64_t(state.device));
    w.put(std::uint64_t(state.inode));
    w.put(std::int64_t(state.modifiedNs));
}

store::FileState takeState(Reader& r) {
    store::FileState state;
    state.length = r.take<std::int64_t>();
    state.device = r.take<std::uint64_t>();
    state.inode = r.take<std::uint64_t>();
    state.modifiedNs = r.take<std::int64_t>();
    return state;
}

}  // namespace

std::uint64_t checksum(QByteArrayView bytes, std::uint64_t seed) {
    // Eight bytes a step, each step mixed by a multiplication: fast, and any change of a byte or
    // of the length changes the sum.
    std::uint64_t h = seed ^ (0x9E3779B97F4A7C15ull * std::uint64_t(bytes.size() + 1));
    const char* p = bytes.data();
    qsizetype left = bytes.size();
    for (; left >= 8; p += 8, left -= 8) {
        std::uint64_t word;
        std::memcpy(&word, p, 8);
        h = (h ^ word) * 0xFF51AFD7ED558CCDull;
        h ^= h >> 32;
    }
    std::uint64_t tail = 0;
    std::memcpy(&tail, p, std::size_t(left));
    h = (h ^ tail) * 0xC4CEB9FE1A85EC53ull;
    return h ^ (h >> 29);
}

std::uint64_t recordsChecksum(QByteArrayView records, std::uint64_t sum) {
    for (qsizetype at = 0; at < records.size(); at += store::kRecordLength)
        sum = checksum(
            records.sliced(at, std::min<qsizetype>(store::kRecordLength, records.size() - at)),
            sum);
    return sum;
}

QByteArray encodeEntry(const Entry& e) {
    Writer w;
    w.put(std::uint8_t(e.kind));
    w.put(std::uint64_t(e.seq));
    w.put(std::int64_t(e.time.isValid() ? e.time.toMSecsSinceEpoch() : 0));
    w.put(e.command);
    w.put(std::int32_t(e.opus));
    w.put(e.listFile);
    w.put(QByteArrayView(e.before));
    w.put(QByteArrayView(e.after));
    w.put(std::int64_t(e.oldLength));
    w.put(std::int64_t(e.newLength));
    w.put(std::int32_t(e.records));
    w.put(std::uint64_t(e.checksum));
    w.put(std::uint64_t(e.undoes));
    putState(w, e.file);
    const QByteArray& fields = w.bytes();

    Writer header;
    header.put(kEntryMarker);
    header.put(std::uint32_t(fields.size()));
    header.put(checksum(fields));
    return header.bytes() + fields;
}

std::optional<Entry> decodeEntry(QByteArrayView bytes, qsizetype* size, Decode decode) {
    const bool all = decode == Decode::All;
    if (bytes.size() < kHeaderSize) return std::nullopt;
    Reader header(bytes.first(kHeaderSize));
    if (header.take<std::uint32_t>() != kEntryMarker) return std::nullopt;
    const auto fieldsSize = header.take<std::uint32_t>();
    const auto sum = header.take<std::uint64_t>();
    if (fieldsSize > kMostEntryBytes || kHeaderSize + qsizetype(fieldsSize) > bytes.size())
        return std::nullopt;
    const QByteArrayView fields = bytes.sliced(kHeaderSize, fieldsSize);
    if (checksum(fields) != sum) return std::nullopt;

    Reader r(fields);
    Entry e;
    const auto kind = r.take<std::uint8_t>();
    if (kind < std::uint8_t(Kind::RecordWrite) || kind > std::uint8_t(Kind::Dropped))
        return std::nullopt;
    e.kind = Kind(kind);
    e.seq = r.take<std::uint64_t>();
    const auto time = r.take<std::int64_t>();
    const QByteArrayView command = r.takeView();
    e.opus = r.take<std::int32_t>();
    const QByteArrayView listFile = r.takeView();
    const QByteArrayView before = r.takeView();
    const QByteArrayView after = r.takeView();
    if (all) {
        e.time = QDateTime::fromMSecsSinceEpoch(time);
        e.command = QString::fromUtf8(command);
        e.listFile = QString::fromUtf8(listFile);
        e.before = before.toByteArray();
        e.after = after.toByteArray();
    } else if (!listFile.isEmpty()) {
        e.listFile = QStringLiteral("list");
    }
    e.oldLength = r.take<std::int64_t>();
    e.newLength = r.take<std::int64_t>();
    e.records = r.take<std::int32_t>();
    e.checksum = r.take<std::uint64_t>();
    e.undoes = r.take<std::uint64_t>();
    e.file = takeState(r);
    if (!r.ok()) return std::nullopt;
    *size = kHeaderSize + fieldsSize;
    return e;
}

}  // namespace history
