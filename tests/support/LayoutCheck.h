#pragma once
// Looks over a shown window for texts that do not fit their control and for
// controls placed on top of one another. Shared by the layout tests and the
// window renderer, so both judge a window the same way.
#include <QList>
#include <QString>

class QWidget;

namespace tarnwick::layout {

enum class Kind {
    Clipped,    // a caption, item or tab is wider (or taller) than its room
    Overlap,    // two visible sibling controls share pixels
    HeaderCut,  // a grid header cut by a column whose width is fixed by design
};

struct Finding {
    Kind kind;
    QString control;  // object path below the window, e.g. "GroupBox1/chkAbbreviate"
    QString text;     // the text concerned, or the other control for an overlap
    int needed = 0;   // pixels the text needs
    int room = 0;     // pixels it has
    bool hasTooltip = false;  // header cuts: the full header is shown as a tooltip
    bool fixedColumn = false;  // header cuts: the column is set narrow or cannot be resized

    QString describe() const;
};

// Visible controls of `window` only: show the window (and the page wanted)
// before checking.
QList<Finding> check(QWidget *window);

// A fault is every clip and overlap, and a header cut unless its column is
// narrow by design and the full text can be read from a tooltip.
bool isFault(const Finding &finding);
QList<Finding> faults(const QList<Finding> &findings);

}  // namespace tarnwick::layout
