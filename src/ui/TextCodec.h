#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

// Bytes of the old program's world as text. It ran on Windows with its 8-bit code
// page: its component lists, and the names of files unpacked from archives of that
// time, are Windows-1252; what is written now is UTF-8. Both are read the same way.
namespace TextCodec {

// The bytes as text: UTF-8 when they are valid UTF-8, else Windows-1252.
QString decode(const QByteArray &bytes);
QString fromWindows1252(QByteArrayView bytes);

// The Windows-1252 byte of a character, or -1 when it has none.
int windows1252Byte(QChar teken);

} // namespace TextCodec
