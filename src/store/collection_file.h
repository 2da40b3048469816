#pragma once
// The collection file "Clasical.dat": headerless Opus records of 455 bytes, addressed by their
// 1-based Opus Number. Every write goes straight to the operating system, so a second handle on
// the same file (multi mode's) sees it at once.

#include <QFile>
#include <QString>
#include <cstdint>

#include "store/opus_record.h"

namespace store {

// Records a file of this length holds: length / 455 rounded to the nearest whole number, so a
// trailing part of 228 bytes or more counts as a record. May be 0.
std::int64_t roundedRecordCount(std::int64_t fileLength);

class CollectionFile {
public:
    static inline const QString kFileName = QStringLiteral("Clasical.dat");

    // The file is named by a bare name, found in the current directory, unless a path is given.
    explicit CollectionFile(QString path = kFileName);
    CollectionFile(const CollectionFile&) = delete;
    CollectionFile& operator=(const CollectionFile&) = delete;

    // Opens for reading and writing; a missing file is created empty. Throws StoreError.
    void open();
    // Opens for reading only, for a scan on a handle of its own: a missing file is not created
    // (NotFound), and nothing is ever written through this handle. Throws StoreError.
    void openForReading();
    void close();
    bool isOpen() const { return file_.isOpen(); }
    const QString& path() const { return path_; }

    // The size of the file in bytes, taken by name.
    std::int64_t fileLength() const;
    // The record count N: rounded records of the file, at least 1. Throws when N would not fit
    // into a 32-bit Opus Number.
    std::int32_t recordCount() const;

    // Reads record n; the part of it beyond the end of the file reads as blanks.
    // Throws StoreError (BadRecordNumber below 1, Unreadable when the read fails).
    OpusRecord read(std::int32_t n);
    // Writes all 455 bytes of record n, all or nothing: a write that cannot be completed leaves
    // the file's bytes and length as they were. A trailing partial record before record n is
    // completed with blanks first. Throws StoreError (BadRecordNumber, WriteFailed).
    void write(std::int32_t n, const OpusRecord& record);

    // Reads up to `count` whole records from record `first` on into `buffer`; returns the bytes
    // read (fewer at the end of the file). For scans over the whole collection.
    std::int64_t readRecords(std::int32_t first, std::int32_t count, char* buffer);

private:
    void openWith(QIODevice::OpenMode mode);
    void checkNumber(std::int32_t n) const;
    std::int64_t readAt(std::int64_t offset, char* buffer, std::int64_t size);
    void writeAt(std::int64_t offset, const char* data, std::int64_t size);
    void checkStillTheFile() const;
    std::int64_t openLength() const;  // of the file the handle holds

    QString path_;
    QFile file_;
};

}  // namespace store
