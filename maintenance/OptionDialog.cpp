#include "OptionDialog.h"

#include "i18n/Catalogue.h"
#include "core/ScoreRecord.h"
#include "widgets/HandlerGuard.h"

#include <QPushButton>
#include <QShowEvent>

namespace tarnwick {

OptionDialog::OptionDialog(const char *objectName, const QString &caption, const QSize &clientSize, ProgramState &state, QWidget *parent)
    : ui::FixedDialog(objectName, caption, clientSize, parent), m_state(state)
{
    const int width = 88, height = 25, gap = 8;
    const int top = clientSize.height() - height - gap;
    btnCancel = new QPushButton(QStringLiteral("Cancel"), this);
    btnCancel->setObjectName(QStringLiteral("btnCancel"));
    btnCancel->setGeometry(clientSize.width() - gap - width, top, width, height);
    btnSaveChanges = new QPushButton(QStringLiteral("Save Changes"), this);
    btnSaveChanges->setObjectName(QStringLiteral("btnSaveChanges"));
    btnSaveChanges->setGeometry(btnCancel->x() - gap - width, top, width, height);
    btnSaveChanges->setDefault(true);
    btnCancel->setAutoDefault(false);
    connectGuarded(btnSaveChanges, &QPushButton::clicked, this, [this] { btnSaveChangesClick(); });
    connectGuarded(btnCancel, &QPushButton::clicked, this, [this] { btnCancelClick(); });
}

void OptionDialog::FormActivate()
{
    btnSaveChanges->setEnabled(m_state.CurrentRecord.size() >= ScoreRecord::kLength);
    guarded(this, [this] { loadOptions(); });
}

void OptionDialog::btnSaveChangesClick()
{
    if (m_state.CurrentRecord.size() < ScoreRecord::kLength)
        return;
    storeOptions();
    accept();
}

void OptionDialog::btnCancelClick() { reject(); }

void OptionDialog::applyButtonLanguage(int language)
{
    btnSaveChanges->setText(CatalogueText(language, 101));
    btnSaveChanges->setToolTip(CatalogueText(language, 296));
    btnCancel->setText(CatalogueText(language, 91));
    btnCancel->setToolTip(CatalogueText(language, 291));
}

void OptionDialog::showEvent(QShowEvent *event)
{
    ui::FixedDialog::showEvent(event);
    // A spontaneous show (restored from the task bar) is not a new showing.
    if (!event->spontaneous())
        FormActivate();
}

}  // namespace tarnwick
