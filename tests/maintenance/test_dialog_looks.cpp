// In every language, no caption of the three dialogs is wider than its
// control and no two controls overlap. With TARNWICK_SHOTS_DIR set, each
// dialog is also saved there as a PNG for a look by eye.
#include "EditorHelpers.h"
#include "LayoutCheck.h"
#include "core/ProgramState.h"
#include "maintenance/TfrmDataFile.h"
#include "maintenance/TfrmPurvex.h"
#include "maintenance/TfrmSonabel.h"

#include <QComboBox>
#include <QDir>
#include <QTest>

using namespace tarnwick;
using namespace tarnwick::testing;

namespace {

void checkLayout(QWidget *dialog, int language)
{
    QStringList problems;
    for (const layout::Finding &f : layout::faults(layout::check(dialog)))
        problems.append(f.describe());
    QVERIFY2(problems.isEmpty(), qPrintable(QStringLiteral("%1 in language %2:\n").arg(dialog->objectName()).arg(language) +
                                            problems.join(QLatin1Char('\n'))));
}

void shoot(QWidget *dialog, int language)
{
    const QString dir = qEnvironmentVariable("TARNWICK_SHOTS_DIR");
    if (dir.isEmpty())
        return;
    QDir().mkpath(dir);
    dialog->grab().save(QStringLiteral("%1/%2-%3.png").arg(dir, dialog->objectName()).arg(language));
}

}  // namespace

class TestDialogLooks : public QObject {
    Q_OBJECT
private slots:
    void captionsFitInEveryLanguage()
    {
        WorkingFolder w;
        QStringList lines = numberedRecords(4);
        lines[ScoreRecord::Item1] = QStringLiteral("Gwenllian Ap Rhys-Carrow");
        w.write(kEnglishFile, lines);
        ProgramState state;
        state.CurrentRecord = TextLines(lines.mid(0, 28));
        TfrmPurvex purvex(state, [] { return ScoreRecord::kBusiness; });
        TfrmSonabel sonabel(state);
        TfrmDataFile editor;
        for (int language = 1; language <= kLanguageCount; ++language) {
            CurrentLanguage = CatalogueLanguage = language;
            for (ui::FixedDialog *dialog : std::initializer_list<ui::FixedDialog *>{&purvex, &sonabel, &editor}) {
                dialog->applyLanguage(language);
                dialog->show();
                QVERIFY(QTest::qWaitForWindowExposed(dialog));
                checkLayout(dialog, language);
                shoot(dialog, language);
                dialog->hide();
            }
            w.write(QStringLiteral("ScoreDataF.dta"), lines);
            w.write(QStringLiteral("ScoreDataG.dta"), lines);
            w.write(QStringLiteral("ScoreDataI.dta"), lines);
            w.write(QStringLiteral("ScoreDataS.dta"), lines);
        }
        CurrentLanguage = CatalogueLanguage = 1;
    }

    void relabellingKeepsListsAndSelections()
    {
        WorkingFolder w;
        ProgramState state;
        TfrmPurvex purvex(state, [] { return ScoreRecord::kName; });
        TfrmDataFile editor;
        auto *patterns = purvex.findChild<QComboBox *>("cboSearchForPattern");
        patterns->setCurrentIndex(2);
        purvex.applyLanguage(2);
        editor.applyLanguage(2);
        QCOMPARE(patterns->count(), 4);
        QCOMPARE(patterns->currentIndex(), 2);
        QCOMPARE(patterns->currentText(), QStringLiteral("Adresse e-mail"));
        QCOMPARE(purvex.findChild<QComboBox *>("cboCaseChange")->itemText(0), QStringLiteral("Initiales en majuscule"));
        QCOMPARE(purvex.windowTitle(), QStringLiteral("Configuration Purvex"));
        QCOMPARE(editor.sgScore->cell(0, 1), QStringLiteral("\u00C9l\u00E9ment 1"));
        QCOMPARE(editor.sgScore->cell(0, 3), QStringLiteral("Cat\u00E9gorie"));
        QCOMPARE(editor.findChild<QWidget *>("sbAmend")->toolTip(), QStringLiteral("Modifier une fiche"));
        // Both Business boxes carry the same hint.
        QCOMPARE(editor.findChild<QWidget *>("chkBusiness")->toolTip(), purvex.findChild<QWidget *>("chkBusiness")->toolTip());
        QVERIFY(!purvex.findChild<QWidget *>("chkBusiness")->toolTip().isEmpty());
    }
};

QTEST_MAIN(TestDialogLooks)
#include "test_dialog_looks.moc"
