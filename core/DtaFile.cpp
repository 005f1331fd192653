#include "DtaFile.h"

#include "Cp1252.h"
#include "Failure.h"
#include "LineScrambler.h"

#include <QFile>
#include <QSaveFile>

namespace tarnwick {

QList<QByteArray> splitDtaLines(QByteArrayView bytes)
{
    const qsizetype nul = bytes.indexOf('\0');
    if (nul >= 0)
        bytes = bytes.first(nul);
    QList<QByteArray> lines;
    qsizetype start = 0;
    const qsizetype n = bytes.size();
    for (qsizetype i = 0; i < n; ++i) {
        const char c = bytes[i];
        if (c != '\r' && c != '\n')
            continue;
        lines.append(bytes.sliced(start, i - start).toByteArray());
        if (c == '\r' && i + 1 < n && bytes[i + 1] == '\n')
            ++i;
        start = i + 1;
    }
    if (start < n)
        lines.append(bytes.sliced(start).toByteArray());
    return lines;
}

QStringList decodeDtaBytes(QByteArrayView bytes)
{
    QStringList out;
    const QList<QByteArray> raw = splitDtaLines(bytes);
    out.reserve(raw.size());
    for (const QByteArray &line : raw)
        out.append(Cp1252::decode(LineScrambler(line)));
    return out;
}

QStringList readDtaFile(const QString &fileName)
{
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly))
        throw Failure::cannotOpenFile(fileName);
    return decodeDtaBytes(file.readAll());
}

QByteArray encodeDtaLines(const QStringList &lines)
{
    QByteArray out;
    qsizetype total = 0;
    for (const QString &line : lines)
        total += line.size() + 2;
    out.reserve(total);
    for (const QString &line : lines) {
        out.append(LineScrambler(Cp1252::encode(line)));
        out.append("\r\n", 2);
    }
    return out;
}

qsizetype firstUnstorableLine(const QStringList &lines)
{
    for (qsizetype i = 0; i < lines.size(); ++i)
        if (!canStoreLine(lines[i]))
            return i;
    return -1;
}

void writeDtaFile(const QString &fileName, const QStringList &lines)
{
    if (firstUnstorableLine(lines) >= 0)
        throw Failure::cannotCreateFile(fileName);
    QSaveFile file(fileName);
    if (!file.open(QIODevice::WriteOnly))
        throw Failure::cannotCreateFile(fileName);
    const QByteArray bytes = encodeDtaLines(lines);
    if (file.write(bytes) != bytes.size() || !file.commit())
        throw Failure::cannotCreateFile(fileName);
}

}  // namespace tarnwick
