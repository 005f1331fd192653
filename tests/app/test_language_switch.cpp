// Switching the language re-labels the main window, reloads the score lists
// and shows that language's About text; a missing score file stops it all.
#include "../support/FakeEngine.h"
#include "../support/TestFiles.h"

#include "app/LanguagePage.h"
#include "app/TForm1.h"
#include "i18n/Catalogue.h"
#include "score/ScorePage.h"
#include "score/art/Banner.h"

#include <QComboBox>
#include <QImage>
#include <QLabel>
#include <QTabWidget>
#include <QTest>
#include <QTextEdit>
#include <QToolButton>

using namespace tarnwick;
using namespace tarnwick::testing;

namespace {

QString text(const TForm1 &form, const char *name)
{
    if (auto *b = form.findChild<QAbstractButton *>(QLatin1String(name)))
        return b->text();
    return form.findChild<QLabel *>(QLatin1String(name))->text();
}

}  // namespace

class TestLanguageSwitch : public QObject {
    Q_OBJECT
private slots:
    void init() { CurrentLanguage = CatalogueLanguage = 1; }

    void eachLanguageRelabelsTheMainWindow()
    {
        WorkingFolder wf;
        const char suffix[] = "EFGIS";
        for (int l = 0; l < 5; ++l)
            wf.write(QStringLiteral("ScoreData%1.dta").arg(QLatin1Char(suffix[l])),
                     scoreRecord(QStringLiteral("pair %1").arg(l + 1), "x", "Name"));
        wf.write(QStringLiteral("DemoData.dta"), {});
        FakeEngine engine;
        TForm1 form(engine);
        form.FormActivate();
        QImage previousBanner;
        for (int language : {2, 3, 4, 5, 1}) {
            form.languagePage()->button(language)->click();
            QCOMPARE(CurrentLanguage, language);
            QCOMPARE(CatalogueLanguage, language);
            QCOMPARE(form.windowTitle(), CatalogueText(language, 2));
            for (int tab = 0; tab < 4; ++tab)
                QCOMPARE(form.pages()->tabText(tab), CatalogueText(language, QList<int>{3, 4, 5, 12}[tab]));
            QCOMPARE(text(form, "sbFrench"), CatalogueText(language, 8));
            QCOMPARE(text(form, "Label19"), CatalogueText(language, 11));
            QCOMPARE(text(form, "Label12"), CatalogueText(language, 35));
            QCOMPARE(text(form, "sbProcess"), CatalogueText(language, 23));
            QCOMPARE(text(form, "lblGender2"), CatalogueText(language, 26) + " 2 : " + CatalogueText(language, 27));
            QCOMPARE(text(form, "lblPattern1"), CatalogueText(language, 28) + " 1 : " + CatalogueText(language, 29));
            QCOMPARE(form.findChild<QLabel *>("lblGender1")->toolTip(), CatalogueText(language, 40));
            QCOMPARE(form.findChild<QComboBox *>("cboInitialData1")->itemText(0), QStringLiteral("pair %1").arg(language));
            // The banner's strap line is set in the chosen language.
            const QImage banner = form.findChild<QLabel *>("imgBanner")->pixmap().toImage();
            QCOMPARE(banner, bannerPicture(CatalogueText(language, 30)).toImage());
            QVERIFY(banner != previousBanner);
            previousBanner = banner;
            const char *about[] = {"reEnglish", "reFrench", "reGerman", "reItalian", "reSpanish"};
            for (int i = 0; i < 5; ++i)
                QCOMPARE(form.findChild<QTextEdit *>(QLatin1String(about[i]))->isHidden(), i + 1 != language);
            // The legal notice is wrapped into several lines, none of them empty but a last one.
            const QString legal = form.findChild<QTextEdit *>("RichEdit1")->toPlainText();
            QVERIFY(legal.count(QLatin1Char('\n')) >= 2);
            QCOMPARE(legal.simplified(), CatalogueText(language, 1).simplified());
        }
        QVERIFY(wf.boxes.isEmpty());
    }

    void switchRescoresTheInitialPair()
    {
        WorkingFolder wf;
        wf.write(QStringLiteral("ScoreDataE.dta"), scoreRecord("Ann", "Bob", "Name"));
        wf.write(QStringLiteral("ScoreDataF.dta"), scoreRecord("Zoé", "Zoé", "Name"));
        wf.write(QStringLiteral("DemoData.dta"), {});
        FakeEngine engine;
        TForm1 form(engine);
        form.FormActivate();
        QCOMPARE(form.state().TargetScores[InitialDataScore], 10);
        form.languagePage()->button(2)->click();
        QCOMPARE(form.state().TargetScores[InitialDataScore], 100);
    }

    void pressingTheButtonThatIsDownReloads()
    {
        WorkingFolder wf;
        wf.write(QStringLiteral("ScoreDataE.dta"), scoreRecord("a", "b", "Name") + scoreRecord("c", "d", "Name"));
        wf.write(QStringLiteral("DemoData.dta"), {});
        FakeEngine engine;
        TForm1 form(engine);
        form.FormActivate();
        auto *cbo1 = form.findChild<QComboBox *>("cboInitialData1");
        cbo1->setCurrentIndex(1);
        emit cbo1->activated(1);
        QCOMPARE(form.state().CurrentRecord.at(0), QStringLiteral("c"));
        form.languagePage()->button(1)->click();
        QCOMPARE(cbo1->currentIndex(), 0);
        QCOMPARE(form.state().CurrentRecord.at(0), QStringLiteral("a"));
    }
};

QTEST_MAIN(TestLanguageSwitch)
#include "test_language_switch.moc"
