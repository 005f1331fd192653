#include "score/art/PanelArt.h"

#include "score/art/StageArt.h"

#include <QCoreApplication>
#include <QImage>
#include <QPainter>

#include <array>
#include <memory>

namespace tarnwick {
namespace {

using FrameSet = std::array<QPixmap, kPanelFrameCount>;
using StagePainter = void (*)(QPainter &, int);

constexpr std::array<StagePainter, 3> kStagePainters{art::paintPurvexFrame, art::paintSonabelFrame,
                                                     art::paintMatchFrame};
static_assert(kPanelFrameCount == int(kStagePainters.size()) * kFramesPerPanel);
static_assert(kFramesPerPanel == art::kLastStep + 1);

// Pixmaps must go before the GUI application does, so the cache lives on the
// heap and is released by a post routine rather than at static destruction.
FrameSet *cache = nullptr;

void releaseCache()
{
    delete cache;
    cache = nullptr;
}

QPixmap paintFrame(StagePainter painter, int step)
{
    QImage image(kPanelFrameWidth, kPanelFrameHeight, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::white);
    QPainter p(&image);
    p.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing | QPainter::SmoothPixmapTransform);
    painter(p, step);
    p.end();
    return QPixmap::fromImage(image);
}

const FrameSet &frames()
{
    if (!cache) {
        auto built = std::make_unique<FrameSet>();
        for (int i = 0; i < kPanelFrameCount; ++i)
            (*built)[i] = paintFrame(kStagePainters[i / kFramesPerPanel], i % kFramesPerPanel);
        cache = built.release();
        qAddPostRoutine(releaseCache);
    }
    return *cache;
}

} // namespace

QPixmap panelFrame(int index)
{
    if (index < 0 || index >= kPanelFrameCount)
        return {};
    return frames()[index];
}

QPixmap panelRestingPicture(int panel)
{
    if (panel < 0 || panel >= int(kStagePainters.size()))
        return {};
    return panelFrame(panel * kFramesPerPanel);
}

} // namespace tarnwick
