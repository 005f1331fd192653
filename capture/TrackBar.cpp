#include "TrackBar.h"

#include <QPainter>
#include <QPainterPath>
#include <QStyle>
#include <QStyleOptionSlider>

namespace tarnwick {

TrackBar::TrackBar(QWidget *parent) : QSlider(Qt::Horizontal, parent) {}

void TrackBar::setSelection(int start, int end)
{
    m_selStart = start;
    m_selEnd = end;
    update();
}

void TrackBar::paintEvent(QPaintEvent *event)
{
    QSlider::paintEvent(event);
    if (m_selStart < minimum() || m_selEnd > maximum() || m_selStart > m_selEnd)
        return;

    QStyleOptionSlider option;
    initStyleOption(&option);
    const QRect groove = style()->subControlRect(QStyle::CC_Slider, &option, QStyle::SC_SliderGroove, this);
    const QRect handle = style()->subControlRect(QStyle::CC_Slider, &option, QStyle::SC_SliderHandle, this);
    // Positions map onto the span the handle's centre travels.
    const int span = groove.width() - handle.width();
    const auto xOf = [&](int value) {
        return groove.x() + handle.width() / 2 +
               QStyle::sliderPositionFromValue(minimum(), maximum(), value, span, option.upsideDown);
    };
    const int x1 = xOf(m_selStart);
    const int x2 = xOf(m_selEnd);
    const int top = groove.top();

    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const QColor navy(0x1F, 0x3A, 0x68);
    p.setPen(Qt::NoPen);
    p.setBrush(navy);
    if (x2 > x1)
        p.drawRect(QRect(x1, groove.center().y() - 1, x2 - x1, 3));
    // A small pointer above the groove at each end of the selection.
    for (int x : {x1, x2}) {
        QPainterPath pointer;
        pointer.moveTo(x - 3.5, top - 1);
        pointer.lineTo(x + 3.5, top - 1);
        pointer.lineTo(x, top + 3);
        pointer.closeSubpath();
        p.drawPath(pointer);
        if (x1 == x2)
            break;
    }
}

}  // namespace tarnwick
