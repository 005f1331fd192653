// The score page's banner carries its strap line in the chosen language,
// drawn at a readable size and never over the figure beside it.
#include "i18n/Catalogue.h"
#include "score/art/Banner.h"

#include <QImage>
#include <QTest>

using namespace tarnwick;

class TestBanner : public QObject {
    Q_OBJECT
private slots:
    void everyLanguagesStrapLineFitsReadably()
    {
        for (int language = 1; language <= 5; ++language) {
            const QString line = CatalogueText(language, 30);
            QVERIFY(!line.isEmpty());
            QVERIFY2(strapLineFontSize(line) >= 9, qPrintable(line));
            const QImage plain = bannerPicture(QString()).toImage();
            const QImage lettered = bannerPicture(line).toImage();
            QCOMPARE(lettered.size(), QSize(kBannerWidth, kBannerHeight));
            QVERIFY2(lettered != plain, qPrintable(line));
        }
    }

    void aLineTooLongIsCutShortBeforeTheFigure()
    {
        const QString tooLong = QStringLiteral("wide words ").repeated(20);
        QCOMPARE(strapLineFontSize(tooLong), 0);
        const QImage plain = bannerPicture(QString()).toImage();
        const QImage lettered = bannerPicture(tooLong).toImage();
        QVERIFY(lettered != plain);
        // the sound-to-key figure starts at x 334
        QCOMPARE(lettered.copy(332, 0, kBannerWidth - 332, kBannerHeight), plain.copy(332, 0, kBannerWidth - 332, kBannerHeight));
    }
};

QTEST_MAIN(TestBanner)
#include "test_banner.moc"
