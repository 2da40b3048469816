#pragma once
// Opening the files the program reads, and telling which of them it must not write. A FIFO, a
// device or a socket in a file's place would hold the program (opening a FIFO for reading waits
// for a writer that never comes), so files are opened without waiting and anything but a regular
// file is refused.

#include <QFile>
#include <QString>

namespace common {

// Opens `file` (by its fileName()) with `mode` (ReadOnly, or WriteOnly/ReadWrite with Append or
// Truncate; a missing file is created when writing), without blocking on what it is. False, with
// the reason in `reason`, when it cannot be opened or is not a regular file (a folder, a FIFO...);
// the file is then closed.
bool openRegularFile(QFile& file, QIODevice::OpenMode mode, QString* reason = nullptr);

// Whether a file that exists must be taken as read-only: nobody has a write bit on it, or this
// process may not write it. The write bits matter for the superuser, whom the system lets write
// any file: a file made read-only by hand stays read-only for the program, whoever runs it.
bool isReadOnlyFile(const QString& path);

// The text of the system's error number, as messages give the reason of a failure.
QString systemErrorText(int error);

}  // namespace common
