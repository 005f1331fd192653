#include "Messages.h"

#include <QMessageBox>

namespace tarnwick::Messages {
namespace {

std::function<void(const Box &)> &interceptor()
{
    static std::function<void(const Box &)> f;
    return f;
}

}  // namespace

void setInterceptor(std::function<void(const Box &)> f) { interceptor() = std::move(f); }

void show(QWidget *parent, const Box &box)
{
    if (interceptor()) {
        interceptor()(box);
        return;
    }
    QMessageBox dialog(parent);
    dialog.setWindowTitle(box.title);
    dialog.setText(box.text);
    dialog.setStandardButtons(QMessageBox::Ok);
    switch (box.icon) {
    case Icon::None:
        dialog.setIcon(QMessageBox::NoIcon);
        break;
    case Icon::Information:
        dialog.setIcon(QMessageBox::Information);
        break;
    case Icon::Stop:
        dialog.setIcon(QMessageBox::Critical);
        break;
    }
    dialog.exec();
}

void showFailure(QWidget *parent, const QString &message)
{
    show(parent, Box{Icon::Stop, kProgramTitle, message + QLatin1Char('.')});
}

}  // namespace tarnwick::Messages
