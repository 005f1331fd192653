// The score data file editor driven through its handlers: browsing, Add,
// Amend, Delete, OK and Cancel against real files in a temporary folder.
#include "EditorHelpers.h"
#include "../support/GridGestures.h"
#include "core/LineScrambler.h"
#include "core/ProgramState.h"
#include "maintenance/PurvexOptionsBox.h"
#include "maintenance/SonabelOptionsBox.h"
#include "maintenance/TfrmDataFile.h"
#include "i18n/Catalogue.h"

#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QDir>
#include <QGuiApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QToolButton>
#include <QTest>
#include <QToolTip>
#include <QTimer>

using namespace tarnwick;
using namespace tarnwick::testing;

namespace {

const QString kTwoItems = QStringLiteral("You must enter 2 data items");
const QString kTooMany = QStringLiteral("You are not allowed to exceed 30 records");

// An editor opened on the English file of the working folder.
struct Editor {
    TfrmDataFile dialog;
    Editor()
    {
        CurrentLanguage = 1;
        CatalogueLanguage = 1;
        dialog.FormActivate();
    }
    TAdvStringGrid *grid() { return dialog.sgScore; }
    void setItems(const QString &a, const QString &b)
    {
        dialog.txtItem1->setText(a);
        dialog.txtItem2->setText(b);
    }
};

}  // namespace

class TestDataFileEditor : public QObject {
    Q_OBJECT
private slots:
    void opensWithOneRowPerRecordPlusEntryRow()
    {
        WorkingFolder w;
        w.write(kEnglishFile, numberedRecords(3));
        Editor e;
        QCOMPARE(e.grid()->rowCount(), 5);
        QCOMPARE(gridItems(e.grid()), (QStringList{"First 1", "First 2", "First 3", ""}));
        QCOMPARE(gridItems(e.grid(), 3), (QStringList{"Business", "Address", "Name", ""}));
        QCOMPARE(e.grid()->cell(0, 1), QStringLiteral("Item 1"));
        QCOMPARE(e.grid()->cell(0, 3), QStringLiteral("Category"));
        QCOMPARE(e.grid()->currentRow(), 1);
        QCOMPARE(e.dialog.txtItem2->text(), QStringLiteral("Second 1"));
        QVERIFY(e.dialog.radBusiness->isChecked());

        // Next reaches the entry row, which empties the form; Last does the same.
        e.dialog.sbNextClick();
        e.dialog.sbNextClick();
        QCOMPARE(e.dialog.txtItem1->text(), QStringLiteral("First 3"));
        e.dialog.sbNextClick();
        QCOMPARE(e.grid()->currentRow(), 4);
        QCOMPARE(e.dialog.txtItem1->text(), QString());
        QVERIFY(e.dialog.radNames->isChecked());
        e.dialog.sbNextClick();
        QCOMPARE(e.grid()->currentRow(), 4);
        e.dialog.sbFirstClick();
        e.dialog.sbLastClick();
        QCOMPARE(e.grid()->currentRow(), 4);
        QCOMPARE(e.dialog.txtItem1->text(), QString());
        e.dialog.sbPrevClick();
        QCOMPARE(e.dialog.txtItem1->text(), QStringLiteral("First 3"));
        // Choosing a row in the grid shows it.
        e.grid()->chooseRow(2);
        QCOMPARE(e.dialog.txtItem1->text(), QStringLiteral("First 2"));
        QVERIFY(w.boxes.isEmpty());
    }

