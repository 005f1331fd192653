#include "score/art/PanelArt.h"

#include <QImage>
#include <QSet>
#include <QTest>

using namespace tarnwick;

namespace {

int distinctColours(const QImage &image)
{
    QSet<QRgb> colours;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            colours.insert(image.pixel(x, y));
    return int(colours.size());
}

// Share of pixels that differ between two frames of the same size.
double changedShare(const QImage &a, const QImage &b)
{
    int changed = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x)
            changed += a.pixel(x, y) != b.pixel(x, y);
    return double(changed) / (a.width() * a.height());
}

} // namespace

class TestPanelArt : public QObject {
    Q_OBJECT
private slots:
    void everyFrameIsAFullSizedPicture()
    {
        for (int i = 0; i < kPanelFrameCount; ++i) {
            const QPixmap frame = panelFrame(i);
            QVERIFY2(!frame.isNull(), qPrintable(QString("frame %1 is null").arg(i)));
            QCOMPARE(frame.size(), QSize(129, 65));
            QVERIFY2(distinctColours(frame.toImage()) >= 8, qPrintable(QString("frame %1 looks blank").arg(i)));
        }
    }

    void restingPictureIsFirstFrameOfItsRun()
    {
        for (int panel = 0; panel < 3; ++panel) {
            const QPixmap rest = panelRestingPicture(panel);
            QVERIFY(!rest.isNull());
            QCOMPARE(rest.toImage(), panelFrame(panel * kFramesPerPanel).toImage());
        }
        // each panel has its own picture
        QVERIFY(panelRestingPicture(0).toImage() != panelRestingPicture(1).toImage());
        QVERIFY(panelRestingPicture(1).toImage() != panelRestingPicture(2).toImage());
        QVERIFY(panelRestingPicture(0).toImage() != panelRestingPicture(2).toImage());
    }

    void everyStepOfARunChangesThePicture()
    {
        for (int panel = 0; panel < 3; ++panel) {
            const int first = panel * kFramesPerPanel;
            for (int step = 1; step < kFramesPerPanel; ++step) {
                const QImage before = panelFrame(first + step - 1).toImage();
                const QImage after = panelFrame(first + step).toImage();
                QVERIFY2(before != after, qPrintable(QString("panel %1 step %2 repeats the frame before").arg(panel).arg(step)));
            }
            // the run is the stage at work, not only its progress mark changing
            const QImage rest = panelFrame(first).toImage();
            const QImage middle = panelFrame(first + kFramesPerPanel / 2).toImage();
            QVERIFY2(changedShare(rest, middle) > 0.05, qPrintable(QString("panel %1 barely moves").arg(panel)));
        }
    }

    void lastStepLeadsBackToRest()
    {
        // the tick after step 18 shows the resting picture, so step 18 must already look close to it
        for (int panel = 0; panel < 3; ++panel) {
            const int first = panel * kFramesPerPanel;
            const QImage rest = panelFrame(first).toImage();
            const QImage last = panelFrame(first + kFramesPerPanel - 1).toImage();
            const QImage middle = panelFrame(first + kFramesPerPanel / 2).toImage();
            QVERIFY2(changedShare(rest, last) < changedShare(rest, middle) / 2,
                     qPrintable(QString("panel %1 jumps back to rest").arg(panel)));
        }
    }

    void framesArePaintedOnce()
    {
        for (int i = 0; i < kPanelFrameCount; ++i)
            QCOMPARE(panelFrame(i).cacheKey(), panelFrame(i).cacheKey());
        QCOMPARE(panelRestingPicture(2).cacheKey(), panelFrame(38).cacheKey());
    }

    void indexesOutsideTheSetGiveNoPicture()
    {
        for (int index : {-1, 57, 1000, INT_MIN, INT_MAX})
            QVERIFY(panelFrame(index).isNull());
        for (int panel : {-1, 3, INT_MAX})
            QVERIFY(panelRestingPicture(panel).isNull());
    }
};

QTEST_MAIN(TestPanelArt)
#include "test_panel_art.moc"
