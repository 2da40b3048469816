#pragma once
// The collection file "Clasical.dat": headerless Opus records of 455 bytes, addressed by their
// 1-based Opus Number. Every write goes straight to the operating system, so a second handle on
// the same file (multi mode's) sees it at once.

#include <QByteArray>
#include <QFile>
#include <QString>
#include <cstdint>
#include <functional>

#include "store/file_state.h"
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
    // The state of the file the handle holds (not yet open: of the file of its name).
    FileState state() const;
    // The 455 bytes of record n as they stand in the file, blank-padded beyond its end; for a
    // comparison before a write. Throws StoreError.
    QByteArray recordBytes(std::int32_t n);
    // Cuts the file back to `length` bytes: the one way an append is taken back. Throws
    // StoreError (WriteFailed).
    void truncate(std::int64_t length);
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

    // Puts up to `room` records of 455 bytes into `buffer` and returns how many; 0 at the end.
    using RecordSource = std::function<std::int32_t(char* buffer, std::int32_t room)>;
    // Writes the records `source` hands out from record `first` on, as one change, all or nothing:
    // when a write fails, or `source` throws, the file gets back the bytes and the length it had,
    // and the failure goes on to the caller. A trailing partial record before `first` is completed
    // with blanks first, as write() does. Returns how many records were written. Throws StoreError
    // (BadRecordNumber, WriteFailed, TooLarge when the records would pass the last Opus Number).
    std::int32_t writeRecords(std::int32_t first, const RecordSource& source);

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

    // A change of the file that can be taken back: the length the file had, and the bytes it held
    // where the change has written so far, from `start` on.
    struct Change {
        std::int64_t length = 0;
        std::int64_t start = 0;
        std::int64_t end = 0;  // where the change writes next
        QByteArray replaced;
    };
    // A change that writes records from record n on; `blanks` is how many blanks complete a
    // trailing partial record before it (they are written first).
    Change beginChange(std::int32_t n, std::int64_t* blanks);
    // Writes bytes where the change goes on, keeping the bytes of the file they replace.
    void writeOn(Change& change, const char* data, std::int64_t size);
    // Gives the file back its length and the bytes the change replaced; never throws.
    void takeBack(const Change& change);

    QString path_;
    QFile file_;
};

}  // namespace store
