// Scoring: two contact cards slide together while the gauge climbs to a
// high score; a tick confirms the duplicate, then all returns to rest.
// Names, signs and figures only, so the picture reads the same in every language.

#include "score/art/ArtKit.h"
#include "score/art/StageArt.h"

#include <QPainter>
#include <QString>

#include <cmath>
#include <numbers>

namespace tarnwick::art {
namespace {

constexpr double kCardW = 34, kCardH = 25, kCardY = 6;
constexpr double kLeftRest = 4, kRightRest = 48;
constexpr double kLeftMet = 15, kRightMet = 35;
constexpr double kTopScore = 0.94;  // a convincing duplicate
const QPointF kGaugeCentre(106, 31);
constexpr double kGaugeRadius = 15;

void paintGauge(QPainter &p, double value, double glow)
{
    const QRectF ring(kGaugeCentre.x() - kGaugeRadius, kGaugeCentre.y() - kGaugeRadius, 2 * kGaugeRadius,
                      2 * kGaugeRadius);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(0xD5, 0xDD, 0xE8), 4, Qt::SolidLine, Qt::FlatCap));
    p.drawArc(ring, 0, 180 * 16);
    if (value > 0.0) {
        p.setPen(QPen(mix(kAmber, kTeal, phase(value, 0.4, 0.8)), 4, Qt::SolidLine, Qt::FlatCap));
        p.drawArc(ring, 180 * 16, -int(std::lround(180 * 16 * value)));
    }
    // ticks every quarter
    p.setPen(QPen(kMuted, 1));
    for (int q = 0; q <= 4; ++q) {
        const double a = std::numbers::pi * (1.0 - q / 4.0);
        const QPointF dir(std::cos(a), -std::sin(a));
        p.drawLine(kGaugeCentre + dir * (kGaugeRadius + 3), kGaugeCentre + dir * (kGaugeRadius + 5));
    }
    // needle
    const double a = std::numbers::pi * (1.0 - value);
    const QPointF tip = kGaugeCentre + QPointF(std::cos(a), -std::sin(a)) * (kGaugeRadius - 3);
    p.setPen(QPen(kNavy, 1.8, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(kGaugeCentre, tip);
    p.setPen(Qt::NoPen);
    p.setBrush(kNavy);
    p.drawEllipse(kGaugeCentre, 2.4, 2.4);

    p.setFont(artFont(10, true));
    p.setPen(mix(kNavy, kTeal.darker(120), glow));
    p.drawText(QRectF(kGaugeCentre.x() - 20, kGaugeCentre.y() + 3, 40, 14), Qt::AlignCenter,
               QStringLiteral("%1%").arg(std::lround(100 * value)));
}

// Speed lines behind a card that is moving.
void paintMotion(QPainter &p, double edgeX, double dir, double speed)
{
    if (speed <= 0.0)
        return;
    p.setPen(QPen(withAlpha(kMuted, speed), 1, Qt::SolidLine, Qt::RoundCap));
    for (int i = 0; i < 3; ++i) {
        const double y = kCardY + 7 + i * 6;
        const double len = 3 + 2 * ((i + 1) % 2);
        p.drawLine(QPointF(edgeX - dir * 2, y), QPointF(edgeX - dir * (2 + len), y));
    }
}

void paintName(QPainter &p, double centreX, const QString &name, double opacity)
{
    if (opacity <= 0.0)
        return;
    p.setFont(artFont(8));
    p.setPen(withAlpha(kInk, opacity));
    p.drawText(QRectF(centreX - 32, kCardY + kCardH + 3, 64, 11), Qt::AlignCenter, name);
}

} // namespace

void paintMatchFrame(QPainter &p, int step)
{
    const double s = step;
    paintChrome(p, QStringLiteral("A \u2248 B"), step);  // signs, not a word: how alike the two are

    const double meet = easeInOut(phase(s, 0, 7)) * (1.0 - easeInOut(phase(s, 15, 18)));
    const double rising = easeOut(phase(s, 2, 12));
    const double back = phase(s, 15, 18);
    const double value = kTopScore * rising * (1.0 - back);
    const double confirmed = phase(s, 11, 13) * (1.0 - back);

    const double leftX = lerp(kLeftRest, kLeftMet, meet);
    const double rightX = lerp(kRightRest, kRightMet, meet);
    const bool closing = s > 0 && s <= 7;
    const bool parting = s > 15;
    const double speed = (closing || parting) ? 0.9 : 0.0;
    paintMotion(p, leftX, parting ? -1.0 : 1.0, speed);
    paintMotion(p, rightX + kCardW, parting ? 1.0 : -1.0, speed);

    paintContactCard(p, QRectF(leftX, kCardY, kCardW, kCardH), kTeal);
    paintContactCard(p, QRectF(rightX, kCardY + 1.5 * meet, kCardW, kCardH), kAmber);

    // names part as the cards meet; one verdict under the pair once confirmed
    paintName(p, leftX + kCardW / 2, QStringLiteral("W. Smith"), 1.0 - 4.0 * meet);
    paintName(p, rightX + kCardW / 2, QStringLiteral("Wm Smyth"), 1.0 - 4.0 * meet);
    paintName(p, (leftX + rightX + kCardW) / 2, QStringLiteral("Smith = Smyth"), confirmed);

    paintGauge(p, value, confirmed);
    const QPointF badge(rightX + kCardW - 2, kCardY + 3);
    paintRipple(p, badge, 6.0, phase(s, 12, 16));
    paintCheckBadge(p, badge, 6.0, easeOut(confirmed), kTeal);
}

} // namespace tarnwick::art
