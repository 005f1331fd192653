// Phonetic coding: the letters of a name are read one sound at a time and
// fly into a compact key; the silent vowel drops out, "TH" becomes one sign.
// Letters and signs only, so the picture reads the same in every language.

#include "score/art/ArtKit.h"
#include "score/art/StageArt.h"

#include <QPainter>
#include <QString>

#include <array>
#include <cmath>
#include <numbers>

namespace tarnwick::art {
namespace {

constexpr double kTileW = 12, kTileH = 16, kTilePitch = 14, kTileX = 5, kTileY = 10;
const QRectF kKeyBox(94, 7, 30, 22);

QRectF tileRect(int i) { return {kTileX + i * kTilePitch, kTileY, kTileW, kTileH}; }
QPointF slotCentre(int slot) { return {kKeyBox.left() + 6.5 + slot * 8.5, kKeyBox.center().y() - 1}; }

// One reading step: which letters it takes, when, and what lands in the key.
struct Reading {
    int firstLetter;
    int letterCount;
    double from, to;   // steps during which the letters travel
    int slot;          // -1: the letter is dropped, nothing lands
    QChar sign;
    const char *rule;  // shown under the tiles while it runs
};

const std::array<Reading, 4> kReadings{{
    {0, 1, 0, 3, 0, u'S', "S \u2192 S"},
    {1, 1, 3, 6, 1, u'M', "M \u2192 M"},
    {2, 1, 6, 8, -1, u' ', "I \u2192 \u2013"},
    {3, 2, 8, 11, 2, u'0', "TH \u2192 0"},
}};

void paintTile(QPainter &p, int i, QChar letter, double active, double used, double dropped)
{
    const QRectF r = tileRect(i);
    QColor fill = mix(kPaper, QColor(0xE9, 0xED, 0xF3), used);
    fill = mix(fill, kTeal, active);
    p.setPen(QPen(mix(kNavy, kMuted, used), 1));
    p.setBrush(fill);
    p.drawRoundedRect(r, 2, 2);
    p.setFont(artFont(10, true));
    p.setPen(mix(mix(kNavy, kMuted, used), kPaper, active));
    p.drawText(r, Qt::AlignCenter, QString(letter));
    if (dropped > 0.0) {
        p.setPen(QPen(withAlpha(kFault, dropped), 1.3, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(r.left() + 2.5, r.bottom() - 3), QPointF(r.right() - 2.5, r.top() + 3));
    }
}

// Sound wave between the word and its key; lively while a sound is read.
void paintWave(QPainter &p, int step, double energy)
{
    p.setPen(Qt::NoPen);
    const double cy = kKeyBox.center().y();
    for (int i = 0; i < 4; ++i) {
        const double rest = 3.0 + (i == 1 || i == 2 ? 3.0 : 0.0);
        const double live = 4.0 + 7.0 * std::fabs(std::sin(step * 1.3 + i * 1.9));
        const double h = lerp(rest, live, energy);
        p.setBrush(mix(kTeal, kNavy, i / 3.0));
        p.drawRoundedRect(QRectF(77.5 + i * 3.7, cy - h / 2, 2.4, h), 1.2, 1.2);
    }
}

} // namespace

void paintSonabelFrame(QPainter &p, int step)
{
    const double s = step;
    paintChrome(p, QStringLiteral("Sonabel"), step);

    static const QString word = QStringLiteral("SMITH");
    const double back = phase(s, 14, 17);  // return to rest
    const double keyDone = easeOut(phase(s, 11, 13)) * (1.0 - back);

    // key box
    p.setPen(QPen(mix(kAmber, kTeal, keyDone), 1.5));
    p.setBrush(mix(kPaper, QColor(0xE3, 0xF4, 0xF1), keyDone));
    p.drawRoundedRect(kKeyBox, 3, 3);
    p.setPen(QPen(kMuted, 1));
    for (int slot = 0; slot < 3; ++slot) {
        const QPointF c = slotCentre(slot);
        p.drawLine(QPointF(c.x() - 3, kKeyBox.bottom() - 3.5), QPointF(c.x() + 3, kKeyBox.bottom() - 3.5));
    }

    // tiles first, so letters in flight pass over them
    double energy = 0.0;
    const Reading *current = nullptr;
    for (const Reading &r : kReadings) {
        const double travel = phase(s, r.from, r.to);
        const bool running = s > r.from && s <= r.to;
        if (running) {
            current = &r;
            energy = 1.0;
        }
        const double used = travel * (1.0 - back);
        for (int i = r.firstLetter; i < r.firstLetter + r.letterCount; ++i)
            paintTile(p, i, word.at(i), running ? 1.0 - 0.6 * travel : 0.0, used, r.slot < 0 ? used : 0.0);
    }

    paintWave(p, step, energy);

    p.setFont(artFont(10, true));
    for (const Reading &r : kReadings) {
        const double travel = phase(s, r.from, r.to);
        if (r.slot < 0 || travel <= 0.0)
            continue;
        const double fly = easeInOut(travel);
        const QPointF target = slotCentre(r.slot);
        const bool morphs = r.letterCount > 1;
        if (travel < 1.0) {
            for (int i = r.firstLetter; i < r.firstLetter + r.letterCount; ++i) {
                const QPointF from = tileRect(i).center();
                const QPointF at(lerp(from.x(), target.x(), fly),
                                 lerp(from.y(), target.y(), fly) - 9.0 * std::sin(fly * std::numbers::pi));
                // each sound travels as a chip so it stays readable over the tiles
                const double alpha = morphs ? 1.0 - 0.7 * fly : 1.0;
                p.setPen(QPen(withAlpha(kPaper, alpha), 1));
                p.setBrush(withAlpha(kTeal, alpha));
                p.drawEllipse(at, 5.5, 5.5);
                p.setPen(withAlpha(kPaper, alpha));
                p.drawText(QRectF(at.x() - 6, at.y() - 7, 12, 14), Qt::AlignCenter, QString(word.at(i)));
            }
        }
        // a single letter lands as itself; a pair fades into its sign on the way
        const double landed = morphs ? phase(travel, 0.5, 1.0) : (travel >= 1.0 ? 1.0 : 0.0);
        if (landed > 0.0) {
            p.setPen(withAlpha(kNavy, landed * (1.0 - back)));
            p.drawText(QRectF(target.x() - 4, target.y() - 7.5, 8, 14), Qt::AlignCenter, QString(r.sign));
        }
    }

    const QPointF badge = kKeyBox.topRight() + QPointF(-2, 1.5);
    paintRipple(p, badge, 4.5, phase(s, 12, 15.5));
    paintCheckBadge(p, badge, 4.5, keyDone, kTeal);

    // what is being read, under the word
    p.setFont(artFont(9));
    const QRectF ruleBox(2, kTileY + kTileH + 5, 125, 14);
    if (current) {
        p.setPen(kNavy);
        p.drawText(ruleBox, Qt::AlignCenter, QString::fromUtf8(current->rule));
    } else if (keyDone > 0.0) {
        p.setPen(withAlpha(kTeal.darker(130), keyDone));
        p.drawText(ruleBox, Qt::AlignCenter, QStringLiteral("Smith = Smyth = SM0"));
    } else {
        p.setPen(kMuted);
        p.drawText(ruleBox, Qt::AlignCenter, QStringLiteral("Smith \u2260 Smyth"));  // as spelt; the key will join them
    }
}

} // namespace tarnwick::art
