#pragma once

// One painter per panel; each paints step 0 (rest) to 18 of its run onto a
// 129 x 65 canvas.

class QPainter;

namespace tarnwick::art {

inline constexpr int kLastStep = 18;

void paintPurvexFrame(QPainter &p, int step);
void paintSonabelFrame(QPainter &p, int step);
void paintMatchFrame(QPainter &p, int step);

} // namespace tarnwick::art
