#pragma once
// Every message box of the program goes through here, so that failures are
// formatted one way and tests can read and answer boxes without blocking.
#include <QString>

#include <functional>

class QWidget;

namespace tarnwick::Messages {

inline const QString kProgramTitle = QStringLiteral("Tarnwick International Demo");

enum class Icon { None, Information, Stop };

struct Box {
    Icon icon = Icon::None;
    QString title;
    QString text;
};

// Shows a box with a single OK button and waits for it.
void show(QWidget *parent, const Box &box);

// The report of a failure inside a handler: stop sign, program title,
// the failure's text and a full stop.
void showFailure(QWidget *parent, const QString &message);

// Tests install a handler that receives each box instead of a window;
// an empty function restores the real boxes.
void setInterceptor(std::function<void(const Box &)> interceptor);

}  // namespace tarnwick::Messages