    void showsEveryLineOfTheRecord()
    {
        WorkingFolder w;
        QStringList r = scoreRecord("Orla Penhallow", "O. Penhallow", ScoreRecord::kName);
        r[ScoreRecord::CleansingMethod] = "2";
        r[ScoreRecord::Name] = "1";
        r[ScoreRecord::Occupations] = "3";  // odd counts as ticked
        r[ScoreRecord::CustomMode] = "1";
        r[ScoreRecord::Custom1] = "dr";
        r[ScoreRecord::MatchCase] = "1";
        r[ScoreRecord::DetermineGender] = "1";
        r[ScoreRecord::NameFormat] = "2";
        r[ScoreRecord::Pattern] = "7";  // outside the list
        r[ScoreRecord::RemoveNumbers] = "1";
        w.write(kEnglishFile, r);
        Editor e;
        const PurvexOptionsBox *p = e.dialog.GroupBox1;
        QVERIFY(p->chkElaborate->isChecked());
        QVERIFY(!p->chkAbbreviate->isEnabled());
        QVERIFY(p->chkName->isChecked() && p->chkName->isEnabled());
        QVERIFY(p->chkOccupations->isChecked());
        QVERIFY(p->radCustomTransform->isChecked());
        QCOMPARE(p->txtCustom1->text(), QStringLiteral("dr"));
        QVERIFY(p->chkMatchCase->isChecked());
        QVERIFY(p->chkDetermineGender->isChecked() && p->cboDetermineGender->isEnabled());
        QCOMPARE(p->cboDetermineGender->currentIndex(), 2);
        QCOMPARE(p->cboSearchForPattern->currentIndex(), -1);
        QVERIFY(e.dialog.GroupBox2->chkRemoveNumbers->isChecked());
        QVERIFY(!e.dialog.GroupBox2->chkRemoveInitials->isChecked());
        // Items wider than their fields show their start.
        QCOMPARE(e.dialog.txtItem1->cursorPosition(), 0);
        QCOMPARE(e.dialog.txtItem2->cursorPosition(), 0);
        // The form writes back what it shows, except the index it could not show.
        QStringList expected = r;
        expected[ScoreRecord::Occupations] = "1";
        expected[ScoreRecord::Pattern] = "-1";
        QCOMPARE(e.dialog.RecordFromFields(), expected);
    }

    void roundTripThroughTheFile()
    {
        WorkingFolder w;
        w.write(kEnglishFile, numberedRecords(2));
        {
            Editor e;
            // Add while row 1 is current appends at the end.
            e.setItems("Tamsin Carrow", "Tamzin Carrow");
            e.dialog.radAddress->setChecked(true);
            e.dialog.GroupBox1->chkCountries->setChecked(true);
            e.dialog.GroupBox1->chkCaseChange->setChecked(true);
            e.dialog.GroupBox1->cboCaseChange->setCurrentIndex(2);
            e.dialog.GroupBox1->txtCustom1->setText("xy");
            e.dialog.GroupBox2->chkCompact->setChecked(true);
            e.dialog.sbAddClick();
            QCOMPARE(gridItems(e.grid()), (QStringList{"First 1", "First 2", "Tamsin Carrow", ""}));
            QCOMPARE(e.grid()->cell(3, 3), QStringLiteral("Address"));
            QCOMPARE(e.grid()->currentRow(), 3);
            QCOMPARE(e.dialog.txtItem1->text(), QStringLiteral("Tamsin Carrow"));  // form kept

            // Amend of row 2 rewrites exactly lines 28 to 55.
            const QStringList before = e.dialog.editorLines().lines();
            e.dialog.sbPrevClick();
            e.setItems("Brannock Ltd", "Brannock Limited");
            e.dialog.sbAmendClick();
            const QStringList after = e.dialog.editorLines().lines();
            QCOMPARE(after.mid(0, 28), before.mid(0, 28));
            QCOMPARE(after.mid(56), before.mid(56));
            QCOMPARE(after.mid(28, 28), e.dialog.RecordFromFields());
            QCOMPARE(e.grid()->cell(2, 1), QStringLiteral("Brannock Ltd"));

            e.dialog.sbFirstClick();
            e.dialog.sbDeleteClick();
            e.dialog.btnOkClick();
            QCOMPARE(e.dialog.result(), int(QDialog::Accepted));
        }
        QVERIFY(w.boxes.isEmpty());

        QStringList expected = numberedRecord(2);
        expected[ScoreRecord::Item1] = "Brannock Ltd";
        expected[ScoreRecord::Item2] = "Brannock Limited";
        QStringList added = scoreRecord("Tamsin Carrow", "Tamzin Carrow", ScoreRecord::kAddress);
        added[ScoreRecord::Countries] = "1";
        added[ScoreRecord::CaseChange] = "1";
        added[ScoreRecord::CaseStyle] = "2";
        added[ScoreRecord::Custom1] = "xy";
        added[ScoreRecord::Compact] = "1";
        expected += added;

        // On disk: one-character lines plain, longer ones scrambled, CR LF after each.
        const QList<QByteArray> raw = fileBytes(w.path(kEnglishFile)).split('\n');
        QCOMPARE(raw.size(), expected.size() + 1);
        for (int i = 0; i < expected.size(); ++i) {
            QByteArray plain = raw[i].chopped(1);
            if (plain.size() >= 2)
                for (char &b : plain)
                    b = char(b ^ kScrambleKey);
            else
                QVERIFY(expected[i] == "0" || expected[i] == "1" || expected[i] == "2" || expected[i].isEmpty());
            QCOMPARE(QString::fromLatin1(plain), expected[i]);
        }

        Editor reopened;
        QCOMPARE(reopened.dialog.editorLines().lines(), expected);
        QCOMPARE(gridItems(reopened.grid()), (QStringList{"Brannock Ltd", "Tamsin Carrow", ""}));
        reopened.dialog.sbLastClick();
        reopened.dialog.sbPrevClick();
        QVERIFY(reopened.dialog.radAddress->isChecked());
        QVERIFY(reopened.dialog.GroupBox1->chkCountries->isChecked());
        QCOMPARE(reopened.dialog.GroupBox1->cboCaseChange->currentIndex(), 2);
    }

