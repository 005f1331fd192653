#include "TextLines.h"

#include <limits>

namespace tarnwick {

int strToInt(const QString &text)
{
    qsizetype i = 0;
    bool negative = false;
    if (i < text.size() && (text[i] == u'-' || text[i] == u'+')) {
        negative = text[i] == u'-';
        ++i;
    }
    if (i == text.size())
        throw Failure::notValidInteger(text);
    qint64 value = 0;
    for (; i < text.size(); ++i) {
        const char16_t c = text[i].unicode();
        if (c < u'0' || c > u'9')
            throw Failure::notValidInteger(text);
        value = value * 10 + (c - u'0');
        if (value > qint64(std::numeric_limits<int>::max()) + 1)
            throw Failure::notValidInteger(text);
    }
    if (negative)
        value = -value;
    if (value > std::numeric_limits<int>::max() || value < std::numeric_limits<int>::min())
        throw Failure::notValidInteger(text);
    return static_cast<int>(value);
}

int TextLines::integerAt(qsizetype index) const { return strToInt(at(index)); }

QStringList TextLines::mid(qsizetype first, qsizetype count) const
{
    if (first < 0 || count < 0 || first + count > m_lines.size())
        throw Failure::listIndexOutOfBounds(first + count - 1);
    return m_lines.mid(first, count);
}

void TextLines::remove(qsizetype first, qsizetype count)
{
    if (first < 0 || count < 0 || first + count > m_lines.size())
        throw Failure::listIndexOutOfBounds(first + count - 1);
    m_lines.remove(first, count);
}

void TextLines::replace(qsizetype first, const QStringList &lines)
{
    if (first < 0 || first + lines.size() > m_lines.size())
        throw Failure::listIndexOutOfBounds(first + lines.size() - 1);
    for (qsizetype i = 0; i < lines.size(); ++i)
        m_lines[first + i] = lines[i];
}

}  // namespace tarnwick
