#pragma once
// Failures a handler can run into. A handler throws one; the guard around every
// handler (app/HandlerGuard) reports its message with a full stop and the
// program goes on.
#include <QString>
#include <stdexcept>

namespace tarnwick {

class Failure : public std::runtime_error {
public:
    explicit Failure(const QString &message);
    const QString &message() const { return m_message; }

    static Failure cannotOpenFile(const QString &fileName);
    static Failure cannotCreateFile(const QString &fileName);
    static Failure notValidInteger(const QString &text);
    static Failure listIndexOutOfBounds(qsizetype index);

private:
    QString m_message;
};

// Thrown out of a wait when the program is closing: the handler stops
// quietly, nothing is reported.
class Cancelled {};

}  // namespace tarnwick
