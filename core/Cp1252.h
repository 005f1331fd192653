#pragma once
// The one place where program text (QString) meets the Windows-1252 bytes
// that files and the engine speak.
#include <QByteArray>
#include <QString>
#include <QStringView>

namespace tarnwick::Cp1252 {

// True when every character has a Windows-1252 byte.
bool canEncode(QStringView text);
// Index of the first character without a Windows-1252 byte, or -1.
qsizetype firstUnencodable(QStringView text);
// Characters without a byte become '?'.
QByteArray encode(QStringView text);
// Writes at most capacity bytes plus a NUL into buffer, allocation-free;
// returns the number of bytes written (without the NUL).
qsizetype encodeInto(QStringView text, char *buffer, qsizetype capacity);
// Lossless: the five bytes Windows-1252 leaves undefined map to U+0081 etc.,
// which encode() turns back into the same bytes.
QString decode(QByteArrayView bytes);
// Byte of one character, or -1 when it has none.
int byteOf(QChar c);

}  // namespace tarnwick::Cp1252
