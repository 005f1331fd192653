// The score page at work: item lists, gauges, panel animations and the
// Process sequence, with the timers sped up.
#include "../support/FakeEngine.h"
#include "../support/TestFiles.h"

#include "app/TForm1.h"
#include "engine/VeskorEngine.h"
#include "score/ScorePage.h"
#include "widgets/Gauge.h"

#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>
#include <QThread>
#include <QTimer>
#include <QToolButton>

using namespace tarnwick;
using namespace tarnwick::testing;

namespace {

struct ShippedData {};

// The main window on page 1: over a fake engine with the given score records
// and timers that run as fast as they can, or over the real engine with the
// shipped data files and the timers as shipped.
template <typename EngineType>
struct PageFixture {
    WorkingFolder wf;
    EngineType engine;
    std::unique_ptr<TForm1> form;
    ScorePage *page = nullptr;

    explicit PageFixture(const QStringList &scoreLines)
    {
        wf.write(QStringLiteral("ScoreDataE.dta"), scoreLines);
        wf.write(QStringLiteral("DemoData.dta"), {});
        open();
        page->setTimerIntervals(0, 0);
    }
    explicit PageFixture(ShippedData)
    {
        for (const char *name : {"ScoreDataE.dta", "DemoData.dta"})
            QFile::copy(QStringLiteral(TARNWICK_RUN_DIR "/") + QLatin1String(name), wf.path(QLatin1String(name)));
        open();
    }
    void open()
    {
        form = std::make_unique<TForm1>(engine);
        page = form->scorePage();
        form->pages()->setCurrentIndex(1);
    }
    template <typename T>
    T *child(const char *name) const
    {
        return form->findChild<T *>(QLatin1String(name));
    }
};
using Fixture = PageFixture<FakeEngine>;

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
        bool closed = false;
        QObject::connect(f.page, &ScorePage::frameDrawn, f.form.get(), [&](int panel, int frame) {
            if (panel == 2 && frame == 38 && !closed) {
                closed = true;
                f.form->close();
            }
        });
        f.child<QPushButton>("sbProcess")->click();
        QVERIFY(closed);
        QVERIFY(f.wf.boxes.isEmpty());
        QVERIFY(f.child<QLineEdit>("txtSonabel1")->text().isEmpty());  // the phonetic stage never ran
        // Should the program go on, the page is whole again: nothing left
        // disabled, and the next Process runs to its end.
        QVERIFY(f.child<QPushButton>("sbProcess")->isEnabled());
        QVERIFY(f.form->pages()->isTabEnabled(0));
        f.child<QPushButton>("sbProcess")->click();
        QCOMPARE(f.child<QLineEdit>("txtSonabel1")->text(), QStringLiteral("ANN LEE"));
        QCOMPARE(f.form->state().ShownScores, f.form->state().TargetScores);
    }

    // While Process runs no key, mnemonic or click leaves the page, and the
    // results stay readable; the same keys change pages once it has ended.
    void noPageChangeWhileProcessRuns()
    {
        Fixture f(threeNames());
        f.form->show();
        QVERIFY(QTest::qWaitForWindowActive(f.form.get()));
        QTabWidget *pages = f.form->pages();
        pages->setTabText(2, QStringLiteral("Data &Capture Demo"));  // a tab with a mnemonic
        auto *results = f.child<QLineEdit>("txtPurvex1");
        const QStringList sequences{"Ctrl+Tab", "Ctrl+Shift+Tab", "Ctrl+PgDown", "Ctrl+PgUp", "Alt+C"};
        QList<int> pagesDuringRun;
        bool readable = false, sent = false;
        QObject::connect(f.page, &ScorePage::frameDrawn, f.form.get(), [&] {
            if (sent)
                return;
            sent = true;
            for (const QString &keys : sequences) {
                QTest::keySequence(results, QKeySequence(keys));
                pagesDuringRun << pages->currentIndex();
            }
            QTest::mouseClick(pages->tabBar(), Qt::LeftButton, {}, pages->tabBar()->tabRect(0).center());
            pagesDuringRun << pages->currentIndex();
            readable = results->isEnabled() && results->isVisible();
        });
        f.child<QPushButton>("sbProcess")->click();
        QVERIFY(sent);
        QCOMPARE(pagesDuringRun, QList<int>(sequences.size() + 1, 1));
        QVERIFY(readable);
        QCOMPARE(results->text(), QStringLiteral("Ann Lee"));

        const struct {
            const char *keys;
            int page;
        } after[] = {{"Ctrl+Tab", 2}, {"Ctrl+Shift+Tab", 1}, {"Alt+C", 2}};
        for (const auto &a : after) {
            QTest::keySequence(pages->currentWidget(), QKeySequence(QLatin1String(a.keys)));
            QCOMPARE(pages->currentIndex(), a.page);
        }
    }

    // "x" then Backspace: the gauge goes to the typed text's score and back to the entry's.
    void everyEditRescoresAlsoBackToTheEntry()
    {
        Fixture f(threeNames());
        f.engine.score = [](const QString &a, const QString &b) { return int(a.size() + b.size()); };
        auto *cbo1 = f.child<QComboBox>("cboInitialData1");
        f.page->rescoreInitialData();
        const int entryScore = f.form->state().TargetScores[InitialDataScore];
        QCOMPARE(entryScore, 17);  // "Ann Lee" + "Anne Leigh"
        cbo1->lineEdit()->end(false);
        QTest::keyClick(cbo1, Qt::Key_X);
        QCOMPARE(f.form->state().TargetScores[InitialDataScore], 18);
        QTest::keyClick(cbo1, Qt::Key_Backspace);
        QCOMPARE(cbo1->currentText(), QStringLiteral("Ann Lee"));
        QCOMPARE(f.form->state().TargetScores[InitialDataScore], entryScore);
        QTRY_COMPARE(f.child<ui::Gauge>("ggeDataScore")->progress(), entryScore);
    }

    // A held key: thousands of keys a few milliseconds apart, faster than the
    // 100 ms frames. No key waits inside another, the animation plays on, and
    // when it ends the gauge shows the score of the text as it stands.
    void heldKeyNeverStacksWaits()
    {
        PageFixture<VeskorEngine> f{ShippedData{}};
        f.form->show();
        QVERIFY(QTest::qWaitForWindowExposed(f.form.get()));
        auto *cbo1 = f.child<QComboBox>("cboInitialData1");
        auto *cbo2 = f.child<QComboBox>("cboInitialData2");
        const auto *tmrDCL = f.page->findChild<QTimer *>(QStringLiteral("tmrDCL"));
        const auto *gauge = f.child<ui::Gauge>("ggeDataScore");
        const QString entry = cbo1->currentText();
        QVERIFY(!entry.isEmpty());
        int levelAtFirstKey = -1, deepest = 0;
        QObject::connect(cbo1, &QComboBox::editTextChanged, f.form.get(), [&] {
            const int level = QThread::currentThread()->loopLevel();
            if (levelAtFirstKey < 0)
                levelAtFirstKey = level;
            deepest = qMax(deepest, level);
        });
        QSignalSpy frames(f.page, &ScorePage::frameDrawn);
        constexpr int kKeys = 1500;

        auto settledScore = [&] {
            return !tmrDCL->isActive() && f.form->state().ShownScores == f.form->state().TargetScores;
        };
        cbo1->lineEdit()->home(false);
        for (int i = 0; i < kKeys; ++i)
            QTest::keyClick(cbo1, Qt::Key_X, Qt::NoModifier, 2);
        QCOMPARE(cbo1->currentText(), QString(kKeys, QLatin1Char('x')) + entry);
        QCOMPARE(deepest, levelAtFirstKey);
        QVERIFY2(frames.size() >= 19, qPrintable(QString::number(frames.size())));  // frames went on being drawn
        QTRY_VERIFY_WITH_TIMEOUT(settledScore(), 10000);
        const int typedScore = f.engine.matchIt(cbo1->currentText(), cbo2->currentText());
        QCOMPARE(f.form->state().TargetScores[InitialDataScore], typedScore);
        QCOMPARE(gauge->progress(), typedScore);

        // Held Backspace, back to the listed entry: rescored to the entry's score.
        for (int i = 0; i < kKeys; ++i)
            QTest::keyClick(cbo1, Qt::Key_Backspace, Qt::NoModifier, 2);
        QCOMPARE(cbo1->currentText(), entry);
        QCOMPARE(deepest, levelAtFirstKey);
        QTRY_VERIFY_WITH_TIMEOUT(settledScore(), 10000);
        const int entryScore = f.engine.matchIt(entry, cbo2->currentText());
        QVERIFY(entryScore != typedScore);
        QCOMPARE(gauge->progress(), entryScore);
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
