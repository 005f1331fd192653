#pragma once
// A failure the tool reports and stops on: a message, and the source line it
// concerns when there is one (0 for none).
#include <QString>
#include <stdexcept>

namespace tarnwick::dtatool {

class ToolError : public std::runtime_error {
public:
    explicit ToolError(const QString &message, int line = 0)
        : std::runtime_error(message.toStdString()), m_message(message), m_line(line)
    {
    }
    const QString &message() const { return m_message; }
    int line() const { return m_line; }
    // "line 12: message", or the bare message without a line.
    QString located() const
    {
        return m_line > 0 ? QStringLiteral("line %1: %2").arg(m_line).arg(m_message) : m_message;
    }

private:
    QString m_message;
    int m_line;
};

}  // namespace tarnwick::dtatool
