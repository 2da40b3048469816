#include "store/name_list.h"

#include <QFile>
#include <QFileInfo>

#include "common/regular_file.h"
#include "common/write_all.h"
#include "store/codepage.h"
#include "store/store_error.h"

namespace store {

namespace {

bool isLineEnd(char c) {
    return c == '\r' || c == '\n';
}

}  // namespace

QStringList parseNameList(QByteArrayView bytes) {
    QStringList items;
    const qsizetype size = bytes.size();
    qsizetype pos = 0;
    while (pos < size) {
        while (pos < size && bytes[pos] == ' ') ++pos;

        QByteArrayView item;
        if (pos < size && bytes[pos] == '"') {
            const qsizetype start = ++pos;
            while (pos < size && bytes[pos] != '"' && !isLineEnd(bytes[pos])) ++pos;
            item = bytes.sliced(start, pos - start);
            if (pos < size && bytes[pos] == '"') ++pos;
            while (pos < size && bytes[pos] != ',' && !isLineEnd(bytes[pos])) ++pos;
        } else {
            const qsizetype start = pos;
            while (pos < size && bytes[pos] != ',' && !isLineEnd(bytes[pos])) ++pos;
            qsizetype end = pos;
            while (end > start && bytes[end - 1] == ' ') --end;
            item = bytes.sliced(start, end - start);
        }

        if (pos < size && bytes[pos] == ',') {
            ++pos;
        } else if (pos < size) {  // a line end: CR LF, CR or LF
            if (bytes[pos] == '\r' && pos + 1 < size && bytes[pos + 1] == '\n') ++pos;
            ++pos;
        }
        items.append(fromDisk(item));
    }
    return items;
}

void LoadNameList(const QString& file, QStringList& list) {
    QFile f(file);
    if (!f.exists()) {
        throw StoreError(StoreError::Kind::NotFound, QStringLiteral("%1 was not found").arg(file));
    }
    QString reason;
    if (!common::openRegularFile(f, QIODevice::ReadOnly, &reason)) {
        throw StoreError(StoreError::Kind::Unreadable,
                         QStringLiteral("%1 cannot be read: %2").arg(file, reason));
    }
    const QByteArray bytes = f.readAll();
    if (f.error() != QFileDevice::NoError) {
        throw StoreError(StoreError::Kind::Unreadable,
                         QStringLiteral("%1 cannot be read: %2").arg(file, f.errorString()));
    }
    // A list is read item by item until the end of the file, and the first item is read before
    // the end is looked at: a file of no bytes fails that first read.
    if (bytes.isEmpty()) {
        throw StoreError(StoreError::Kind::Empty, QStringLiteral("%1 is empty").arg(file));
    }
    list.append(parseNameList(bytes));
}

namespace {

QByteArray lineOf(const QString& name) {
    QByteArray line = toDisk(name);
    if (name.contains(u',') && !name.contains(u'"')) line = '"' + line + '"';
    return line + "\r\n";
}

// Whether the file's last byte ends a line (an empty or missing file counts as ended).
bool endsWithLineEnd(QFile& f) {
    const qint64 size = f.size();
    char last = '\n';
    if (size > 0 && (!f.seek(size - 1) || f.read(&last, 1) != 1)) return true;
    return last == '\n' || last == '\r';
}

}  // namespace

QByteArray nameListLine(const QString& file, const QString& name) {
    QFile f(file);
    const bool ended = !common::openRegularFile(f, QIODevice::ReadOnly) || endsWithLineEnd(f);
    return (ended ? QByteArray() : QByteArray("\r\n")) + lineOf(name);
}

void AppendNameToList(const QString& file, const QString& name) {
    QByteArray line = lineOf(name);

    QFile f(file);
    const auto fail = [&file](const QString& reason) {
        throw StoreError(StoreError::Kind::WriteFailed,
                         QStringLiteral("%1 cannot be written: %2").arg(file, reason));
    };
    QString reason;
    if (!common::openRegularFile(
            f, QIODevice::ReadWrite | QIODevice::Append | QIODevice::Unbuffered, &reason))
        fail(reason);
    // A list edited by hand often lacks the line end of its last name: the new name starts a line
    // of its own rather than being glued onto that one.
    const qint64 before = f.size();
    if (!endsWithLineEnd(f)) line.prepend("\r\n");
    // A line cut short would glue onto the next name added, so the file gets back its length. A
    // write the disk cuts short returns what it wrote without an error; only the next one tells
    // why (a full disk, a file-size limit).
    if (!common::writeAll(f, line)) {
        const QString why = f.errorString();
        f.resize(before);
        fail(why);
    }
}

}  // namespace store
