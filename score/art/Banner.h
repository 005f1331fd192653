#pragma once

#include <QPixmap>
#include <QString>

namespace tarnwick {

// The score page's banner, 457 x 65 pixels: the drawn mark, the wordmark and
// the sound-to-key figure, with the strap line set under the wordmark in the
// chosen language.
inline constexpr int kBannerWidth = 457;
inline constexpr int kBannerHeight = 65;

QPixmap bannerPicture(const QString &strapLine);

// Pixel size the strap line is set in: the largest from 12 down to 8 at which
// it fits between the wordmark's left edge and the figure; 0 when even 8 is too
// wide (the line is then cut short with an ellipsis).
int strapLineFontSize(const QString &strapLine);

}  // namespace tarnwick
