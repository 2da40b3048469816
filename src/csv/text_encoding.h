#pragma once
// The encodings a CSV file may come in, how the start of a file tells which one it is and which
// separator it uses, and how its bytes become text.

#include <QByteArrayView>
#include <QString>

namespace csv {

enum class Encoding { Utf8, Windows1253, Windows1252 };

inline constexpr char kUtf8Mark[] = "\xEF\xBB\xBF";  // the byte-order mark of UTF-8

struct DetectedEncoding {
    Encoding encoding = Encoding::Utf8;
    bool byteOrderMark = false;
};

// UTF-8 when the file starts with its mark, or when its start is UTF-8 throughout (as plain ASCII
// is); otherwise Windows-1253, the code page of the collection. `start` may end in the middle of a
// character unless it is the whole file (`whole`).
DetectedEncoding detectEncoding(QByteArrayView start, bool whole);

// The separator the first row of `start` uses most, outside quotes: comma, semicolon or tab; a
// comma when it has none of them.
char detectSeparator(QByteArrayView start);

// Bytes of a field as text. Bytes that are not UTF-8 become U+FFFD; bytes Windows-1252 leaves
// undefined become the control characters Windows makes of them.
QString decode(QByteArrayView bytes, Encoding encoding);

// "UTF-8", "Windows-1253 (Greek)", "Windows-1252 (Western)".
QString encodingName(Encoding encoding);

}  // namespace csv
