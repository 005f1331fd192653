// The enabling rules of the cleansing options, as the dialog shows a record
// and as the user then changes one control; and the editor's category rules.
#include "EditorHelpers.h"
#include "core/ProgramState.h"
#include "maintenance/PurvexOptionsBox.h"
#include "maintenance/TfrmDataFile.h"
#include "maintenance/TfrmPurvex.h"

#include <QCheckBox>
#include <QComboBox>
#include <QRadioButton>
#include <QTest>

using namespace tarnwick;
using namespace tarnwick::testing;

namespace {

// "line=value;line=value" over a record of zeros.
QStringList recordWith(const QString &category, const QString &overrides)
{
    QStringList r = scoreRecord("Item one", "Item two", category);
    for (const QString &pair : overrides.split(u';', Qt::SkipEmptyParts)) {
        const QStringList kv = pair.split(u'=');
        r[kv[0].toInt()] = kv[1];
    }
    return r;
}

// Applies "tick:name", "untick:name" or "select:name" actions in order.
void act(QWidget *window, const QString &actions)
{
    for (const QString &action : actions.split(u';', Qt::SkipEmptyParts)) {
        const QStringList parts = action.split(u':');
        auto *button = window->findChild<QAbstractButton *>(parts[1]);
        QVERIFY2(button, qPrintable(parts[1]));
        button->setChecked(parts[0] != QLatin1String("untick"));
    }
}

// Checks "name=EC" pairs: E is e/d (enabled/disabled), C is x/o (ticked/clear), '.' for either.
void expect(QWidget *window, const QString &states)
{
    for (const QString &pair : states.split(u' ', Qt::SkipEmptyParts)) {
        const QStringList kv = pair.split(u'=');
        auto *w = window->findChild<QWidget *>(kv[0]);
        QVERIFY2(w, qPrintable(kv[0]));
        const QString what = kv[1];
        if (what[0] != u'.')
            QVERIFY2(w->isEnabled() == (what[0] == u'e'), qPrintable(pair));
        if (what.size() > 1 && what[1] != u'.') {
            auto *button = qobject_cast<QAbstractButton *>(w);
            QVERIFY2(button && button->isChecked() == (what[1] == u'x'), qPrintable(pair));
        }
    }
}

}  // namespace

