// The duplicate check on Add and Amend: the keys it derives, the scan against
// the thresholds, the Duplicates dialog and each of its four outcomes.
#include "CaptureHarness.h"

#include "i18n/Catalogue.h"
#include "capture/ContactGrid.h"

#include <QLabel>
#include <QPushButton>

using namespace tarnwick;
using namespace tarnwick::testing;

namespace {

// The fake engine's score for a stored key is the number the key holds
// ("70" scores 70); anything else scores 0.
int scoreOfStoredKey(const QString &stored, const QString &)
{
    bool ok = false;
    const int v = stored.toInt(&ok);
    return ok ? v : 0;
}

// Rows whose three stored keys score the given numbers, then an entry row.
QStringList scoredContacts(const QList<std::array<int, 3>> &scores)
{
    QStringList lines;
    int n = 0;
    for (const auto &s : scores)
        lines += contactLines(++n, QString::number(s[0]), QString::number(s[1]), QString::number(s[2]));
    return lines;
}

}  // namespace

Q_DECLARE_METATYPE(tarnwick::DuplicateSearchOptions)

class TestDuplicateCheck : public QObject {
    Q_OBJECT
private slots:
    void init()
    {
        CurrentLanguage = 1;
        CatalogueLanguage = 1;
    }

    void scanAgainstThresholds_data()
    {
        QTest::addColumn<DuplicateSearchOptions>("options");
        QTest::addColumn<int>("skipRow");
        QTest::addColumn<QList<int>>("rows");
        QTest::addColumn<int>("scoresPerRow");
        const DuplicateSearchOptions defaults;
        auto with = [](auto change) {
            DuplicateSearchOptions o;
            change(o);
            return o;
        };
        QTest::addRow("defaults: 70 passes, 69 fails") << defaults << -1 << QList<int>{1, 5} << 3;
        QTest::addRow("amend never lists its own row") << defaults << 5 << QList<int>{1} << 3;
        QTest::addRow("first-name check off finds nothing")
            << with([](auto &o) { o.ForenameCheck = false; }) << -1 << QList<int>{} << 2;
        QTest::addRow("surname check off")
            << with([](auto &o) { o.SurnameCheck = false; }) << -1 << QList<int>{1, 3, 5} << 2;
        QTest::addRow("company check off")
            << with([](auto &o) { o.CompanyCheck = false; }) << -1 << QList<int>{1, 4, 5} << 2;
        QTest::addRow("threshold 0 lists the entry row too")
            << with([](auto &o) { o.ForenameThreshold = o.SurnameThreshold = o.CompanyThreshold = 0; }) << -1
            << QList<int>{1, 2, 3, 4, 5, 6} << 3;
        QTest::addRow("threshold 100")
            << with([](auto &o) { o.ForenameThreshold = o.SurnameThreshold = o.CompanyThreshold = 100; }) << -1
            << QList<int>{5} << 3;
    }
    void scanAgainstThresholds()
    {
        QFETCH(DuplicateSearchOptions, options);
        QFETCH(int, skipRow);
        QFETCH(QList<int>, rows);
        QFETCH(int, scoresPerRow);
        CaptureHarness h(scoredContacts({{70, 70, 70}, {69, 100, 100}, {100, 69, 100}, {100, 100, 69}, {100, 100, 100}}));
        h.engine.score = scoreOfStoredKey;
        h.engine.calls.clear();
        const ContactKeys keys{QStringLiteral("K1"), QStringLiteral("K2"), QStringLiteral("K3")};
        QCOMPARE(findDuplicateRows(h.engine, *h.grid(), keys, options, skipRow), rows);
        // Every switched-on check is scored for every row, entry row included.
        QCOMPARE(h.engine.calls.size(), 6 * scoresPerRow);
    }