    void cancelWritesNothing()
    {
        WorkingFolder w;
        w.write(kEnglishFile, numberedRecords(3));
        const QByteArray original = fileBytes(w.path(kEnglishFile));
        Editor e;
        e.setItems("Idris Vane", "Idris Vayne");
        e.dialog.sbAddClick();
        e.dialog.sbFirstClick();
        e.dialog.sbDeleteClick();
        e.dialog.btnCancelClick();
        QCOMPARE(e.dialog.result(), int(QDialog::Rejected));
        QVERIFY(e.dialog.editorLines().isEmpty());  // freed on closing
        QCOMPARE(fileBytes(w.path(kEnglishFile)), original);
        // A fresh showing starts from the file again.
        e.dialog.FormActivate();
        QCOMPARE(gridItems(e.grid()), (QStringList{"First 1", "First 2", "First 3", ""}));
    }

    void refusals()
    {
        WorkingFolder w;
        w.write(kEnglishFile, numberedRecords(29));
        Editor e;
        QCOMPARE(e.grid()->rowCount(), 31);
        const QStringList lines = e.dialog.editorLines().lines();

        // Empty items on Add and Amend; a text of blanks is an item.
        e.setItems("Wren Holt", "");
        e.dialog.sbAddClick();
        e.dialog.sbAmendClick();
        QCOMPARE(w.boxes.size(), 2);
        QCOMPARE(w.boxes[0].text, kTwoItems);
        QCOMPARE(w.boxes[0].title, QStringLiteral("Add Record"));
        QCOMPARE(w.boxes[1].title, QStringLiteral("Modify Record"));
        QVERIFY(w.boxes[0].icon == Messages::Icon::None);
        QCOMPARE(e.dialog.editorLines().lines(), lines);

        // The 30th record is accepted, the 31st is not.
        e.setItems("Wren Holt", " ");
        e.dialog.sbAddClick();
        QCOMPARE(e.grid()->rowCount(), 32);
        QCOMPARE(e.dialog.editorLines().size(), 30 * 28);
        e.dialog.sbAddClick();
        QCOMPARE(w.boxes.size(), 3);
        QCOMPARE(w.boxes[2].text, kTooMany);
        QCOMPARE(w.boxes[2].title, QStringLiteral("Add Record"));
        QCOMPARE(e.grid()->rowCount(), 32);

        // Amend and Delete on the entry row do nothing, silently.
        e.dialog.sbLastClick();
        e.dialog.sbAmendClick();
        e.dialog.sbDeleteClick();
        QCOMPARE(e.dialog.editorLines().size(), 30 * 28);
        QCOMPARE(w.boxes.size(), 3);
    }

