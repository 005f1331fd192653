#pragma once
// Pictures drawn from the SVG resources at the size a control shows them.
#include <QIcon>
#include <QPixmap>
#include <QSize>
#include <QString>

namespace tarnwick::ui {

// ":/pictures/<name>.svg" rendered at size (device pixel ratio 1); a null
// pixmap when the resource is missing.
QPixmap svgPixmap(const QString &name, const QSize &size);
QIcon svgIcon(const QString &name);

}  // namespace tarnwick::ui