    void keysComeFromTheTypedFieldsInTheEngineLanguage()
    {
        CaptureHarness h(contacts(1));
        h.state.EngineLanguage = 3;
        h.click("sbLast");
        h.type(QStringLiteral("Jörg"), QStringLiteral("Brandt"), QStringLiteral("Brandt GmbH"));
        h.engine.calls.clear();
        h.click("sbAdd");
        // The stored contact was keyed in English; it is keyed again by German rules first.
        QCOMPARE(h.engine.calls.mid(0, 5), (QStringList{"Normalise(First 1,3,12)", "GeneratePHK(First 1,3,0000)",
                                                        "GeneratePHK(Surname 1,3,0000)", "Exclude(Company 1,3,1)",
                                                        "GeneratePHK(Company 1,3,0000)"}));
        QCOMPARE(h.engine.calls.mid(5, 5), (QStringList{"Normalise(Jörg,3,12)", "GeneratePHK(Jörg,3,0000)",
                                                        "GeneratePHK(Brandt,3,0000)", "Exclude(Brandt GmbH,3,1)",
                                                        "GeneratePHK(Brandt GmbH,3,0000)"}));
        QCOMPARE(h.engine.calls.mid(10, 3), (QStringList{"MatchIt(FIRST 1,JÖRG)", "MatchIt(SURNAME 1,BRANDT)",
                                                         "MatchIt(COMPANY 1,BRANDT GMBH)"}));
        // No candidate: Add stores the contact with its keys under the next ID.
        QCOMPARE(h.grid()->rowCount(), 4);
        QCOMPARE(rowCells(h.grid(), 2).mid(1),
                 (QStringList{"2", "", "Jörg", "Brandt", "", "Brandt GmbH", "", "", "", "", "", "", "", "JÖRG",
                              "BRANDT", "BRANDT GMBH"}));
        QCOMPARE(h.current(), 2);  // added from the entry row: the new contact is current
        QCOMPARE(h.text("txtFirstName"), QStringLiteral("Jörg"));
    }

    void dialogListsCandidatesInGridOrder()
    {
        // Contacts 2 and 4 share the typed keys; the dialog shows the typed
        // contact, Add's buttons, and the candidates with row 1 selected.
        QStringList lines = contacts(4);
        for (int n : {2, 4})
            for (int k = 0; k < 3; ++k)
                lines[15 * (n - 1) + 12 + k] = QStringList{"ANN", "LEE", "LEE LTD"}[k];
        CaptureHarness h(lines);
        h.click("sbLast");
        h.type(QStringLiteral("Ann"), QStringLiteral("Lee"), QStringLiteral("Lee Ltd"));
        h.edit("txtTown")->setText(QStringLiteral("Dunmere"));
        QStringList listed;
        QString town, title;
        bool addShown = false, updateShown = true;
        int selected = 0;
        auto shown = answerModal("sbCancel", [&](QWidget *d) {
            listed = candidateIds(h.dupes);
            selected = h.dupes.sgDupes()->currentRow();
            town = d->findChild<QLineEdit *>("txtTown")->text();
            title = d->windowTitle();
            addShown = d->findChild<QPushButton *>("sbIgnoreAdd")->isVisible();
            updateShown = d->findChild<QPushButton *>("sbIgnoreUpdate")->isVisible();
        });
        h.click("sbAdd");
        QVERIFY(*shown);
        QCOMPARE(listed, (QStringList{"2", "4"}));
        QCOMPARE(selected, 1);
        QCOMPARE(town, QStringLiteral("Dunmere"));
        QCOMPARE(title, CatalogueText(1, 150));
        QVERIFY(addShown);
        QVERIFY(!updateShown);
        QCOMPARE(h.dupes.sgDupes()->cell(0, 14), QStringLiteral("First Name PHK"));
        QCOMPARE(h.dupes.sgDupes()->cell(1, 5), QStringLiteral("Position 2"));
        // Cancel changed nothing.
        QCOMPARE(h.state.DupesOutcome, 0);
        QCOMPARE(h.ids(), (QStringList{"1", "2", "3", "4", ""}));
        QCOMPARE(h.state.LastContactId, 4);
        QCOMPARE(h.text("txtFirstName"), QStringLiteral("Ann"));
    }

