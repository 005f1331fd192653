// The score page at work: item lists, gauges, panel animations and the
// Process sequence, with the timers sped up.
#include "../support/FakeEngine.h"
#include "../support/TestFiles.h"

#include "app/TForm1.h"
#include "score/ScorePage.h"
#include "widgets/Gauge.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>
#include <QToolButton>

using namespace tarnwick;
using namespace tarnwick::testing;

namespace {

struct Fixture {
    WorkingFolder wf;
    FakeEngine engine;
    std::unique_ptr<TForm1> form;
    ScorePage *page = nullptr;

    explicit Fixture(const QStringList &scoreLines)
    {
        wf.write(QStringLiteral("ScoreDataE.dta"), scoreLines);
        wf.write(QStringLiteral("DemoData.dta"), {});
        form = std::make_unique<TForm1>(engine);
        page = form->scorePage();
        page->setTimerIntervals(0, 0);
        form->pages()->setCurrentIndex(1);
    }
    template <typename T>
    T *child(const char *name) const
    {
        return form->findChild<T *>(QLatin1String(name));
    }
};

QStringList threeNames()
{
    return scoreRecord("Ann Lee", "Anne Leigh", "Name") + scoreRecord("Bob Ray", "Robert Rae", "Name") +
           scoreRecord("Cy Fox", "Cyrus Foxe", "Name");
}

}  // namespace

class TestScorePage : public QObject {
    Q_OBJECT
private slots:
    void init() { CurrentLanguage = CatalogueLanguage = 1; }

    void pickingInSecondListMovesFirstAndLoadsThatRecord()
    {
        Fixture f(threeNames());
        auto *cbo1 = f.child<QComboBox>("cboInitialData1");
        auto *cbo2 = f.child<QComboBox>("cboInitialData2");
        cbo2->setCurrentIndex(2);
        emit cbo2->activated(2);
        QCOMPARE(cbo1->currentIndex(), 2);
        QCOMPARE(f.form->state().CurrentRecord.at(0), QStringLiteral("Cy Fox"));
        QCOMPARE(f.form->state().TargetScores[InitialDataScore], 10);
        QVERIFY(f.engine.calls.contains(QStringLiteral("MatchIt(Cy Fox,Cyrus Foxe)")));
    }

    void typingKeepsThePreviousRecordAndRescores()
    {
        Fixture f(threeNames());
        f.form->state().CurrentRecord.set(3, QStringLiteral("4"));  // as an option dialog would
        auto *cbo1 = f.child<QComboBox>("cboInitialData1");
        cbo1->setEditText(QStringLiteral("Anne Leigh"));
        QCOMPARE(f.form->state().CurrentRecord.at(3), QStringLiteral("4"));
        QCOMPARE(f.form->state().TargetScores[InitialDataScore], 100);
        QTRY_COMPARE(f.form->state().ShownScores[InitialDataScore], 100);
    }

    void gaugesStepOneUnitOnThePageAndJumpOffIt()
    {
        Fixture f(threeNames());
        auto &s = f.form->state();
        s.ShownScores = {5, 0, 0};
        s.TargetScores = {3, 2, 0};
        f.page->tmrScoreTimer();
        QCOMPARE(s.ShownScores, (std::array<int, 3>{4, 1, 0}));
        QCOMPARE(f.child<ui::Gauge>("ggeDataScore")->progress(), 4);
        f.form->pages()->setCurrentIndex(0);
        f.page->tmrScoreTimer();
        QCOMPARE(s.ShownScores, (std::array<int, 3>{3, 2, 0}));
    }

    void animationShowsNineteenFramesOnThePageAndRestsOffIt()
    {
        Fixture f(threeNames());
        QSignalSpy frames(f.page, &ScorePage::frameDrawn);
        f.page->PanelAnimation = 1;
        f.page->PlayPanelAnimation();
        QCOMPARE(frames.size(), 19);
        QCOMPARE(frames.first().at(1).toInt(), 20);
        QCOMPARE(frames.at(17).at(1).toInt(), 37);
        QCOMPARE(frames.last().at(1).toInt(), 19);  // the resting picture
        frames.clear();
        f.form->pages()->setCurrentIndex(2);
        f.page->PlayPanelAnimation();
        QCOMPARE(frames.size(), 1);
        QCOMPARE(frames.first().at(1).toInt(), 19);
    }

