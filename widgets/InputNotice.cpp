#include "InputNotice.h"

#include "core/EngineFold.h"
#include "core/ProgramState.h"
#include "i18n/Catalogue.h"

#include <QLineEdit>
#include <QToolTip>
#include <QVariant>

namespace tarnwick::ui {
namespace {
constexpr char kOwnTip[] = "tarnwickOwnToolTip";
constexpr char kNoticeShown[] = "tarnwickNoticeShown";
constexpr char kUnreadable[] = "tarnwickUnreadable";
constexpr int kEngineNoticeKey = 163;
}  // namespace

void showInputNotice(QWidget *field, const QString &text)
{
    if (!field->property(kNoticeShown).toBool()) {
        field->setProperty(kOwnTip, field->toolTip());
        field->setProperty(kNoticeShown, true);
    }
    field->setToolTip(text);
    QToolTip::showText(field->mapToGlobal(QPoint(0, field->height())), text, field);
}

void clearInputNotice(QWidget *field)
{
    if (!field->property(kNoticeShown).toBool())
        return;
    field->setToolTip(field->property(kOwnTip).toString());
    field->setProperty(kNoticeShown, false);
    if (QToolTip::isVisible())
        QToolTip::hideText();
}

void watchEngineText(QLineEdit *field)
{
    QObject::connect(field, &QLineEdit::textChanged, field, [field](const QString &text) {
        const QString unreadable = unreadableByEngine(text);
        // Only a change is news: each further key would otherwise bring the balloon back.
        if (unreadable == field->property(kUnreadable).toString())
            return;
        field->setProperty(kUnreadable, unreadable);
        if (unreadable.isEmpty())
            clearInputNotice(field);
        else
            showInputNotice(field, CatalogueText(CurrentLanguage, kEngineNoticeKey).arg(unreadable));
    });
}

}  // namespace tarnwick::ui
