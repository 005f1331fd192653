#include "Pictures.h"

#include <QPainter>
#include <QSvgRenderer>

namespace tarnwick::ui {

QPixmap svgPixmap(const QString &name, const QSize &size)
{
    QSvgRenderer renderer(QStringLiteral(":/pictures/%1.svg").arg(name));
    if (!renderer.isValid())
        return {};
    QPixmap pixmap(size);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    renderer.render(&painter);
    return pixmap;
}

QIcon svgIcon(const QString &name) { return QIcon(QStringLiteral(":/pictures/%1.svg").arg(name)); }

}  // namespace tarnwick::ui
