#pragma once

// Shared palette and helpers of the panel frames, so the three stages read as one set.

#include <QColor>
#include <QFont>
#include <QPointF>
#include <QRectF>

class QPainter;

namespace tarnwick::art {

inline const QColor kNavy{0x1F, 0x3A, 0x68};
inline const QColor kTeal{0x2A, 0x9D, 0x8F};
inline const QColor kAmber{0xE9, 0xC4, 0x6A};
inline const QColor kInk{0x33, 0x3D, 0x4D};
inline const QColor kMuted{0x9A, 0xA8, 0xBC};
inline const QColor kFault{0xC8, 0x55, 0x3D};
inline const QColor kPaper{0xFF, 0xFF, 0xFF};

// Height of the caption strip along the bottom; the stage is drawn above it.
inline constexpr int kCaptionHeight = 12;
inline constexpr double kStageHeight = 65 - kCaptionHeight;  // frame height less the strip

// Pixel-sized sans font, so frames look the same whatever the screen's DPI.
QFont artFont(int pixelSize, bool bold = false, bool italic = false);

double clamp01(double v);
// Position of t within [from, to], clamped to 0..1.
double phase(double t, double from, double to);
double easeInOut(double t);
double easeOut(double t);
double lerp(double a, double b, double t);
QColor mix(const QColor &a, const QColor &b, double t);
QColor withAlpha(QColor c, double alpha);

// Background and caption strip with the stage name and a progress track
// that fills as the animation runs (step 0 = at rest, empty track).
void paintChrome(QPainter &p, const QString &stageName, int step);

// A tick mark in a filled disc; scale 0..1 grows it in.
void paintCheckBadge(QPainter &p, QPointF centre, double radius, double scale, const QColor &fill);

// A ring spreading out of a badge as a job finishes; progress 0..1, nothing outside (0, 1).
void paintRipple(QPainter &p, QPointF centre, double radius, double progress);

// A small contact card: person on the left, text lines on the right.
void paintContactCard(QPainter &p, const QRectF &card, const QColor &accent, double opacity = 1.0);

} // namespace tarnwick::art
