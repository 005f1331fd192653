#include "Gauge.h"

#include <QPainter>

namespace tarnwick::ui {

Gauge::Gauge(QWidget *parent) : QWidget(parent) {}

void Gauge::setProgress(int value)
{
    if (value == m_progress)
        return;
    m_progress = value;
    update();
}

void Gauge::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    const QColor face = palette().color(QPalette::Button);
    const QColor navy(0, 0, 128);
    p.fillRect(rect(), face);
    const int shown = qBound(0, m_progress, 100);
    const int barWidth = width() * shown / 100;
    const QRect bar(0, 0, barWidth, height());
    p.fillRect(bar, navy);

    QFont f = font();
    f.setBold(true);
    p.setFont(f);
    const QString text = QStringLiteral("%1%").arg(m_progress);
    // The text takes the opposite colour where the bar lies under it.
    p.setPen(navy);
    p.drawText(rect(), Qt::AlignCenter, text);
    p.setClipRect(bar);
    p.setPen(face);
    p.drawText(rect(), Qt::AlignCenter, text);
}

}  // namespace tarnwick::ui
