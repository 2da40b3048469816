#pragma once
// The one code page of every file Sonvella reads or writes: Windows-1253 (Greek), one byte a
// character. One table converts both ways.

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringView>

namespace store {

// Decodes bytes of the code page. Bytes the code page leaves undefined come back as private-use
// characters (U+F000 + byte), so that they survive a read and a write unchanged.
QString fromDisk(QByteArrayView bytes);
// The same into a text that is rewritten often (a text box during a pass over the collection):
// its storage is reused when it is big enough and not shared.
void fromDiskInto(QString& text, QByteArrayView bytes);
// The character one byte stands for, as fromDisk decodes it.
char16_t characterOf(unsigned char byte);

// Whether bytes are all below 0x80, where the code page is plain ASCII: such bytes can be handed
// on as Latin-1 text without being decoded.
bool isAscii(QByteArrayView bytes);

// Encodes text into the code page. A character the code page cannot hold becomes '?'; callers that
// take typed text check canStore() first, so this never happens to what a user typed.
QByteArray toDisk(QStringView text);

// Whether a character, or every character of a text, has a byte in the code page.
bool canStore(char16_t c);
bool canStore(QStringView text);

}  // namespace store
