#pragma once
// Sorting the collection file by one field: in memory, and on the file itself, which is replaced
// whole so that a reader sees either the old file or the new one.

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

#include "store/opus_record.h"

namespace sorting {

struct SortSummary {
    qint64 records = 0;        // whole records, deleted ones included
    qint64 deleted = 0;        // records whose Identity begins "~~~"
    qint64 trailingBytes = 0;  // a last part shorter than a record
    bool changed = false;      // whether any record moved
};

// The bytes of a collection with its records in the order of field `key` (see store/collation.h),
// equal keys in their old order, deleted records after all others in their old order and a
// trailing part of less than a record at the very end. Records move whole, unchanged.
QByteArray sortCollection(QByteArrayView bytes, store::Field key, SortSummary* summary = nullptr);

// Sorts the file at `path` in place. The sorted file is written beside it and renamed over it;
// when no record moves, the file is not written at all. Throws store::StoreError (NotFound,
// Unreadable, WriteFailed), naming the file; the file is then as it was.
SortSummary sortCollectionFile(const QString& path, store::Field key);

}  // namespace sorting
