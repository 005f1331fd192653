// Cleansing: a broom sweeps a scruffy name field, leaving the clean form behind.

#include "score/art/ArtKit.h"
#include "score/art/StageArt.h"

#include <QPainter>
#include <QString>

#include <cmath>
#include <iterator>

namespace tarnwick::art {
namespace {

const QRectF kField(25, 21, 98, 19);
constexpr double kBroomRest = 13.0;
constexpr double kBroomEnd = 142.0;

// The raw entry, drawn letter by letter off a wobbling baseline; punctuation
// and stray case are tinted as the faults the sweep removes.
void paintScruffyName(QPainter &p, double dx)
{
    static const QString raw = QStringLiteral("mr. WM.  SMITH ,Jnr.");
    static constexpr double wobble[] = {0.5, -0.5, 0.5, 0, -0.5, 0, 0.5, 0, 0, 0, 0.5, 0, 0, 0, 0, 0, -0.5, 0, 0.5, -0.5};
    const QFont font = artFont(9);
    const QFontMetricsF metrics(font);
    p.setFont(font);
    double x = kField.left() + 4 + dx;
    const double baseline = kField.center().y() + 3.2;
    for (int i = 0; i < raw.size(); ++i) {
        const QChar c = raw.at(i);
        const bool fault = c == u'.' || c == u',' || i < 2;
        p.setPen(fault ? kFault : kInk);
        p.drawText(QPointF(x, baseline + wobble[i % std::size(wobble)]), QString(c));
        x += metrics.horizontalAdvance(c);
    }
}

// The cleansed entry with its underline and tick; done 0..1 grows the marks in,
// ripple 0..1 spreads a ring from the tick.
void paintCleanName(QPainter &p, double dx, double done, double ripple)
{
    p.setFont(artFont(10, true));
    p.setPen(kNavy);
    const QRectF text = kField.adjusted(4 + dx, 0, -14 + dx, 0);
    p.drawText(text, Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("William Smith"));
    if (done <= 0.0)
        return;
    p.setPen(Qt::NoPen);
    p.setBrush(kTeal);
    p.drawRoundedRect(QRectF(text.left(), kField.bottom() - 4, 66 * done, 1.6), 0.8, 0.8);
    const QPointF badge(kField.right() - 7 + dx, kField.center().y());
    paintRipple(p, badge, 5.5, ripple);
    paintCheckBadge(p, badge, 5.5, done, kTeal);
}

// A push broom whose head sits on the field at x; tilt in degrees makes it sweep.
void paintBroom(QPainter &p, double x, double tilt, double opacity)
{
    if (opacity <= 0.0)
        return;
    p.save();
    p.setOpacity(p.opacity() * opacity);
    p.translate(x, kField.bottom() - 1);
    p.rotate(tilt);
    p.setPen(QPen(QColor(0x8A, 0x5A, 0x2B), 2.4, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(-1, -14), QPointF(-10, -32));
    p.setPen(QPen(QColor(0xB8, 0x8A, 0x3E), 1.1, Qt::SolidLine, Qt::RoundCap));
    for (int i = 0; i < 7; ++i) {
        const double bx = -5.4 + i * 1.8;
        p.drawLine(QPointF(bx, -8), QPointF(bx * 1.15, 0));
    }
    p.setPen(QPen(kNavy, 1));
    p.setBrush(kAmber);
    p.drawRoundedRect(QRectF(-7, -14, 14, 6), 1.8, 1.8);
    p.restore();
}

// Specks thrown ahead of the broom.
void paintDust(QPainter &p, double x, int step)
{
    p.save();
    p.setPen(Qt::NoPen);
    for (int k = 0; k < 5; ++k) {
        const double age = (k + (step % 3) / 3.0) / 5.0;
        const QPointF at(x + 8 + age * 12, kField.bottom() - 3 - age * 14 + ((k * 7) % 5) * 0.6);
        const double r = 1.1 + 0.3 * (k % 2);
        p.setBrush(withAlpha(k % 2 ? kMuted : kAmber, 1.0 - age));
        p.drawEllipse(at, r, r);
    }
    p.restore();
}

} // namespace

void paintPurvexFrame(QPainter &p, int step)
{
    const double s = step;
    paintChrome(p, QStringLiteral("Purvex"), step);

    p.setPen(QPen(kMuted, 1));
    p.setBrush(kPaper);
    p.drawRoundedRect(kField, 2, 2);

    const double sweep = easeInOut(phase(s, 0.5, 10));
    const double broomX = lerp(kBroomRest, kBroomEnd, sweep);
    const double done = easeOut(phase(s, 10, 12.5));
    // the cleaned entry moves out and the next raw one comes in, back to rest
    const double next = easeInOut(phase(s, 14.5, 18));
    const double shift = kField.width() * next;

    p.save();
    p.setClipRect(kField.adjusted(1, 1, -1, -1));
    if (next > 0.0) {
        paintCleanName(p, -shift, done, 0.0);
        paintScruffyName(p, kField.width() - shift);
    } else {
        p.save();
        p.setClipRect(QRectF(broomX, 0, 129, 65), Qt::IntersectClip);
        paintScruffyName(p, 0);
        p.restore();
        p.setClipRect(QRectF(0, 0, broomX, 65), Qt::IntersectClip);
        paintCleanName(p, 0, done, phase(s, 11.5, 15));
    }
    p.restore();

    if (sweep > 0.0 && sweep < 1.0) {
        paintDust(p, broomX, step);
        paintBroom(p, broomX, 7.0 * std::sin(step * 2.1), 1.0);
    } else {
        paintBroom(p, kBroomRest, 0.0, step == 0 ? 1.0 : next);
    }
}

} // namespace tarnwick::art
