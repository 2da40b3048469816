#pragma once
// The encodings a CSV file may come in, how the start of a file tells which one it is and which
// separator it uses, and how its bytes become text.

#include <QByteArrayView>
#include <QString>
#include <QStringList>

namespace csv {

enum class Encoding { Utf8, Windows1253, Windows1252 };

inline constexpr char kUtf8Mark[] = "\xEF\xBB\xBF";  // the byte-order mark of UTF-8

struct DetectedEncoding {
    Encoding encoding = Encoding::Utf8;
    bool byteOrderMark = false;
    // A few words of the file, as read, that chose between the two code pages; empty when the
    // file is UTF-8 or nothing told them apart.
    QStringList evidence;
};

// UTF-8 when the file starts with its mark, or when its start is UTF-8 throughout (as plain ASCII
// is). Otherwise one of the two code pages by what the text holds: an upper-half byte between two
// Latin letters ("Sa\xEBns") speaks for Windows-1252, a word made only of Greek letters for
// Windows-1253; Windows-1253, the code page of the collection, on a tie. `start` may end in the
// middle of a character unless it is the whole file (`whole`).
DetectedEncoding detectEncoding(QByteArrayView start, bool whole);

// Whether a text holds a word that mixes Greek letters into Latin ones ("Saint-Saλns"): what a
// Western file read as Greek looks like.
bool mixesAlphabets(const QString& text);

// The separator the first row of `start` uses most, outside quotes: comma, semicolon or tab; a
// comma when it has none of them.
char detectSeparator(QByteArrayView start);

// Bytes of a field as text. Bytes that are not UTF-8 become U+FFFD; bytes Windows-1252 leaves
// undefined become the control characters Windows makes of them.
QString decode(QByteArrayView bytes, Encoding encoding);

// "UTF-8", "Windows-1253 (Greek)", "Windows-1252 (Western)".
QString encodingName(Encoding encoding);

}  // namespace csv
