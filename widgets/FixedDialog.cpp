#include "FixedDialog.h"

#include "Panels.h"

namespace tarnwick::ui {

FixedDialog::FixedDialog(const char *objectName, const QString &caption, const QSize &clientSize, QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint)
{
    setObjectName(QLatin1String(objectName));
    setWindowTitle(caption);
    setFont(baseFont());
    setFixedSize(clientSize);
    setModal(true);
}

void FixedDialog::showEvent(QShowEvent *event)
{
    if (QWidget *owner = parentWidget()) {
        const QRect area = owner->window()->geometry();
        move(area.center() - rect().center());
    }
    QDialog::showEvent(event);
}

}  // namespace tarnwick::ui
