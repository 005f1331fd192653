#pragma once

#include <QPixmap>

namespace tarnwick {

// The 57 frames of the score page's panel animations, 129 x 65 pixels each:
// 0-18 the Purvex panel, 19-37 Sonabel, 38-56 Match. Frame 0 of each run of 19
// is that panel's resting picture; the rest show the stage at work and lead
// back to it. Painted once, on first use (needs a QGuiApplication).
inline constexpr int kPanelFrameCount = 57;
inline constexpr int kFramesPerPanel = 19;
inline constexpr int kPanelFrameWidth = 129;
inline constexpr int kPanelFrameHeight = 65;

// A null pixmap for an index outside 0..56, so a bad index draws nothing.
QPixmap panelFrame(int index);

// Panel 0 Purvex, 1 Sonabel, 2 Match; a null pixmap for any other panel.
QPixmap panelRestingPicture(int panel);

} // namespace tarnwick