    void outcomes_data()
    {
        // Two contacts with the same keys as the typed contact ("Ann Lee"),
        // so every check lists rows 1 and 3 (or just the other one on Amend).
        QTest::addColumn<int>("startRow");
        QTest::addColumn<QString>("button");
        QTest::addColumn<int>("pickRow");  // candidate row chosen in the dialog, 0 = as opened
        QTest::addColumn<QStringList>("idsAfter");
        QTest::addColumn<int>("currentAfter");
        QTest::addColumn<QString>("firstNameShown");
        QTest::addColumn<int>("lastId");
        QTest::addRow("goto first candidate") << 4 << "dbGoto" << 0 << QStringList{"1", "2", "3", ""} << 1
                                              << "First 1" << 3;
        QTest::addRow("goto chosen candidate") << 4 << "dbGoto" << 2 << QStringList{"1", "2", "3", ""} << 3
                                               << "First 3" << 3;
        QTest::addRow("goto the current row keeps the typed fields")
            << 1 << "dbGoto" << 0 << QStringList{"1", "2", "3", ""} << 1 << "Ann" << 3;
        QTest::addRow("ignore and add from entry row")
            << 4 << "sbIgnoreAdd" << 0 << QStringList{"1", "2", "3", "4", ""} << 4 << "Ann" << 4;
        QTest::addRow("ignore and add from a contact")
            << 2 << "sbIgnoreAdd" << 0 << QStringList{"1", "2", "3", "4", ""} << 2 << "Ann" << 4;
        QTest::addRow("close box is cancel") << 4 << "" << 0 << QStringList{"1", "2", "3", ""} << 4 << "Ann" << 3;
    }
    void outcomes()
    {
        QFETCH(int, startRow);
        QFETCH(QString, button);
        QFETCH(int, pickRow);
        QFETCH(QStringList, idsAfter);
        QFETCH(int, currentAfter);
        QFETCH(QString, firstNameShown);
        QFETCH(int, lastId);
        QStringList lines = contacts(3);
        for (int n : {1, 3})
            for (int k = 0; k < 3; ++k)
                lines[15 * (n - 1) + 12 + k] = QStringList{"ANN", "LEE", "ACME"}[k];
        CaptureHarness h(lines);
        h.grid()->chooseRow(startRow);
        h.type(QStringLiteral("Ann"), QStringLiteral("Lee"), QStringLiteral("Acme"));
        h.state.DupesOutcome = IgnoreAndAdd;  // left over from an earlier check
        answerModal(button, [&](QWidget *) {
            if (pickRow)
                h.dupes.sgDupes()->chooseRow(pickRow);
        });
        h.click("sbAdd");
        QCOMPARE(h.ids(), idsAfter);
        QCOMPARE(h.current(), currentAfter);
        QCOMPARE(h.text("txtFirstName"), firstNameShown);
        QCOMPARE(h.state.LastContactId, lastId);
        if (lastId == 4) {
            QCOMPARE(h.grid()->cell(4, contact::kIdColumn), QStringLiteral("4"));
            QCOMPARE(h.grid()->cell(4, contact::kFirstNameColumn), QStringLiteral("Ann"));
        }
    }

    void dupesDialogTexts_data()
    {
        QTest::addColumn<int>("language");
        QTest::addRow("English") << 1;
        QTest::addRow("German") << 3;
    }
    void dupesDialogTexts()
    {
        QFETCH(int, language);
        ProgramState state;
        TfrmDupes dialog(state);
        dialog.applyLanguage(language);
        const auto text = [language](int key) { return CatalogueText(language, key); };
        const auto button = [&](const char *name) { return dialog.findChild<QPushButton *>(name); };
        QCOMPARE(dialog.windowTitle(), text(150));
        QCOMPARE(button("sbIgnoreAdd")->text(), text(153));
        QCOMPARE(button("sbIgnoreAdd")->toolTip(), text(156));
        QCOMPARE(button("sbIgnoreUpdate")->text(), text(151));
        QCOMPARE(button("sbIgnoreUpdate")->toolTip(), text(155));
        QCOMPARE(button("dbGoto")->text(), text(152));
        QCOMPARE(button("dbGoto")->toolTip(), text(154));
        QCOMPARE(button("sbCancel")->text(), text(91));
        QVERIFY(button("sbCancel")->toolTip().isEmpty());
        QCOMPARE(button("dbGoto")->size(), QSize(89, 33));
        QCOMPARE(dialog.findChild<QLabel *>("Label6")->text(), text(22) + " 1");
        QCOMPARE(dialog.sgDupes()->cell(0, 16), text(76) + " PHK");
        QCOMPARE(CatalogueLanguage, language);
        for (const char *name : contact::kEditNames)
            QVERIFY(dialog.findChild<QLineEdit *>(name)->isReadOnly());
    }

    void ignoreAndAddTwiceGivesConsecutiveIds()
    {
        CaptureHarness h(contacts(2));
        h.engine.score = [](const QString &, const QString &) { return 100; };
        h.click("sbLast");
        h.type(QStringLiteral("Ann"), QStringLiteral("Lee"), QStringLiteral("Acme"));
        for (int i = 0; i < 2; ++i) {
            auto shown = answerModal("sbIgnoreAdd");
            h.click("sbAdd");
            QVERIFY(*shown);
        }
        QCOMPARE(h.ids(), (QStringList{"1", "2", "3", "4", ""}));
        QCOMPARE(h.grid()->cell(4, contact::kSurnameColumn), QStringLiteral("Lee"));
    }

