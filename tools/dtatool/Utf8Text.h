#pragma once
// Reading the readable sources, which are UTF-8 text.
#include <QByteArray>
#include <QString>

namespace tarnwick::dtatool {

// The text of the bytes, a leading byte-order mark dropped. Throws a ToolError
// naming the first line with an invalid UTF-8 sequence: a replacement
// character would otherwise reach the data as if it had been typed.
QString decodeUtf8(const QByteArray &bytes);

// The whole file; throws a ToolError when it cannot be read (the caller names
// the file).
QByteArray readWholeFile(const QString &fileName);

// Describes one character for messages: 'é' (U+00E9).
QString describeChar(QChar c);

}  // namespace tarnwick::dtatool
