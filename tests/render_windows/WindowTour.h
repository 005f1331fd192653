#pragma once
// Brings every window of a Program on screen in turn, each page of the main
// window and each dialog, in every language, so a visitor can look at it:
// the layout test checks it, the renderer saves a picture of it.
#include <QString>

#include <functional>

class QWidget;

namespace tarnwick {

class Program;

struct WindowView {
    QWidget *window;
    QString name;  // object name of the window
    QString page;  // TabSheet1..4 for the main window, "dialog" for a dialog
    int language;  // 1 English .. 5 Spanish

    // <window>-<page>-<language code>, as used for the picture files.
    QString fileStem() const;
};

// The Program must have been created in a working folder holding its data
// files. Dialogs are shown without a modal loop and hidden again.
void tourWindows(Program &program, const std::function<void(const WindowView &)> &visit);

}  // namespace tarnwick
