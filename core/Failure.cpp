#include "Failure.h"

namespace tarnwick {

Failure::Failure(const QString &message) : std::runtime_error(message.toStdString()), m_message(message) {}

Failure Failure::cannotOpenFile(const QString &fileName) { return Failure(QStringLiteral("Cannot open file %1").arg(fileName)); }

Failure Failure::cannotCreateFile(const QString &fileName)
{
    return Failure(QStringLiteral("Cannot create file %1").arg(fileName));
}

Failure Failure::notValidInteger(const QString &text)
{
    return Failure(QStringLiteral("'%1' is not a valid integer value").arg(text));
}

Failure Failure::listIndexOutOfBounds(qsizetype index)
{
    return Failure(QStringLiteral("List index out of bounds (%1)").arg(index));
}

}  // namespace tarnwick
