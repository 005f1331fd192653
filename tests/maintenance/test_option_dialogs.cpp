// The two option dialogs edit CurrentRecord and nothing else: Save Changes
// writes their lines, Cancel and the close box write nothing; a record that
// is missing or holds a bad number is reported and never read past.
#include "EditorHelpers.h"
#include "core/ProgramState.h"
#include "maintenance/PurvexOptionsBox.h"
#include "maintenance/SonabelOptionsBox.h"
#include "maintenance/TfrmPurvex.h"
#include "maintenance/TfrmSonabel.h"
#include "i18n/Catalogue.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>

using namespace tarnwick;
using namespace tarnwick::testing;

namespace {

ProgramState stateWithRecord(const QStringList &record)
{
    ProgramState state;
    state.CategoryLines = TextLines(record);
    state.ScoreFileLines = TextLines(record);
    state.CurrentRecord = TextLines(record);
    return state;
}

// Runs `inside` on the dialog once it is up modally, then closes it the way `close` says.
template <typename Dialog, typename F>
int execAndClose(Dialog &dialog, F inside, const char *closeWith)
{
    QTimer::singleShot(0, [&] {
        auto *open = qobject_cast<Dialog *>(QApplication::activeModalWidget());
        QVERIFY(open == &dialog);
        inside();
        if (QByteArray(closeWith) == "close")
            open->close();
        else
            QTest::mouseClick(open->template findChild<QPushButton *>(closeWith), Qt::LeftButton);
    });
    return dialog.exec();
}

}  // namespace

class TestOptionDialogs : public QObject {
    Q_OBJECT
private slots:
    void purvexSaveWritesCurrentRecordOnly()
    {
        WorkingFolder w;
        QStringList record = scoreRecord("Lorcan Hesketh", "L. Hesketh", ScoreRecord::kName);
        record[ScoreRecord::Custom2] = "kept";
        record[ScoreRecord::DetermineGender] = "1";
        record[ScoreRecord::NameFormat] = "1";
        record[ScoreRecord::DeleteVowels] = "1";
        ProgramState state = stateWithRecord(record);
        TfrmPurvex dialog(state, [] { return ScoreRecord::kName; });
        const int result = execAndClose(dialog, [&] {
            auto *box = dialog.GroupBox1;
            QCOMPARE(box->cboDetermineGender->currentIndex(), 1);
            box->chkAbbreviate->click();
            box->chkNamePrefix->click();
            box->radCustomTransform->click();
            box->chkMatchCase->click();
            box->txtCustom1->setText("sr");
            box->chkDetermineGender->click();  // unticked: the list is disabled but keeps its position
            QVERIFY(!box->cboDetermineGender->isEnabled());
        }, "btnSaveChanges");
        QCOMPARE(result, int(QDialog::Accepted));
        QStringList expected = record;
        expected[ScoreRecord::CleansingMethod] = "1";
        expected[ScoreRecord::NamePrefix] = "1";
        expected[ScoreRecord::CustomMode] = "1";
        expected[ScoreRecord::MatchCase] = "1";
        expected[ScoreRecord::Custom1] = "sr";
        expected[ScoreRecord::DetermineGender] = "0";
        QCOMPARE(state.CurrentRecord.lines(), expected);
        QCOMPARE(state.CategoryLines.lines(), record);
        QCOMPARE(state.ScoreFileLines.lines(), record);

        // Unticking the method again writes "0"; a position outside the list writes "-1".
        state.CurrentRecord.set(ScoreRecord::Pattern, "9");
        execAndClose(dialog, [&] { dialog.GroupBox1->chkAbbreviate->click(); }, "btnSaveChanges");
        QCOMPARE(state.CurrentRecord.at(ScoreRecord::CleansingMethod), QStringLiteral("0"));
        QCOMPARE(state.CurrentRecord.at(ScoreRecord::Pattern), QStringLiteral("-1"));
        QVERIFY(w.boxes.isEmpty());
    }

    void cancelAndCloseBoxWriteNothing_data()
    {
        QTest::addColumn<QByteArray>("closeWith");
        QTest::newRow("Cancel") << QByteArray("btnCancel");
        QTest::newRow("close box") << QByteArray("close");
    }
    void cancelAndCloseBoxWriteNothing()
    {
        QFETCH(QByteArray, closeWith);
        WorkingFolder w;
        const QStringList record = scoreRecord("Hild Arkwright", "Hilda Arkwright", ScoreRecord::kName);
        ProgramState state = stateWithRecord(record);
        TfrmPurvex purvex(state, [] { return ScoreRecord::kName; });
        TfrmSonabel sonabel(state);
        QCOMPARE(execAndClose(purvex, [&] { purvex.GroupBox1->chkExclude->click(); }, closeWith.constData()), int(QDialog::Rejected));
        QCOMPARE(execAndClose(sonabel, [&] { sonabel.GroupBox1->chkCompact->click(); }, closeWith.constData()), int(QDialog::Rejected));
        QCOMPARE(state.CurrentRecord.lines(), record);
        // The next showing starts again from the record, not from the unsaved ticks.
        execAndClose(sonabel, [&] { QVERIFY(!sonabel.GroupBox1->chkCompact->isChecked()); }, "btnCancel");
        execAndClose(purvex, [&] { QVERIFY(!purvex.GroupBox1->chkExclude->isChecked()); }, "btnCancel");
    }

