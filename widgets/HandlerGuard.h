#pragma once
// A failure inside an event handler ends that handler, is reported in a box
// and the program goes on. Every handler runs through guarded(); Qt must
// never see an exception leave a slot.
#include "Messages.h"
#include "core/Failure.h"

#include <QObject>

#include <exception>
#include <utility>

namespace tarnwick {

template <typename F>
void guarded(QWidget *parent, F &&handler)
{
    try {
        std::forward<F>(handler)();
    } catch (const Cancelled &) {
    } catch (const Failure &failure) {
        Messages::showFailure(parent, failure.message());
    } catch (const std::exception &e) {
        Messages::showFailure(parent, QString::fromLocal8Bit(e.what()));
    }
}

// connect() whose slot runs guarded, reporting over `window`.
template <typename Sender, typename Signal, typename F>
QMetaObject::Connection connectGuarded(Sender *sender, Signal signal, QWidget *window, F handler)
{
    return QObject::connect(sender, signal, window, [window, handler](auto &&...) { guarded(window, handler); });
}

}  // namespace tarnwick
