#pragma once
// The bevelled panels the windows are built from, placed at fixed positions
// like the rest of the layout.
#include <QFrame>
#include <QRect>

namespace tarnwick::ui {

enum class Bevel { Flat, Raised, Lowered, Single };

// A panel at `geometry` inside parent; Single is a one-pixel border.
QFrame *panel(QWidget *parent, const QRect &geometry, Bevel bevel, const QColor &background = {});

// The two nested frames every page starts with (raised inner bevel, then a
// bordered grey panel); returns the inner panel.
QFrame *pageFrame(QWidget *page);

// A horizontal engraved separator line.
QFrame *separator(QWidget *parent, const QRect &geometry);

// The program's base font: a small sans serif, as on the classic dialogs.
QFont baseFont();

}  // namespace tarnwick::ui
