#pragma once
// One Opus record: six fixed-width, blank-padded text fields, 455 bytes on disk.

#include <QByteArrayView>
#include <QString>
#include <array>
#include <cstdint>
#include <cstring>

namespace store {

enum class Field { Identity, Composer, Title, Orchestra, Soloists, Cover };

constexpr int kFieldCount = 6;
constexpr int kRecordLength = 455;

struct FieldLayout {
    int offset;
    int width;
};

constexpr std::array<FieldLayout, kFieldCount> kFieldLayout = {{
    {0, 45},     // Identity
    {45, 45},    // Composer
    {90, 60},    // Title
    {150, 75},   // Orchestra
    {225, 115},  // Soloists
    {340, 115},  // Cover
}};

constexpr int fieldWidth(Field f) {
    return kFieldLayout[static_cast<int>(f)].width;
}
constexpr int fieldOffset(Field f) {
    return kFieldLayout[static_cast<int>(f)].offset;
}

constexpr std::array<Field, kFieldCount> kAllFields = {Field::Identity, Field::Composer,
                                                       Field::Title,    Field::Orchestra,
                                                       Field::Soloists, Field::Cover};

// The Identity of a record just appended and of a deleted record.
inline constexpr char kNewIdentity[] = "No";
inline constexpr char kDeletedIdentity[] = "~~~";

// Leading and trailing blanks (spaces only) removed, from a text or from bytes on disk.
QString trimBlanks(const QString& text);
QByteArrayView trimBlankBytes(QByteArrayView bytes);

// Whether a record as it stands on disk (kRecordLength bytes) was deleted: its Identity is "~~~"
// with any blanks around it.
bool isDeletedRecord(const char* record);

// Records of one medium share the start of their Identity ("No0001 CD", "No0001 CD"): the first
// seven characters after any leading blanks, padded with blanks. Media counting and the
// collection check compare these keys exactly.
constexpr int kMediumKeyLength = 7;
using MediumKey = std::array<char, kMediumKeyLength>;
MediumKey mediumKey(QByteArrayView identity);
// The same key as one number, its seven bytes in the order they stand (never 0: a key holds
// blanks at least), for passes that compare millions of keys.
std::uint64_t packedMediumKey(QByteArrayView identity);
inline std::uint64_t packedMediumKey(const MediumKey& key) {
    std::uint64_t n = 0;
    std::memcpy(&n, key.data(), key.size());
    return n;
}

class OpusRecord {
public:
    OpusRecord();  // six blank fields

    // A record from bytes read off the disk; fewer than 455 bytes are padded with blanks.
    static OpusRecord fromBytes(QByteArrayView bytes);
    // A record of five blank fields and the given Identity ("No" or "~~~").
    static OpusRecord withIdentity(const char* identity);

    // The field as stored: blank-padded to its width.
    QByteArrayView field(Field f) const { return {bytes_.data() + fieldOffset(f), fieldWidth(f)}; }
    QString text(Field f) const;
    // The field with its leading and trailing blanks removed, as it is shown.
    QString trimmed(Field f) const;

    // Assigns text into a field: left-justified, padded with blanks, cut at the width.
    void setText(Field f, const QString& text);
    // Trims every field and stores the trimmed text back, as showing a record does.
    void trimAll();
    // Takes the 455 bytes of a record (from a scan's buffer) in place of its own. Returns which
    // fields held these bytes already: bit f for Field f.
    unsigned assign(const char* bytes);

    const char* data() const { return bytes_.data(); }
    QByteArrayView bytes() const { return {bytes_.data(), kRecordLength}; }
    bool operator==(const OpusRecord&) const = default;

private:
    std::array<char, kRecordLength> bytes_;
};

}  // namespace store
