#pragma once
// A list of text lines whose reads are checked: a read past the end is a
// reported failure, never undefined behaviour.
#include "Failure.h"

#include <QStringList>

namespace tarnwick {

class TextLines {
public:
    TextLines() = default;
    explicit TextLines(QStringList lines) : m_lines(std::move(lines)) {}

    const QString &at(qsizetype index) const
    {
        if (index < 0 || index >= m_lines.size())
            throw Failure::listIndexOutOfBounds(index);
        return m_lines.at(index);
    }
    void set(qsizetype index, const QString &text)
    {
        if (index < 0 || index >= m_lines.size())
            throw Failure::listIndexOutOfBounds(index);
        m_lines[index] = text;
    }
    // Decimal integer of a line; a non-number is a reported failure.
    int integerAt(qsizetype index) const;

    qsizetype size() const { return m_lines.size(); }
    bool isEmpty() const { return m_lines.isEmpty(); }
    void clear() { m_lines.clear(); }
    void append(const QString &line) { m_lines.append(line); }
    void append(const QStringList &lines) { m_lines.append(lines); }
    // Lines [first, first + count); the range must lie inside the list.
    QStringList mid(qsizetype first, qsizetype count) const;
    void remove(qsizetype first, qsizetype count);
    void replace(qsizetype first, const QStringList &lines);

    const QStringList &lines() const { return m_lines; }
    QStringList &lines() { return m_lines; }
    bool operator==(const TextLines &other) const = default;

private:
    QStringList m_lines;
};

// Signed decimal integer ("-1", "+3", "12"); anything else is a reported failure.
int strToInt(const QString &text);

}  // namespace tarnwick
