#pragma once
// The few file operations the change history is made of: bytes read and written at an offset, a
// file cut back, its data and its folder made durable, and a path as messages show it.

#include <QByteArray>
#include <QByteArrayView>
#include <QFile>
#include <QString>

namespace history {

QString shownPath(const QString& path);
// The bytes of a file from `offset` on, `size` of them (fewer at its end); empty on failure.
QByteArray readBytes(const QString& path, qint64 offset, qint64 size);
bool writeBytes(const QString& path, qint64 offset, QByteArrayView bytes);
bool cutBack(const QString& path, qint64 length);
// The folder's entry of a new file, and a file's data, on the disk before the program goes on.
void syncFolder(const QString& path);
bool syncData(QFile& file);

}  // namespace history
