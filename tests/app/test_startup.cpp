// Start-up of the main window against good, missing and malformed data files,
// the language timer, and the engine's release at the end.
#include "../support/FakeEngine.h"
#include "../support/TestFiles.h"

#include "app/LanguagePage.h"
#include "app/TForm1.h"
#include "core/LineScrambler.h"
#include "score/ScorePage.h"
#include "widgets/ProgramLook.h"

#include <QComboBox>
#include <QStyle>
#include <QTabWidget>
#include <QTest>
#include <QToolButton>

using namespace tarnwick;
using namespace tarnwick::testing;

namespace {

QStringList items(const TForm1 &form, const char *list)
{
    const auto *cbo = form.findChild<QComboBox *>(QLatin1String(list));
    QStringList out;
    for (int i = 0; i < cbo->count(); ++i)
        out.append(cbo->itemText(i));
    return out;
}

void writeGoodFiles(const WorkingFolder &wf)
{
    wf.write(QStringLiteral("ScoreDataE.dta"),
             scoreRecord("William Smith", "Bill Smyth", "Name") + scoreRecord("Acme Ltd", "Acme Limited", "Business") +
                 scoreRecord("Kate Brown", "Catherine Braun", "Name"));
    wf.write(QStringLiteral("DemoData.dta"), QStringList(15, QStringLiteral("x")));
}

}  // namespace

class TestStartup : public QObject {
    Q_OBJECT
private slots:
    void init()
    {
        CurrentLanguage = 1;
        CatalogueLanguage = 1;
    }

    void startsOnLanguagePageWithNamePairs()
    {
        WorkingFolder wf;
        writeGoodFiles(wf);
        FakeEngine engine;
        {
            TForm1 form(engine);
            QVERIFY(wf.boxes.isEmpty());
            QCOMPARE(form.pages()->currentIndex(), 0);
            QVERIFY(form.languagePage()->button(1)->isChecked());
            QCOMPARE(items(form, "cboInitialData1"), (QStringList{"William Smith", "Kate Brown"}));
            QCOMPARE(items(form, "cboInitialData2"), (QStringList{"Bill Smyth", "Catherine Braun"}));
            QCOMPARE(form.state().CurrentRecord.at(0), QStringLiteral("William Smith"));
            QCOMPARE(form.state().TargetScores[InitialDataScore], 10);
            QVERIFY(engine.calls.contains(QStringLiteral("MatchIt(William Smith,Bill Smyth)")));

            form.FormActivate();
            QCOMPARE(form.windowTitle(), QStringLiteral("Tarnwick International Demo"));
            QCOMPARE(form.pages()->tabText(1), QStringLiteral("DataPurvex Process"));
            QCOMPARE(items(form, "cboInitialData1").size(), 2);
            QCOMPARE(engine.finishCount, 0);
        }
        QCOMPARE(engine.finishCount, 1);
    }

    void missingDemoDataReportsOnceAndOpens()
    {
        WorkingFolder wf;
        writeGoodFiles(wf);
        QFile::remove(wf.path(QStringLiteral("DemoData.dta")));
        FakeEngine engine;
        TForm1 form(engine);
        QCOMPARE(wf.boxTexts(), QStringList{QStringLiteral("Cannot open file DemoData.dta.")});
        QCOMPARE(wf.boxes.first().title, QStringLiteral("Tarnwick International Demo"));
        QCOMPARE(wf.boxes.first().icon, Messages::Icon::Stop);
        // The remaining start-up steps were skipped; the first activation fills the lists.
        QVERIFY(items(form, "cboInitialData1").isEmpty());
        QCOMPARE(form.state().TargetScores[InitialDataScore], 0);
        form.FormActivate();
        QCOMPARE(items(form, "cboInitialData1").size(), 2);
        QCOMPARE(wf.boxes.size(), 1);
    }

