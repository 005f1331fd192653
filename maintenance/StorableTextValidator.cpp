#include "StorableTextValidator.h"

#include "core/LineScrambler.h"
#include "core/ProgramState.h"
#include "i18n/Catalogue.h"
#include "widgets/InputNotice.h"

#include <QLineEdit>

namespace tarnwick {
namespace {
constexpr int kNotTakenKey = 162;
}

qsizetype StorableTextValidator::firstRefused(QStringView text) const
{
    for (qsizetype i = 0; i < text.size(); ++i) {
        // Judged alone and in a longer line, so no later edit can make it unstorable.
        const QChar pair[2] = {text[i], text[i]};
        if (!canStoreLine(QStringView(pair, 1)) || !canStoreLine(QStringView(pair, 2)))
            return i;
    }
    return -1;
}

QValidator::State StorableTextValidator::validate(QString &input, int &) const
{
    const qsizetype refused = firstRefused(input);
    if (refused < 0)
        return Acceptable;
    const qsizetype n = input[refused].isHighSurrogate() && refused + 1 < input.size() ? 2 : 1;
    m_lastRefused = input.mid(refused, n);
    return Invalid;
}

void StorableTextValidator::attach(QLineEdit *field)
{
    field->setValidator(this);
    connect(field, &QLineEdit::inputRejected, field, [this, field] {
        ui::showInputNotice(field, CatalogueText(CurrentLanguage, kNotTakenKey).arg(m_lastRefused));
    });
}

}  // namespace tarnwick
