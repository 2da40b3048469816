#include "sort/record_sort.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <algorithm>
#include <cstring>
#include <vector>

#include "common/regular_file.h"
#include "store/collation.h"
#include "store/store_error.h"

namespace sorting {

namespace {

using store::kRecordLength;
using store::primaryKey;
using store::StoreError;

bool isDeleted(const char* record) {
    return std::memcmp(record, store::kDeletedIdentity, std::strlen(store::kDeletedIdentity)) == 0;
}

QString shownPath(const QString& path) {
    return QDir::toNativeSeparators(QFileInfo(path).absoluteFilePath());
}

// Replaces the file with `bytes`. QSaveFile writes a file of its own in the same folder and renames
// it over the old one only once every byte is written, so a tool that stops half way leaves the
// old file as it was. The explicit flush matters: commit() writes what is still buffered without
// looking at the result, and would put a cut file in place of a whole one on a full disk.
void writeWhole(const QString& path, const QByteArray& bytes) {
    QSaveFile out(path);
    QString problem;
    if (!out.open(QIODevice::WriteOnly)) {
        problem = out.errorString();
    } else if (out.write(bytes) != bytes.size() || !out.flush()) {
        problem = QStringLiteral("only part of it could be written (is the disk full?)");
    } else if (!out.commit()) {
        problem = out.errorString();
    }
    if (!problem.isEmpty()) {
        throw StoreError(StoreError::Kind::WriteFailed,
                         QStringLiteral("cannot write %1: %2").arg(shownPath(path), problem));
    }
}

}  // namespace

QByteArray sortCollection(QByteArrayView bytes, store::Field key, SortSummary* summary) {
    const qsizetype count = bytes.size() / kRecordLength;
    const qsizetype offset = store::fieldOffset(key);
    const qsizetype width = store::fieldWidth(key);
    auto record = [&](qsizetype i) { return bytes.data() + i * kRecordLength; };

    std::vector<qsizetype> live, deleted;
    for (qsizetype i = 0; i < count; ++i) (isDeleted(record(i)) ? deleted : live).push_back(i);

    // The first comparison's keys are made once per record, not once per comparison, and lie
    // side by side so that comparing two of them reads little memory.
    QByteArray keys;
    keys.reserve(live.size() * width);
    for (qsizetype i : live) keys += primaryKey(QByteArrayView(record(i) + offset, width));
    std::vector<qsizetype> keyAt(count);
    for (qsizetype k = 0; k < qsizetype(live.size()); ++k) keyAt[live[k]] = k * width;
    std::stable_sort(live.begin(), live.end(), [&](qsizetype a, qsizetype b) {
        const int first =
            std::memcmp(keys.constData() + keyAt[a], keys.constData() + keyAt[b], width);
        if (first != 0) return first < 0;
        return std::memcmp(record(a) + offset, record(b) + offset, width) < 0;
    });
    live.insert(live.end(), deleted.begin(), deleted.end());

    QByteArray sorted;
    sorted.reserve(bytes.size());
    bool changed = false;
    for (qsizetype position = 0; position < count; ++position) {
        changed = changed || live[position] != position;
        sorted.append(record(live[position]), kRecordLength);
    }
    sorted.append(bytes.sliced(count * kRecordLength));

    if (summary)
        *summary = {count, qsizetype(deleted.size()), bytes.size() % kRecordLength, changed};
    return sorted;
}

SortSummary sortCollectionFile(const QString& path, store::Field key) {
    const QFileInfo info(path);
    if (!info.exists()) {
        throw StoreError(StoreError::Kind::NotFound,
                         QStringLiteral("%1 does not exist").arg(shownPath(path)));
    }
    if (info.isDir()) {
        throw StoreError(StoreError::Kind::Unreadable,
                         QStringLiteral("%1 is a folder, not a file").arg(shownPath(path)));
    }
    // The sorted file replaces this one by a rename, which a file's own write bits do not stop:
    // a collection made read-only is left as it is, whoever runs the tool.
    if (common::isReadOnlyFile(path)) {
        throw StoreError(StoreError::Kind::WriteFailed,
                         QStringLiteral("cannot write %1: it is read-only").arg(shownPath(path)));
    }
    QFile in(path);
    QString reason;
    if (!common::openRegularFile(in, QIODevice::ReadOnly, &reason)) {
        throw StoreError(StoreError::Kind::Unreadable,
                         QStringLiteral("cannot open %1: %2").arg(shownPath(path), reason));
    }
    const QByteArray old = in.readAll();
    if (in.error() != QFileDevice::NoError || old.size() != in.size()) {
        throw StoreError(
            StoreError::Kind::Unreadable,
            QStringLiteral("cannot read %1: %2").arg(shownPath(path), in.errorString()));
    }
    in.close();

    SortSummary summary;
    const QByteArray sorted = sortCollection(old, key, &summary);
    if (!summary.changed) return summary;

    writeWhole(path, sorted);
    return summary;
}

}  // namespace sorting
