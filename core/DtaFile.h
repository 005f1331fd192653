#pragma once
// Reading and writing the scrambled line files (.dta).
#include <QByteArrayView>
#include <QList>
#include <QString>
#include <QStringList>

namespace tarnwick {

// Raw lines of a file's bytes: a line ends at CR, LF or CR LF; a last line
// without a break counts; a NUL ends the text.
QList<QByteArray> splitDtaLines(QByteArrayView bytes);

// Every line of the file, unscrambled and decoded. Throws "Cannot open file".
QStringList readDtaFile(const QString &fileName);
QStringList decodeDtaBytes(QByteArrayView bytes);

// Encoded, scrambled, CR LF after every line.
QByteArray encodeDtaLines(const QStringList &lines);

// Index of the first line the format cannot store (see canStoreLine), or -1.
qsizetype firstUnstorableLine(const QStringList &lines);

// Replaces the file atomically: on any failure the old file stays as it was
// and "Cannot create file" is thrown. Lines that cannot be stored are refused
// the same way before anything is written.
void writeDtaFile(const QString &fileName, const QStringList &lines);

}  // namespace tarnwick