class TestOptionRules : public QObject {
    Q_OBJECT
private slots:
    void purvexRules_data()
    {
        QTest::addColumn<QString>("category");
        QTest::addColumn<QString>("record");
        QTest::addColumn<QString>("actions");
        QTest::addColumn<QString>("states");
        const QString names = ScoreRecord::kName, business = ScoreRecord::kBusiness, address = ScoreRecord::kAddress;
        QTest::newRow("Names record with Elaborate, as stored") << names << "3=2;4=1" << ""
            << "chkElaborate=ex chkAbbreviate=do chkExclude=do chkNormalise=do chkName=ex";
        QTest::newRow("Business record") << business << "9=1" << ""
            << "chkName=do chkNamePrefix=do chkNameSuffix=do chkOccupations=do chkPostalElements=do chkCountries=do "
               "chkNumbering=eo chkBusiness=ex";
        QTest::newRow("Address record") << address << "10=1" << ""
            << "chkName=do chkNumbering=do chkBusiness=do chkPostalElements=ex chkCountries=eo";
        QTest::newRow("element of another category is cleared") << business << "4=1;10=1" << ""
            << "chkName=d. chkPostalElements=dx";
        QTest::newRow("Abbreviate ticked") << names << "" << "tick:chkAbbreviate"
            << "chkElaborate=do chkExclude=do chkNormalise=do chkName=eo";
        QTest::newRow("Abbreviate unticked again") << names << "3=1" << "untick:chkAbbreviate"
            << "chkElaborate=eo chkExclude=eo chkNormalise=eo chkAbbreviate=eo";
        QTest::newRow("Exclude ticked") << business << "" << "tick:chkExclude"
            << "chkAbbreviate=do chkElaborate=do chkNormalise=do chkName=do";
        QTest::newRow("Normalise ticked") << address << "" << "tick:chkNormalise"
            << "chkAbbreviate=do chkElaborate=do chkExclude=do";
        QTest::newRow("Names: ticking Elaborate clears Name") << names << "4=1" << "tick:chkElaborate" << "chkName=eo";
        QTest::newRow("Names: unticking Elaborate keeps Name") << names << "3=2;4=1" << "untick:chkElaborate" << "chkName=ex";
        QTest::newRow("Names: Elaborate off and on again") << names << "3=2;4=1" << "untick:chkElaborate;tick:chkElaborate"
            << "chkName=eo";
        QTest::newRow("Custom Transform selected") << names << "17=1" << "select:radCustomTransform"
            << "chkKeepDelimiter=do chkDistinctWords=eo chkMatchCase=eo";
        QTest::newRow("Custom Exclude selected again") << names << "12=1;15=1;16=1" << "select:radCustomExclude"
            << "chkKeepDelimiter=eo chkDistinctWords=do chkMatchCase=do";
        QTest::newRow("stored Match Case shown though disabled") << names << "16=1" << ""
            << "radCustomExclude=ex chkMatchCase=dx chkKeepDelimiter=eo";
        QTest::newRow("custom mode other than 0 or 1 keeps Exclude") << names << "12=2" << "" << "radCustomExclude=ex";
        QTest::newRow("method other than 1 to 4 ticks none") << names << "3=12" << ""
            << "chkAbbreviate=eo chkElaborate=eo chkExclude=eo chkNormalise=eo";
        QTest::newRow("drop-downs follow their boxes") << names << "18=1;22=1" << "tick:chkSearchForPattern;untick:chkDetermineGender"
            << "cboCaseChange=e cboSearchForPattern=e cboDetermineGender=d";
        QTest::newRow("drop-downs disabled when off") << names << "" << "" << "cboCaseChange=d cboSearchForPattern=d cboDetermineGender=d";
    }
    void purvexRules()
    {
        QFETCH(QString, category);
        QFETCH(QString, record);
        QFETCH(QString, actions);
        QFETCH(QString, states);
        WorkingFolder w;
        ProgramState state;
        state.CurrentRecord = TextLines(recordWith(category, record));
        TfrmPurvex dialog(state, [category] { return category; });
        dialog.FormActivate();
        act(&dialog, actions);
        expect(&dialog, states);
        QVERIFY(w.boxes.isEmpty());
    }

    void editorCategoryRules_data()
    {
        QTest::addColumn<QString>("record");
        QTest::addColumn<QString>("actions");
        QTest::addColumn<QString>("states");
        QTest::newRow("Business selected") << "4=1;5=1;10=1" << "select:radBusiness"
            << "chkName=do chkNamePrefix=do chkNameSuffix=do chkOccupations=do chkPostalElements=do chkCountries=do "
               "chkNumbering=eo chkBusiness=eo";
        QTest::newRow("Names with Abbreviate shown") << "3=1;4=1" << "" << "chkAbbreviate=ex chkName=ex";
        QTest::newRow("Names selected again changes nothing") << "3=1;4=1" << "select:radNames" << "chkName=ex";
        QTest::newRow("Business then Names disables Name") << "3=1;4=1" << "select:radBusiness;select:radNames"
            << "chkName=do chkNamePrefix=eo chkNumbering=do";
        QTest::newRow("Abbreviate ticked in the form") << "" << "tick:chkAbbreviate" << "chkName=eo chkElaborate=do";
    }
    void editorCategoryRules()
    {
        QFETCH(QString, record);
        QFETCH(QString, actions);
        QFETCH(QString, states);
        WorkingFolder w;
        w.write(kEnglishFile, recordWith(ScoreRecord::kName, record));
        CurrentLanguage = 1;
        TfrmDataFile dialog;
        dialog.FormActivate();
        act(&dialog, actions);
        expect(&dialog, states);
        QVERIFY(w.boxes.isEmpty());
    }
};

QTEST_MAIN(TestOptionRules)
#include "test_option_rules.moc"
