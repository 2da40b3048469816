#pragma once
// A collection in a temporary folder that is also the current directory and $HOME for the time of
// a test: the record file, the eight name lists, and helpers to read the bytes back.

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <array>
#include <vector>

#include "store/opus_record.h"

namespace testing {

// A record from its six fields; missing fields are blank.
store::OpusRecord record(const QStringList& fields);

class CollectionDir {
public:
    // Writes the records (none: no Clasical.dat at all when `createFile` is false) and a list file
    // of two names for each of the eight lists.
    explicit CollectionDir(const std::vector<QStringList>& records = {}, bool createFile = true);
    CollectionDir(std::initializer_list<QStringList> records)
        : CollectionDir(std::vector<QStringList>(records)) {}
    CollectionDir(const CollectionDir&) = delete;
    CollectionDir& operator=(const CollectionDir&) = delete;
    ~CollectionDir();

    QString path(const QString& name = {}) const;
    QByteArray bytes(const QString& name = QStringLiteral("Clasical.dat")) const;
    void write(const QString& name, const QByteArray& bytes) const;
    // The 455 bytes of record n as they stand in the file.
    QByteArray recordBytes(int n) const;
    // The text of field f of record n as stored, blank padding included.
    QString field(int n, store::Field f) const;
    qint64 fileLength() const;

private:
    QTemporaryDir dir_;
    QString oldCurrent_;
    QByteArray oldHome_;
};

// Records "No0001 CD", "No0002 LP"... with Composer "Composer 1"..., for tests that need many.
std::vector<QStringList> numberedRecords(int count);

}  // namespace testing
