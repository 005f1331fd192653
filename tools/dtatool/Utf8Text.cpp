#include "Utf8Text.h"

#include "ToolError.h"

#include <QFile>
#include <QStringDecoder>

namespace tarnwick::dtatool {

QString decodeUtf8(const QByteArray &bytes)
{
    QByteArrayView view(bytes);
    if (view.startsWith("\xEF\xBB\xBF"))
        view = view.sliced(3);
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = decoder.decode(view);
    if (!decoder.hasError())
        return text;
    // Find the line of the first bad sequence by decoding line by line.
    int line = 1;
    qsizetype start = 0;
    while (start <= view.size()) {
        qsizetype end = view.indexOf('\n', start);
        if (end < 0)
            end = view.size();
        QStringDecoder lineDecoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
        const QString ignored = lineDecoder.decode(view.sliced(start, end - start));
        if (lineDecoder.hasError())
            break;
        ++line;
        start = end + 1;
    }
    throw ToolError(QStringLiteral("not valid UTF-8"), line);
}

QByteArray readWholeFile(const QString &fileName)
{
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly))
        throw ToolError(QStringLiteral("cannot open file (%1)").arg(file.errorString()));
    return file.readAll();
}

QString describeChar(QChar c)
{
    const QString code = QStringLiteral("%1").arg(c.unicode(), 4, 16, QLatin1Char('0')).toUpper();
    if (!c.isPrint())
        return QStringLiteral("U+%1").arg(code);
    return QStringLiteral("'%1' (U+%2)").arg(c, code);
}

}  // namespace tarnwick::dtatool
