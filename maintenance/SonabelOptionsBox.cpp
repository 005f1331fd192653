#include "SonabelOptionsBox.h"

#include "OptionLines.h"
#include "i18n/Catalogue.h"
#include "core/ScoreRecord.h"

#include <QCheckBox>

namespace tarnwick {

namespace {
QCheckBox *box(QWidget *parent, const char *name, const QString &caption)
{
    auto *b = new QCheckBox(caption, parent);
    b->setObjectName(QLatin1String(name));
    return b;
}
}  // namespace

SonabelOptionsBox::SonabelOptionsBox(QWidget *parent, const char *objectName, const QRect &geometry, Arrangement arrangement)
    : QGroupBox(QStringLiteral("Sonabel Options"), parent)
{
    setObjectName(QLatin1String(objectName));
    setGeometry(geometry);
    chkDeleteVowels = box(this, "chkDeleteVowels", QStringLiteral("Delete Vowels"));
    chkRemoveNumbers = box(this, "chkRemoveNumbers", QStringLiteral("Remove Numbers"));
    chkRemoveInitials = box(this, "chkRemoveInitials", QStringLiteral("Remove Initials"));
    chkCompact = box(this, "chkCompact", QStringLiteral("Remove Spaces"));
    QCheckBox *const order[4] = {chkDeleteVowels, chkRemoveNumbers, chkRemoveInitials, chkCompact};
    if (arrangement == Arrangement::OneColumn) {
        for (int i = 0; i < 4; ++i)
            order[i]->setGeometry(14, 22 + i * 25, geometry.width() - 24, 19);
    } else {
        const int half = (geometry.width() - 20) / 2;
        for (int i = 0; i < 4; ++i)
            order[i]->setGeometry(10 + (i / 2) * (half + 4), 22 + (i % 2) * 26, half, 19);
    }
}

QCheckBox *SonabelOptionsBox::boxOfLine(int line) const
{
    switch (line) {
    case ScoreRecord::DeleteVowels:
        return chkDeleteVowels;
    case ScoreRecord::RemoveInitials:
        return chkRemoveInitials;
    case ScoreRecord::RemoveNumbers:
        return chkRemoveNumbers;
    default:
        return chkCompact;
    }
}

void SonabelOptionsBox::ClearOptions()
{
    for (QCheckBox *b : {chkDeleteVowels, chkRemoveInitials, chkRemoveNumbers, chkCompact})
        b->setChecked(false);
}

void SonabelOptionsBox::ShowOptions(const TextLines &lines, qsizetype base, std::initializer_list<int> order)
{
    for (int line : order)
        OptionLines::showFlag(boxOfLine(line), lines, base + line);
}

QStringList SonabelOptionsBox::optionLines() const
{
    using OptionLines::flag;
    return {flag(chkDeleteVowels), flag(chkRemoveInitials), flag(chkRemoveNumbers), flag(chkCompact)};
}

void SonabelOptionsBox::applyLanguage(int language, int hintKey)
{
    setTitle(CatalogueText(language, 83));
    setToolTip(hintKey ? CatalogueText(language, hintKey) : QString());
    const auto label = [language](QCheckBox *b, int caption, int hint) {
        b->setText(CatalogueText(language, caption));
        b->setToolTip(CatalogueText(language, hint));
    };
    label(chkDeleteVowels, 84, 284);
    label(chkRemoveNumbers, 85, 285);
    label(chkRemoveInitials, 86, 286);
    label(chkCompact, 87, 287);
}

}  // namespace tarnwick