    void amendOffersIgnoreAndUpdateAndKeepsTheId()
    {
        CaptureHarness h(contacts(3));
        h.engine.score = [](const QString &, const QString &) { return 100; };
        h.click("sbNext");  // contact 2
        h.edit("txtPosition")->setText(QStringLiteral("Buyer"));
        QStringList listed;
        bool updateShown = false, addShown = true;
        answerModal("sbIgnoreUpdate", [&](QWidget *d) {
            listed = candidateIds(h.dupes);
            updateShown = d->findChild<QPushButton *>("sbIgnoreUpdate")->isVisible();
            addShown = d->findChild<QPushButton *>("sbIgnoreAdd")->isVisible();
        });
        h.click("sbUpdate");
        // Every row scores 100, the entry row too; the amended contact is never listed.
        QCOMPARE(listed, (QStringList{"1", "3", ""}));
        QVERIFY(updateShown);
        QVERIFY(!addShown);
        QCOMPARE(h.ids(), (QStringList{"1", "2", "3", ""}));
        QCOMPARE(rowCells(h.grid(), 2).mid(1, 6), (QStringList{"2", "Mr 2", "First 2", "Surname 2", "Buyer", "Company 2"}));
        QCOMPARE(h.grid()->cell(2, contact::kFirstNamePhkColumn), QStringLiteral("FIRST 2"));
        QCOMPARE(h.state.LastContactId, 3);
    }

    void gotoInAmendShowsTheFoundContactUnsaved()
    {
        CaptureHarness h(contacts(3));
        h.engine.score = [](const QString &, const QString &) { return 100; };
        h.grid()->chooseRow(2);
        h.edit("txtPosition")->setText(QStringLiteral("Buyer"));
        answerModal("dbGoto", [&](QWidget *) { h.dupes.sgDupes()->chooseRow(2); });
        h.click("sbUpdate");
        QCOMPARE(h.current(), 3);
        QCOMPARE(h.text("txtPosition"), QStringLiteral("Position 3"));
        QCOMPARE(h.grid()->cell(2, 5), QStringLiteral("Position 2"));
    }

    void gotoTheEmptyCandidateChangesNothing()
    {
        CaptureHarness h(contacts(2));
        h.state.SearchOptions.ForenameThreshold = 0;
        h.state.SearchOptions.SurnameThreshold = 0;
        h.state.SearchOptions.CompanyThreshold = 0;
        h.grid()->setCurrentRow(1);
        h.type(QStringLiteral("Zed"), QStringLiteral("Quorn"), QStringLiteral("Nowhere"));
        QStringList listed;
        answerModal("dbGoto", [&](QWidget *) {
            listed = candidateIds(h.dupes);
            h.dupes.sgDupes()->chooseRow(3);
        });
        h.click("sbAdd");
        QCOMPARE(listed, (QStringList{"1", "2", ""}));
        QCOMPARE(h.current(), 1);
        QCOMPARE(h.text("txtFirstName"), QStringLiteral("Zed"));
        QCOMPARE(h.ids(), (QStringList{"1", "2", ""}));
    }

    void amendWithoutCandidatesUpdates()
    {
        // Amend compares with the others only; the contact itself would match.
        CaptureHarness h(contacts(2));
        h.grid()->chooseRow(2);
        h.edit("txtTown")->setText(QStringLiteral("Oxley"));
        h.click("sbUpdate");
        QCOMPARE(h.ids(), (QStringList{"1", "2", ""}));
        QCOMPARE(h.grid()->cell(2, 9), QStringLiteral("Oxley"));
        QCOMPARE(h.grid()->cell(2, contact::kSurnamePhkColumn), QStringLiteral("SURNAME 2"));
    }

    void amendOnTheEntryRowDoesNothing()
    {
        CaptureHarness h(contacts(2));
        h.click("sbLast");
        h.type(QStringLiteral("Ann"), QStringLiteral("Lee"), QStringLiteral("Acme"));
        h.engine.calls.clear();
        h.click("sbUpdate");
        QVERIFY(h.engine.calls.isEmpty());
        QCOMPARE(h.ids(), (QStringList{"1", "2", ""}));
        QCOMPARE(h.text("txtFirstName"), QStringLiteral("Ann"));
    }

    void dialogStartsFreshEachCheck()
    {
        // A check with many candidates, then one with a single candidate: no old row survives.
        CaptureHarness h(contacts(4));
        h.engine.score = [](const QString &, const QString &) { return 100; };
        h.click("sbLast");
        answerModal("sbCancel");
        h.click("sbAdd");
        // The entry row's empty keys against empty typed keys score 0.
        QCOMPARE(candidateIds(h.dupes), (QStringList{"1", "2", "3", "4"}));
        h.engine.score = [](const QString &a, const QString &) { return a == "F3" || a == "S3" || a == "C3" ? 100 : 0; };
        answerModal("sbCancel");
        h.click("sbAdd");
        QCOMPARE(candidateIds(h.dupes), (QStringList{"3"}));
    }
};

QTEST_MAIN(TestDuplicateCheck)
#include "test_duplicate_check.moc"
