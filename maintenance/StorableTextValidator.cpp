#include "StorableTextValidator.h"

#include "core/Cp1252.h"
#include "core/LineScrambler.h"

namespace tarnwick {

qsizetype StorableTextValidator::firstRefused(QStringView text) const
{
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (m_target == Target::EngineText) {
            if (Cp1252::byteOf(c) < 0)
                return i;
            continue;
        }
        // Judged alone and in a longer line, so no later edit can make it unstorable.
        const QChar pair[2] = {c, c};
        if (!canStoreLine(QStringView(pair, 1)) || !canStoreLine(QStringView(pair, 2)))
            return i;
    }
    return -1;
}

QValidator::State StorableTextValidator::validate(QString &input, int &) const
{
    return firstRefused(input) < 0 ? Acceptable : Invalid;
}

}  // namespace tarnwick