    void missingScoreFileLeavesCaptionsAlone()
    {
        WorkingFolder wf;
        writeGoodFiles(wf);
        FakeEngine engine;
        TForm1 form(engine);
        form.FormActivate();
        QFile::remove(wf.path(QStringLiteral("ScoreDataF.dta")));
        form.languagePage()->button(2)->click();
        QCOMPARE(wf.boxTexts(), QStringList{QStringLiteral("Cannot open file ScoreDataF.dta.")});
        QCOMPARE(CurrentLanguage, 2);
        QCOMPARE(form.pages()->tabText(1), QStringLiteral("DataPurvex Process"));
        QCOMPARE(items(form, "cboInitialData1").size(), 2);  // the English lists stay
    }

    void malformedScoreFiles_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QStringList>("firstItems");
        const QByteArray rec = encodeDtaLines(scoreRecord("Ann Lee", "Anne Leigh", "Name"));
        const QByteArray lower = encodeDtaLines(scoreRecord("Lower", "Case", "name"));
        QTest::newRow("empty file") << QByteArray() << QStringList{};
        QTest::newRow("fewer than 28 lines") << encodeDtaLines(scoreRecord("Ann", "Anne", "Name").mid(0, 27)) << QStringList{};
        QTest::newRow("trailing lines ignored") << rec + encodeDtaLines({"extra", "1"}) << QStringList{"Ann Lee"};
        QTest::newRow("category in the wrong case") << lower + rec << QStringList{"Ann Lee"};
        QTest::newRow("last line without break") << rec.chopped(2) << QStringList{"Ann Lee"};
        QByteArray withNul = rec + rec;
        withNul.insert(rec.size() + 3, '\0');  // inside the second record's first line
        QTest::newRow("NUL ends the text") << withNul << QStringList{"Ann Lee"};
    }
    void malformedScoreFiles()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QStringList, firstItems);
        WorkingFolder wf;
        writeGoodFiles(wf);
        writeRaw(wf.path(QStringLiteral("ScoreDataE.dta")), bytes);
        FakeEngine engine;
        TForm1 form(engine);
        QVERIFY(wf.boxes.isEmpty());
        QCOMPARE(items(form, "cboInitialData1"), firstItems);
        if (firstItems.isEmpty()) {
            QVERIFY(form.state().CurrentRecord.isEmpty());
            QCOMPARE(form.findChild<QComboBox *>(QStringLiteral("cboInitialData1"))->currentIndex(), -1);
        }
    }

    void engineLanguageFollowsOnlyOnLanguagePage()
    {
        WorkingFolder wf;
        writeGoodFiles(wf);
        wf.write(QStringLiteral("ScoreDataG.dta"), scoreRecord("Josef Müller", "Sepp Mueller", "Name"));
        FakeEngine engine;
        TForm1 form(engine);
        form.FormActivate();
        QCOMPARE(form.EngineLanguage(), 0);
        form.tmrFlagTimer();
        QCOMPARE(form.EngineLanguage(), 1);
        form.languagePage()->button(3)->click();
        form.pages()->setCurrentIndex(1);
        form.tmrFlagTimer();
        QCOMPARE(form.EngineLanguage(), 1);
        form.pages()->setCurrentIndex(0);
        form.tmrFlagTimer();
        QCOMPARE(form.EngineLanguage(), 3);
        QCOMPARE(items(form, "cboInitialData1"), QStringList{QStringLiteral("Josef Müller")});
    }

    // The look main() sets up: a hint shows after the pointer rests 1000 ms,
    // on every control of the windows, not Qt's 700 ms.
    void toolTipsWaitOneSecond()
    {
        ui::applyProgramLook();
        WorkingFolder wf;
        writeGoodFiles(wf);
        FakeEngine engine;
        TForm1 form(engine);
        for (const char *name : {"sbProcess", "imgPurvex", "sbEnglish", "sgDemo"}) {
            const QWidget *w = form.findChild<QWidget *>(QLatin1String(name));
            QVERIFY2(w, name);
            QCOMPARE(w->style()->styleHint(QStyle::SH_ToolTip_WakeUpDelay, nullptr, w), 1000);
        }
    }
};

QTEST_MAIN(TestStartup)
#include "test_startup.moc"
