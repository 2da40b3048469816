#include "store/opus_record.h"

#include <algorithm>
#include <cstring>

#include "store/codepage.h"

namespace store {

QString trimBlanks(const QString& text) {
    qsizetype first = 0, last = text.size();
    while (first < last && text[first] == u' ') ++first;
    while (last > first && text[last - 1] == u' ') --last;
    return text.mid(first, last - first);
}

QByteArrayView trimBlankBytes(QByteArrayView bytes) {
    qsizetype first = 0, last = bytes.size();
    while (first < last && bytes[first] == ' ') ++first;
    while (last > first && bytes[last - 1] == ' ') --last;
    return bytes.sliced(first, last - first);
}

MediumKey mediumKey(QByteArrayView identity) {
    qsizetype first = 0;
    while (first < identity.size() && identity[first] == ' ') ++first;
    MediumKey key;
    key.fill(' ');
    const qsizetype length = std::min<qsizetype>(identity.size() - first, kMediumKeyLength);
    std::memcpy(key.data(), identity.data() + first, length);
    return key;
}

OpusRecord::OpusRecord() {
    bytes_.fill(' ');
}

OpusRecord OpusRecord::fromBytes(QByteArrayView bytes) {
    OpusRecord r;
    std::memcpy(r.bytes_.data(), bytes.data(), std::min<qsizetype>(bytes.size(), kRecordLength));
    return r;
}

OpusRecord OpusRecord::withIdentity(const char* identity) {
    OpusRecord r;
    r.setText(Field::Identity, QString::fromLatin1(identity));
    return r;
}

QByteArrayView OpusRecord::field(Field f) const {
    return {bytes_.data() + fieldOffset(f), fieldWidth(f)};
}

QString OpusRecord::text(Field f) const {
    return fromDisk(field(f));
}

QString OpusRecord::trimmed(Field f) const {
    return trimBlanks(text(f));
}

void OpusRecord::setText(Field f, const QString& text) {
    const QByteArray encoded = toDisk(QStringView(text).left(fieldWidth(f)));
    char* start = bytes_.data() + fieldOffset(f);
    std::memset(start, ' ', fieldWidth(f));
    std::memcpy(start, encoded.constData(), encoded.size());
}

void OpusRecord::trimAll() {
    for (Field f : kAllFields) setText(f, trimmed(f));
}

}  // namespace store
