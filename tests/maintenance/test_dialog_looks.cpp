// In every language, no caption of the three dialogs is wider than its
// control and no two controls overlap. With TARNWICK_SHOTS_DIR set, each
// dialog is also saved there as a PNG for a look by eye.
#include "EditorHelpers.h"
#include "core/ProgramState.h"
#include "maintenance/TfrmDataFile.h"
#include "maintenance/TfrmPurvex.h"
#include "maintenance/TfrmSonabel.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QTest>

using namespace tarnwick;
using namespace tarnwick::testing;

namespace {

void checkLayout(QWidget *dialog, int language)
{
    const QString where = QStringLiteral("%1 in language %2: ").arg(dialog->objectName()).arg(language);
    for (QWidget *w : dialog->findChildren<QWidget *>()) {
        if (!w->isVisibleTo(dialog) || w->objectName().isEmpty() || w->objectName().startsWith(u"qt_"))
            continue;
        int needed = 0;
        if (auto *p = qobject_cast<QPushButton *>(w))
            needed = p->fontMetrics().horizontalAdvance(p->text()) + 12;
        else if (auto *b = qobject_cast<QAbstractButton *>(w); b && !b->text().isEmpty())
            needed = b->sizeHint().width();
        else if (auto *l = qobject_cast<QLabel *>(w))
            needed = l->sizeHint().width();
        else if (auto *g = qobject_cast<QGroupBox *>(w))
            needed = g->fontMetrics().horizontalAdvance(g->title()) + 16;
        else if (auto *c = qobject_cast<QComboBox *>(w))
            for (int i = 0; i < c->count(); ++i)
                needed = qMax(needed, c->fontMetrics().horizontalAdvance(c->itemText(i)) + 24);
        QVERIFY2(needed <= w->width(), qPrintable(where + w->objectName() + QStringLiteral(" needs %1 px, has %2").arg(needed).arg(w->width())));
        // Named siblings never overlap, and every control lies inside its parent.
        QVERIFY2(QRect(QPoint(), w->parentWidget()->size()).contains(w->geometry()), qPrintable(where + w->objectName() + " sticks out"));
        for (QWidget *other : w->parentWidget()->findChildren<QWidget *>(Qt::FindDirectChildrenOnly)) {
            if (other == w || other->objectName().isEmpty() || other->objectName().startsWith(u"qt_") || !other->isVisibleTo(dialog))
                continue;
            QVERIFY2(!w->geometry().intersects(other->geometry()), qPrintable(where + w->objectName() + " overlaps " + other->objectName()));
        }
    }
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
        QCOMPARE(purvex.findChild<QComboBox *>("cboCaseChange")->itemText(0), QStringLiteral("Casse mixte"));
        QCOMPARE(purvex.windowTitle(), QStringLiteral("Configuration Purvex"));
        QCOMPARE(editor.sgScore->cell(0, 1), QStringLiteral("\u00C9l\u00E9ment 1"));
        QCOMPARE(editor.sgScore->cell(0, 3), QStringLiteral("Cat\u00E9gorie"));
        QCOMPARE(editor.findChild<QWidget *>("sbAmend")->toolTip(), QStringLiteral("Modifier un enregistrement"));
        // Both Business boxes carry the same hint.
        QCOMPARE(editor.findChild<QWidget *>("chkBusiness")->toolTip(), purvex.findChild<QWidget *>("chkBusiness")->toolTip());
        QVERIFY(!purvex.findChild<QWidget *>("chkBusiness")->toolTip().isEmpty());
    }
};

QTEST_MAIN(TestDialogLooks)
#include "test_dialog_looks.moc"