    void unstorableCharacterNeverReachesTheFile()
    {
        WorkingFolder w;
        w.write(kEnglishFile, numberedRecords(1));
        Editor e;
        // Typing and pasting: the validator drops what the file cannot hold.
        e.dialog.txtItem1->clear();
        e.dialog.txtItem1->setFocus();
        for (const QString &typed : {QStringLiteral("a"), QStringLiteral("\u20AC"), QStringLiteral("\u2021"), QStringLiteral("\u00E9")})
            QTest::sendKeyEvent(QTest::Click, e.dialog.txtItem1, Qt::Key_unknown, typed, Qt::NoModifier);
        // Each refusal is told at the field, naming the character, in the current language.
        QCOMPARE(e.dialog.txtItem1->toolTip(), CatalogueText(CurrentLanguage, 162).arg(QStringLiteral("\u2021")));
        QVERIFY(QToolTip::isVisible());
        QGuiApplication::clipboard()->setText(QStringLiteral("b \u20AC"));
        QTest::keySequence(e.dialog.txtItem1, QKeySequence::Paste);
        QCOMPARE(e.dialog.txtItem1->toolTip(), CatalogueText(CurrentLanguage, 162).arg(QStringLiteral("\u20AC")));
        e.dialog.txtItem1->insert(QStringLiteral("c"));
        QCOMPARE(e.dialog.txtItem1->text(), QStringLiteral("a\u00E9c"));
        // Text that arrives without typing is refused on Add and Amend.
        const QStringList lines = e.dialog.editorLines().lines();
        e.setItems(QStringLiteral("Price 5 \u20AC"), "x");
        e.dialog.sbAddClick();
        e.dialog.GroupBox1->txtCustom2->setText(QStringLiteral("\u0141odz"));
        e.setItems("Kessock", "Kesock");
        e.dialog.sbAmendClick();
        QCOMPARE(w.boxes.size(), 2);
        QVERIFY(w.boxes[0].text.contains(QStringLiteral("\u20AC")));
        QCOMPARE(w.boxes[0].title, QStringLiteral("Add Record"));
        QVERIFY(w.boxes[1].text.contains(QStringLiteral("\u0141")));
        QCOMPARE(w.boxes[1].title, QStringLiteral("Modify Record"));
        QCOMPARE(e.dialog.editorLines().lines(), lines);
        QCOMPARE(e.grid()->rowCount(), 3);
    }

    void deleteInTheMiddle()
    {
        WorkingFolder w;
        w.write(kEnglishFile, numberedRecords(5));
        Editor e;
        const QStringList lines = e.dialog.editorLines().lines();
        e.grid()->chooseRow(3);
        e.dialog.sbDeleteClick();
        QStringList expected = lines;
        expected.remove(56, 28);
        QCOMPARE(e.dialog.editorLines().lines(), expected);
        QCOMPARE(gridItems(e.grid()), (QStringList{"First 1", "First 2", "First 4", "First 5", ""}));
        QCOMPARE(e.grid()->currentRow(), 3);
        QCOMPARE(e.dialog.txtItem1->text(), QStringLiteral("First 4"));  // the row now current
        // The last record, then the only one left, keep rows and records in step.
        e.dialog.sbLastClick();
        e.dialog.sbPrevClick();
        e.dialog.sbDeleteClick();
        QCOMPARE(e.grid()->currentRow(), 4);
        QCOMPARE(gridItems(e.grid()), (QStringList{"First 1", "First 2", "First 4", ""}));
        for (int i = 0; i < 3; ++i) {
            e.dialog.sbFirstClick();
            e.dialog.sbDeleteClick();
        }
        QCOMPARE(e.grid()->rowCount(), 2);
        QVERIFY(e.dialog.editorLines().isEmpty());
        e.dialog.sbDeleteClick();
        QCOMPARE(e.grid()->rowCount(), 2);
    }

