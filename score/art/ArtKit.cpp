#include "score/art/ArtKit.h"

#include "score/art/PanelArt.h"
#include "score/art/StageArt.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QStringList>

#include <algorithm>

namespace tarnwick::art {

QFont artFont(int pixelSize, bool bold, bool italic)
{
    QFont font;
    font.setFamilies({QStringLiteral("Arial"), QStringLiteral("Liberation Sans"),
                      QStringLiteral("Helvetica"), QStringLiteral("DejaVu Sans")});
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    font.setItalic(italic);
    return font;
}

double clamp01(double v) { return std::clamp(v, 0.0, 1.0); }

double phase(double t, double from, double to) { return clamp01((t - from) / (to - from)); }

double easeInOut(double t)
{
    t = clamp01(t);
    return t * t * (3.0 - 2.0 * t);
}

double easeOut(double t)
{
    t = clamp01(t);
    return 1.0 - (1.0 - t) * (1.0 - t);
}

double lerp(double a, double b, double t) { return a + (b - a) * t; }

QColor mix(const QColor &a, const QColor &b, double t)
{
    t = clamp01(t);
    return QColor::fromRgbF(float(lerp(a.redF(), b.redF(), t)), float(lerp(a.greenF(), b.greenF(), t)),
                            float(lerp(a.blueF(), b.blueF(), t)), float(lerp(a.alphaF(), b.alphaF(), t)));
}

QColor withAlpha(QColor c, double alpha)
{
    c.setAlphaF(float(clamp01(alpha) * c.alphaF()));
    return c;
}

void paintChrome(QPainter &p, const QString &stageName, int step)
{
    QLinearGradient sky(0, 0, 0, kStageHeight);
    sky.setColorAt(0, QColor(0xFB, 0xFC, 0xFE));
    sky.setColorAt(1, QColor(0xE6, 0xEC, 0xF4));
    p.fillRect(QRectF(0, 0, kPanelFrameWidth, kStageHeight), sky);

    const QRectF strip(0, kStageHeight, kPanelFrameWidth, kCaptionHeight);
    p.fillRect(strip, kNavy);
    p.setPen(Qt::NoPen);
    p.setBrush(kAmber);
    p.drawEllipse(QPointF(6.5, strip.center().y()), 2.2, 2.2);
    p.setPen(kPaper);
    p.setFont(artFont(9, true));
    p.drawText(QRectF(12, strip.top(), 70, strip.height()), Qt::AlignLeft | Qt::AlignVCenter, stageName);

    const QRectF track(82, strip.center().y() - 1.5, 41, 3);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x3B, 0x55, 0x80));
    p.drawRoundedRect(track, 1.5, 1.5);
    if (step > 0) {
        QRectF done = track;
        done.setWidth(track.width() * step / kLastStep);
        p.setBrush(kAmber);
        p.drawRoundedRect(done, 1.5, 1.5);
    }

    // Thin frame so the picture holds its edge on the silver panel.
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(0x8F, 0xA3, 0xC0), 1));
    p.drawRect(QRectF(0.5, 0.5, kPanelFrameWidth - 1, kPanelFrameHeight - 1));
}

void paintCheckBadge(QPainter &p, QPointF centre, double radius, double scale, const QColor &fill)
{
    scale = clamp01(scale);
    if (scale <= 0.0)
        return;
    const double r = radius * scale;
    p.setPen(QPen(kPaper, 1.2));
    p.setBrush(fill);
    p.drawEllipse(centre, r, r);
    QPainterPath tick;
    tick.moveTo(centre + QPointF(-0.5 * r, 0.02 * r));
    tick.lineTo(centre + QPointF(-0.12 * r, 0.4 * r));
    tick.lineTo(centre + QPointF(0.52 * r, -0.34 * r));
    p.setPen(QPen(kPaper, std::max(1.0, 0.32 * r), Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPath(tick);
}

void paintRipple(QPainter &p, QPointF centre, double radius, double progress)
{
    if (progress <= 0.0 || progress >= 1.0)
        return;
    const double r = radius * (1.0 + 1.5 * progress);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(withAlpha(kTeal, 1.0 - progress), 1.2));
    p.drawEllipse(centre, r, r);
}

void paintContactCard(QPainter &p, const QRectF &card, const QColor &accent, double opacity)
{
    p.save();
    p.setOpacity(p.opacity() * clamp01(opacity));
    p.setPen(QPen(kNavy, 1.2));
    p.setBrush(kPaper);
    p.drawRoundedRect(card, 2.5, 2.5);
    p.setPen(Qt::NoPen);
    p.fillRect(QRectF(card.left() + 0.6, card.top() + 0.6, card.width() - 1.2, 3.4), accent);

    const double headX = card.left() + card.width() * 0.25;
    const double headY = card.top() + card.height() * 0.45;
    const double unit = card.height() / 24.0;
    p.setBrush(accent);
    p.drawEllipse(QPointF(headX, headY), 3.0 * unit, 3.0 * unit);
    QPainterPath body;
    body.moveTo(headX - 5.5 * unit, card.bottom() - 3.0 * unit);
    body.cubicTo(headX - 5.5 * unit, headY + 2.5 * unit, headX + 5.5 * unit, headY + 2.5 * unit,
                 headX + 5.5 * unit, card.bottom() - 3.0 * unit);
    body.closeSubpath();
    p.drawPath(body);

    const double lineX = card.left() + card.width() * 0.5;
    const double lineW = card.width() * 0.38;
    p.setBrush(kNavy);
    p.drawRoundedRect(QRectF(lineX, headY - 3.5 * unit, lineW, 2.2 * unit), unit, unit);
    p.setBrush(kMuted);
    p.drawRoundedRect(QRectF(lineX, headY + 0.5 * unit, lineW * 0.7, 2.2 * unit), unit, unit);
    p.drawRoundedRect(QRectF(lineX, headY + 4.5 * unit, lineW * 0.85, 2.2 * unit), unit, unit);
    p.restore();
}

} // namespace tarnwick::art