    void sonabelReadsAndWritesLines24To27()
    {
        WorkingFolder w;
        QStringList record = scoreRecord("Bryn Tallis", "Brynn Tallis", ScoreRecord::kBusiness);
        record[ScoreRecord::RemoveInitials] = "1";
        record[ScoreRecord::Compact] = "3";
        ProgramState state = stateWithRecord(record);
        TfrmSonabel dialog(state);
        execAndClose(dialog, [&] {
            auto *box = dialog.GroupBox1;
            QVERIFY(!box->chkDeleteVowels->isChecked());
            QVERIFY(box->chkRemoveInitials->isChecked());
            QVERIFY(!box->chkRemoveNumbers->isChecked());
            QVERIFY(box->chkCompact->isChecked());
            box->chkRemoveNumbers->click();
            box->chkRemoveInitials->click();
        }, "btnSaveChanges");
        QStringList expected = record;
        expected[ScoreRecord::RemoveInitials] = "0";
        expected[ScoreRecord::RemoveNumbers] = "1";
        expected[ScoreRecord::Compact] = "1";
        QCOMPARE(state.CurrentRecord.lines(), expected);
    }

    void shortCurrentRecord_data()
    {
        QTest::addColumn<int>("lines");
        QTest::newRow("no record yet") << 0;
        QTest::newRow("part of a record") << 10;
    }
    void shortCurrentRecord()
    {
        QFETCH(int, lines);
        WorkingFolder w;
        ProgramState state;
        state.CurrentRecord = TextLines(scoreRecord("a", "b", ScoreRecord::kName).mid(0, lines));
        const TextLines before = state.CurrentRecord;
        TfrmPurvex purvex(state, [] { return ScoreRecord::kName; });
        TfrmSonabel sonabel(state);
        sonabel.GroupBox1->chkCompact->setChecked(true);
        purvex.GroupBox1->chkAbbreviate->setChecked(true);
        execAndClose(purvex, [&] {
            QVERIFY(!purvex.btnSaveChanges->isEnabled());
            QVERIFY(!purvex.GroupBox1->chkAbbreviate->isChecked());
        }, "close");
        execAndClose(sonabel, [&] {
            QVERIFY(!sonabel.btnSaveChanges->isEnabled());
            QVERIFY(!sonabel.GroupBox1->chkCompact->isChecked());
        }, "close");
        purvex.btnSaveChangesClick();
        sonabel.btnSaveChangesClick();
        QCOMPARE(state.CurrentRecord, before);
        const QString first = lines == 0 ? QStringLiteral("3") : QStringLiteral("10");
        QCOMPARE(w.boxTexts(), (QStringList{QStringLiteral("List index out of bounds (%1).").arg(first),
                                            QStringLiteral("List index out of bounds (24).")}));
    }

    void badIntegerLine()
    {
        WorkingFolder w;
        QStringList record = scoreRecord("Sorcha Lyle", "Sorcha Lisle", ScoreRecord::kName);
        record[ScoreRecord::Name] = "1";
        record[ScoreRecord::Custom1] = "never shown";
        record[ScoreRecord::Numbering] = "x1";
        record[ScoreRecord::RemoveNumbers] = "1";
        record[ScoreRecord::RemoveInitials] = "";
        ProgramState state = stateWithRecord(record);
        TfrmPurvex purvex(state, [] { return ScoreRecord::kName; });
        TfrmSonabel sonabel(state);
        purvex.GroupBox1->txtCustom1->setText("earlier");
        sonabel.GroupBox1->chkCompact->setChecked(true);
        execAndClose(purvex, [&] {
            QVERIFY(purvex.GroupBox1->chkName->isChecked());  // before the bad line
            QCOMPARE(purvex.GroupBox1->txtCustom1->text(), QString());  // after it, as cleared
            QVERIFY(purvex.btnSaveChanges->isEnabled());
        }, "btnCancel");
        execAndClose(sonabel, [&] {
            QVERIFY(sonabel.GroupBox1->chkRemoveNumbers->isChecked());
            QVERIFY(sonabel.GroupBox1->chkCompact->isChecked());  // after it, as left before
        }, "btnCancel");
        QCOMPARE(w.boxTexts(), (QStringList{QStringLiteral("'x1' is not a valid integer value."),
                                            QStringLiteral("'' is not a valid integer value.")}));
        QVERIFY(w.boxes[0].icon == Messages::Icon::Stop);
    }

    void customTextsGoToTheEngineAsTyped()
    {
        // They never reach a file: the engine binding folds what it cannot read
        // ("\u0141" is "L" there), and the user is told only of what it drops.
        ProgramState state = stateWithRecord(scoreRecord("a", "b", ScoreRecord::kName));
        TfrmPurvex dialog(state, [] { return ScoreRecord::kName; });
        QLineEdit *custom = dialog.GroupBox1->txtCustom1;
        custom->insert(QStringLiteral("5 \u20AC \u0141"));
        QCOMPARE(custom->text(), QStringLiteral("5 \u20AC \u0141"));
        QVERIFY(custom->toolTip().isEmpty());
        custom->insert(QStringLiteral(" \U0001F600"));
        QCOMPARE(custom->toolTip(), CatalogueText(CurrentLanguage, 163).arg(QStringLiteral("\U0001F600")));
        custom->backspace();
        QVERIFY(custom->toolTip().isEmpty());
    }
};

QTEST_MAIN(TestOptionDialogs)
#include "test_option_dialogs.moc"