    // The highlighted row is the one shown and the one Amend and Delete act on,
    // however the user got there.
    void amendAndDeleteActOnTheHighlightedRow()
    {
        WorkingFolder w;
        w.write(kEnglishFile, numberedRecords(6));
        Editor e;
        e.dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&e.dialog));
        const QStringList lines = e.dialog.editorLines().lines();
        TAdvStringGrid *g = e.grid();

        dragRows(g, 2, 4);
        QCOMPARE(g->currentRow(), 4);
        QCOMPARE(e.dialog.txtItem1->text(), QStringLiteral("First 4"));
        e.dialog.txtItem2->setText(QStringLiteral("Amended"));
        QTest::mouseClick(e.dialog.sbAmend, Qt::LeftButton);
        QStringList expected = lines;
        expected[3 * 28 + 1] = QStringLiteral("Amended");
        QCOMPARE(e.dialog.editorLines().lines(), expected);
        QCOMPARE(gridItems(g, 2).at(1), QStringLiteral("Second 2"));

        // Keys: each one shows the row it lands on.
        const struct {
            const char *keys;
            int row;
            const char *item1;
        } moves[] = {{"Up", 3, "First 3"}, {"Home", 1, "First 1"}, {"Down", 2, "First 2"},
                     {"End", 7, ""},       {"Up", 6, "First 6"}, {"PgUp", 1, "First 1"}};
        for (const auto &m : moves) {
            QTest::keySequence(g, QKeySequence(QLatin1String(m.keys)));
            QCOMPARE(g->currentRow(), m.row);
            QCOMPARE(e.dialog.txtItem1->text(), QLatin1String(m.item1));
        }

        // Along the fixed first column, then Delete: the shown record goes and
        // the next one is shown in its place.
        dragFirstColumn(g, 1, 5);
        QCOMPARE(e.dialog.txtItem1->text(), QStringLiteral("First 5"));
        QTest::mouseClick(e.dialog.sbDelete, Qt::LeftButton);
        QCOMPARE(gridItems(g), (QStringList{"First 1", "First 2", "First 3", "First 4", "First 6", ""}));
        QCOMPARE(g->currentRow(), 5);
        QCOMPARE(e.dialog.txtItem1->text(), QStringLiteral("First 6"));
        // An Amend right after the Delete leaves the record that moved up as it was.
        QTest::mouseClick(e.dialog.sbAmend, Qt::LeftButton);
        QCOMPARE(e.dialog.editorLines().lines().mid(4 * 28, 28), lines.mid(5 * 28, 28));
        QVERIFY(w.boxes.isEmpty());
    }

    void laterShowingStartsAfresh()
    {
        WorkingFolder w;
        w.write(kEnglishFile, numberedRecords(5));
        w.write(QStringLiteral("ScoreDataF.dta"), numberedRecords(3));
        Editor e;
        e.dialog.done(QDialog::Rejected);
        CurrentLanguage = 2;
        e.dialog.FormActivate();
        e.setItems("Maelle Ruaud", "Maël Ruaud");
        e.dialog.sbAddClick();
        QCOMPARE(e.grid()->rowCount(), 6);
        QCOMPARE(e.grid()->cell(4, 1), QStringLiteral("Maelle Ruaud"));
        QCOMPARE(gridItems(e.grid()).last(), QString());
        CurrentLanguage = 1;
    }

    void trailingLinesAreKeptAfterTheRecords()
    {
        WorkingFolder w;
        QStringList lines = numberedRecords(2);
        lines << "stray 1" << "stray 2";
        w.write(kEnglishFile, lines);
        Editor e;
        QCOMPARE(e.grid()->rowCount(), 4);
        e.setItems("Nessa Quaile", "Nessa Quayle");
        e.dialog.sbAddClick();
        e.dialog.btnOkClick();
        QStringList added = e.dialog.RecordFromFields();
        QStringList expected = numberedRecords(2) + added;
        expected << "stray 1" << "stray 2";
        QCOMPARE(readDtaFile(w.path(kEnglishFile)), expected);
    }

    void missingFile()
    {
        WorkingFolder w;
        Editor e;
        QCOMPARE(w.boxTexts(), QStringList{QStringLiteral("Cannot open file ScoreDataE.dta.")});
        QCOMPARE(e.grid()->rowCount(), 2);
        QVERIFY(e.dialog.editorLines().isEmpty());
        // A file that did not exist may be created from the records added.
        e.setItems("Ysolde Barr", "Isolde Barr");
        e.dialog.sbAddClick();
        e.dialog.btnOkClick();
        QCOMPARE(e.dialog.result(), int(QDialog::Accepted));
        QCOMPARE(readDtaFile(w.path(kEnglishFile)).size(), 28);
    }

    void unreadableFileIsNotReplaced()
    {
        WorkingFolder w;
        QDir().mkdir(kEnglishFile);  // there, but not a file that can be read
        Editor e;
        QCOMPARE(w.boxes.size(), 1);
        e.setItems("Ysolde Barr", "Isolde Barr");
        e.dialog.sbAddClick();
        e.dialog.btnOkClick();
        QCOMPARE(w.boxes.size(), 2);
        QVERIFY(w.boxes[1].icon == Messages::Icon::Stop);
        QVERIFY(QFileInfo(w.path(kEnglishFile)).isDir());
        QVERIFY(e.dialog.result() != int(QDialog::Accepted));
    }

    void failedWriteKeepsTheEditorOpen()
    {
        WorkingFolder w;
        w.write(kEnglishFile, numberedRecords(2));
        Editor e;
        e.dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&e.dialog));
        e.setItems("Cadan Morrow", "Caden Morrow");
        e.dialog.sbAddClick();
        const QStringList lines = e.dialog.editorLines().lines();
        // The file turns into a folder under us, so it cannot be replaced.
        QVERIFY(QFile::remove(w.path(kEnglishFile)));
        QVERIFY(QDir().mkpath(kEnglishFile + QStringLiteral("/inside")));
        QTest::mouseClick(e.dialog.btnOk, Qt::LeftButton);
        QCOMPARE(w.boxTexts(), QStringList{QStringLiteral("Cannot create file ScoreDataE.dta.")});
        QVERIFY(w.boxes[0].icon == Messages::Icon::Stop);
        QVERIFY(e.dialog.isVisible());
        QCOMPARE(e.dialog.editorLines().lines(), lines);  // plain, nothing lost
        QVERIFY(QFileInfo::exists(w.path(kEnglishFile + QStringLiteral("/inside"))));
        // Once the way is clear, the same list is written.
        QVERIFY(QDir(w.path(kEnglishFile)).removeRecursively());
        QTest::mouseClick(e.dialog.btnOk, Qt::LeftButton);
        QVERIFY(!e.dialog.isVisible());
        QCOMPARE(readDtaFile(w.path(kEnglishFile)), lines);
    }

    void badIntegerLineIsReported()
    {
        WorkingFolder w;
        QStringList lines = numberedRecords(2);
        lines[28 + ScoreRecord::CustomMode] = "1";
        lines[28 + ScoreRecord::Custom1] = "kept";
        lines[28 + ScoreRecord::MatchCase] = "yes";
        w.write(kEnglishFile, lines);
        Editor e;
        QVERIFY(w.boxes.isEmpty());
        e.dialog.GroupBox1->chkKeepDelimiter->setChecked(true);
        e.dialog.sbNextClick();
        QCOMPARE(w.boxTexts(), QStringList{QStringLiteral("'yes' is not a valid integer value.")});
        // Filled up to the bad line; what follows keeps its previous contents.
        QCOMPARE(e.dialog.GroupBox1->txtCustom1->text(), QStringLiteral("kept"));
        QVERIFY(e.dialog.GroupBox1->radCustomTransform->isChecked());
        QCOMPARE(e.grid()->currentRow(), 2);
    }

    void opensThroughExec()
    {
        WorkingFolder w;
        w.write(kEnglishFile, numberedRecords(2));
        TfrmDataFile dialog;
        QTimer::singleShot(0, [&] {
            auto *open = qobject_cast<TfrmDataFile *>(QApplication::activeModalWidget());
            QVERIFY(open);
            QCOMPARE(open->sgScore->rowCount(), 4);
            open->close();
        });
        QCOMPARE(dialog.exec(), int(QDialog::Rejected));
        QVERIFY(dialog.editorLines().isEmpty());
    }
};

QTEST_MAIN(TestDataFileEditor)
#include "test_data_file_editor.moc"
