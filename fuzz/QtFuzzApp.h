#pragma once
// The widget-side targets need one application object for the whole run.
#include <QApplication>

namespace tarnwick::fuzz {

inline void ensureApplication()
{
    static QApplication *app = [] {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        static int argc = 1;
        static char name[] = "fuzz";
        static char *argv[] = {name, nullptr};
        return new QApplication(argc, argv);
    }();
    (void)app;
}

}  // namespace tarnwick::fuzz
