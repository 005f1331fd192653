#include "score/art/Banner.h"

#include "score/art/ArtKit.h"
#include "widgets/Pictures.h"

#include <QFontMetricsF>
#include <QPainter>

namespace tarnwick {
namespace {

// Under the wordmark, clear of the figure on the right.
constexpr double kStrapLeft = 66;
constexpr double kStrapWidth = 264;
constexpr double kStrapBaseline = 56;
constexpr int kLargest = 12;
constexpr int kSmallest = 8;
const QColor kStrapColour(0x4A, 0x5D, 0x7A);

QFont strapFont(int pixelSize) { return art::artFont(pixelSize, false, true); }

}  // namespace

int strapLineFontSize(const QString &strapLine)
{
    for (int size = kLargest; size >= kSmallest; --size)
        if (QFontMetricsF(strapFont(size)).horizontalAdvance(strapLine) <= kStrapWidth)
            return size;
    return 0;
}

QPixmap bannerPicture(const QString &strapLine)
{
    QPixmap pixmap = ui::svgPixmap(QStringLiteral("banner"), QSize(kBannerWidth, kBannerHeight));
    if (pixmap.isNull() || strapLine.isEmpty())
        return pixmap;
    const int size = strapLineFontSize(strapLine);
    const QFont font = strapFont(size > 0 ? size : kSmallest);
    QPainter p(&pixmap);
    p.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing);
    p.setFont(font);
    p.setPen(kStrapColour);
    const QString shown = QFontMetricsF(font).elidedText(strapLine, Qt::ElideRight, kStrapWidth);
    p.drawText(QPointF(kStrapLeft, kStrapBaseline), shown);
    return pixmap;
}

}  // namespace tarnwick