    void processRunsStagesAndAnimationsInOrder()
    {
        Fixture f(threeNames());
        QStringList rests;
        bool lockedDuringRun = true;
        QObject::connect(f.page, &ScorePage::frameDrawn, [&](int panel, int frame) {
            if (frame == 19 * panel)
                rests << QString::number(panel);
            lockedDuringRun = lockedDuringRun && !f.child<QPushButton>("sbProcess")->isEnabled() &&
                              !f.child<QComboBox>("cboInitialData2")->isEnabled() &&
                              !f.form->pages()->tabBar()->isEnabled();
        });
        f.child<QPushButton>("sbProcess")->click();
        QCOMPARE(rests, (QStringList{"0", "2", "1", "2"}));
        QVERIFY(lockedDuringRun);
        QVERIFY(f.child<QPushButton>("sbProcess")->isEnabled());
        QVERIFY(f.child<QToolButton>("sbNames")->isEnabled());
        QVERIFY(f.form->pages()->tabBar()->isEnabled());
        QCOMPARE(f.child<QLineEdit>("txtPurvex1")->text(), QStringLiteral("Ann Lee"));
        QCOMPARE(f.child<QLineEdit>("txtSonabel2")->text(), QStringLiteral("ANNE LEIGH"));
        QCOMPARE(f.form->state().ShownScores, f.form->state().TargetScores);
        QVERIFY(f.wf.boxes.isEmpty());
    }

    void failingProcessReportsAndLeavesNothingDisabled()
    {
        Fixture f(scoreRecord("Acme", "Acme Ltd", "Business"));  // no Name record: nothing loaded
        QVERIFY(f.form->state().CurrentRecord.isEmpty());
        f.child<QPushButton>("sbProcess")->click();
        QCOMPARE(f.wf.boxTexts(), QStringList{QStringLiteral("List index out of bounds (20).")});
        for (const char *name : {"sbProcess", "sbDataFile", "sbNames", "sbBusiness", "sbAddress"})
            QVERIFY2(f.child<QWidget>(name)->isEnabled(), name);
        QVERIFY(f.child<QComboBox>("cboInitialData1")->isEnabled());
        QVERIFY(f.form->pages()->tabBar()->isEnabled());
    }

    void closingDuringProcessEndsItQuietly()
    {
        Fixture f(threeNames());
        QObject::connect(f.page, &ScorePage::frameDrawn, f.form.get(), [&](int panel, int frame) {
            if (panel == 2 && frame == 38)
                f.form->close();
        });
        f.child<QPushButton>("sbProcess")->click();
        QVERIFY(f.wf.boxes.isEmpty());
        QVERIFY(f.child<QLineEdit>("txtSonabel1")->text().isEmpty());  // the phonetic stage never ran
    }

    void categoryButtonsReloadAndRescore()
    {
        Fixture f(threeNames() + scoreRecord("Acme Ltd", "Acme Limited", "Business"));
        f.child<QToolButton>("sbBusiness")->click();
        QCOMPARE(f.child<QComboBox>("cboInitialData1")->itemText(0), QStringLiteral("Acme Ltd"));
        QCOMPARE(f.child<QComboBox>("cboInitialData1")->count(), 1);
        QCOMPARE(f.page->categoryOfDownButton(), QStringLiteral("Business"));
        f.child<QToolButton>("sbAddress")->click();
        QCOMPARE(f.child<QComboBox>("cboInitialData1")->count(), 0);
        QCOMPARE(f.form->state().CurrentRecord.at(0), QStringLiteral("Acme Ltd"));  // kept: nothing to load
    }
};

QTEST_MAIN(TestScorePage)
#include "test_score_page.moc"
