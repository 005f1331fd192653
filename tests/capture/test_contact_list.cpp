// The contact list: reading the demo file into the grid, headers in every
// language, navigation, delete and the IDs that deletes and adds leave.
#include "../support/TestFiles.h"
#include "CaptureHarness.h"
#include "../support/GridGestures.h"

#include "i18n/Catalogue.h"
#include "core/DtaFile.h"

#include <QLabel>
#include <QToolButton>

using namespace tarnwick;
using namespace tarnwick::testing;

class TestContactList : public QObject {
    Q_OBJECT
private slots:
    void init()
    {
        CurrentLanguage = 1;
        CatalogueLanguage = 1;
    }

    void readsWholeGroupsOfFifteenLines()
    {
        // 31 lines: two contacts and a tail line that is ignored; a one-letter
        // title is stored plain in the file and must come back as it was.
        WorkingFolder wf;
        QStringList lines = contacts(2);
        lines[0] = QStringLiteral("M");
        lines[15 + 1] = QStringLiteral("Zoë");
        lines.append(QStringLiteral("tail"));
        QByteArray raw = encodeDtaLines(lines);
        testing::writeRaw(wf.path(QStringLiteral("DemoData.dta")), raw);
        QVERIFY(raw.startsWith("M\r\n"));  // the short line really is plain in the file

        CaptureHarness h(readDtaFile(QStringLiteral("DemoData.dta")));
        QCOMPARE(h.grid()->rowCount(), 4);
        QCOMPARE(h.grid()->columnCount(), 17);
        QCOMPARE(h.ids(), (QStringList{"1", "2", ""}));
        QCOMPARE(h.state.LastContactId, 2);
        QCOMPARE(h.grid()->cell(1, 2), QStringLiteral("M"));
        QCOMPARE(h.grid()->cell(2, 3), QStringLiteral("Zoë"));
        QCOMPARE(h.grid()->cell(2, 16), QStringLiteral("C2"));
        QCOMPARE(h.grid()->cell(1, 0), QString());
        // Start-up shows the first contact.
        QCOMPARE(h.current(), 1);
        QCOMPARE(h.text("txtTitle"), QStringLiteral("M"));
        QCOMPARE(h.text("txtEMailAddress"), QStringLiteral("Mail 1"));
        // Shape of the grid.
        QCOMPARE(h.grid()->columnWidth(0), 15);
        QCOMPARE(h.grid()->columnWidth(1), 40);
        QCOMPARE(h.grid()->columnWidth(2), 40);
        QCOMPARE(h.grid()->columnWidth(3), 150);
        QCOMPARE(h.grid()->defaultRowHeight(), 17);
    }

    void emptyFileGivesHeaderAndEntryRow()
    {
        CaptureHarness h({});
        QCOMPARE(h.grid()->rowCount(), 2);
        QCOMPARE(h.state.LastContactId, 0);
        QCOMPARE(h.grid()->cell(0, 1), QStringLiteral("ID"));
        for (const char *name : contact::kEditNames)
            QVERIFY(h.text(name).isEmpty());
        h.click("sbFirst");
        QCOMPARE(h.current(), 1);
        h.click("sbDelete");
        QCOMPARE(h.grid()->rowCount(), 2);
        h.click("sbLast");
        QCOMPARE(h.current(), 1);

        h.type(QStringLiteral("Ada"), QStringLiteral("Quill"), QStringLiteral("Quill Works"));
        h.click("sbAdd");  // nothing to compare with: stored straight away
        QCOMPARE(h.ids(), (QStringList{"1", ""}));
        QCOMPARE(h.grid()->cell(1, contact::kFirstNameColumn), QStringLiteral("Ada"));
    }

    void headersFollowTheLanguage_data()
    {
        QTest::addColumn<int>("language");
        for (int language = 1; language <= 5; ++language)
            QTest::addRow("%d", language) << language;
    }
    void headersFollowTheLanguage()
    {
        QFETCH(int, language);
        CaptureHarness h(contacts(2));
        h.page.applyLanguage(language);
        const auto text = [language](int key) { return CatalogueText(language, key); };
        QCOMPARE(CatalogueLanguage, language);
        const QStringList expected = {QString(),           text(135),           text(136),
                                      text(137),           text(142),           text(121),
                                      text(124),           text(22) + " 1",     text(22) + " 2",
                                      text(125),           text(126),           text(127),
                                      text(122),           text(78),            text(137) + " PHK",
                                      text(142) + " PHK",  text(76) + " PHK"};
        QStringList header;
        for (int c = 0; c < 17; ++c)
            header.append(h.grid()->cell(0, c));
        QCOMPARE(header, expected);
        QCOMPARE(h.grid()->cell(1, 14), QStringLiteral("F1"));  // cells untouched
        QCOMPARE(h.page.findChild<QLabel *>("Label14")->text(), text(22) + " 2");
        QCOMPARE(h.page.findChild<QLabel *>("Label10")->text(), text(78));
        QCOMPARE(h.page.findChild<QToolButton *>("sbSearchOptions")->toolTip(), text(140));
        QCOMPARE(h.page.findChild<QToolButton *>("sbUpdate")->toolTip(), text(134));
    }

    void navigation_data()
    {
        // Three contacts; row 4 is the entry row.
        QTest::addColumn<QStringList>("presses");
        QTest::addColumn<int>("row");
        QTest::addColumn<QString>("firstName");
        QTest::addRow("start") << QStringList{} << 1 << "First 1";
        QTest::addRow("prev on row 1") << QStringList{"sbPrev"} << 1 << "First 1";
        QTest::addRow("next") << QStringList{"sbNext"} << 2 << "First 2";
        QTest::addRow("next to entry row") << QStringList{"sbNext", "sbNext", "sbNext"} << 4 << "";
        QTest::addRow("next on entry row") << QStringList{"sbLast", "sbNext"} << 4 << "";
        QTest::addRow("last") << QStringList{"sbLast"} << 4 << "";
        QTest::addRow("prev from entry row") << QStringList{"sbLast", "sbPrev"} << 3 << "First 3";
        QTest::addRow("first") << QStringList{"sbLast", "sbFirst"} << 1 << "First 1";
    }
    void navigation()
    {
        QFETCH(QStringList, presses);
        QFETCH(int, row);
        QFETCH(QString, firstName);
        CaptureHarness h(contacts(3));
        for (const QString &b : presses)
            h.click(qPrintable(b));
        QCOMPARE(h.current(), row);
        QCOMPARE(h.text("txtFirstName"), firstName);
    }

    void prevOnRowOneKeepsWhatWasTyped()
    {
        CaptureHarness h(contacts(2));
        h.edit("txtSurname")->setText(QStringLiteral("typed"));
        h.click("sbPrev");
        QCOMPARE(h.text("txtSurname"), QStringLiteral("typed"));
    }

    void clickingARowShowsIt()
    {
        CaptureHarness h(contacts(3));
        TAdvStringGrid *g = h.grid();
        const QRect cell = g->visualRect(g->model()->index(2, 2));
        QTest::mouseClick(g->viewport(), Qt::LeftButton, {}, cell.center());
        QCOMPARE(h.current(), 3);
        QCOMPARE(h.text("txtCompanyName"), QStringLiteral("Company 3"));
        QTest::keyClick(g, Qt::Key_Up);
        QCOMPARE(h.text("txtCompanyName"), QStringLiteral("Company 2"));
    }

    // A drag ends on the row it shows; Amend then writes that row and Delete
    // removes it, never the row the drag began on.
    void amendAndDeleteActOnTheRowADragEndsOn()
    {
        CaptureHarness h(contacts(5));
        TAdvStringGrid *g = h.grid();
        QVERIFY(QTest::qWaitForWindowExposed(&h.page));
        dragRows(g, 2, 4, 3);
        QCOMPARE(h.current(), 4);
        QCOMPARE(h.text("txtFirstName"), QStringLiteral("First 4"));
        h.edit("txtTown")->setText(QStringLiteral("Oxley"));
        h.click("sbUpdate");
        QCOMPARE(g->cell(4, 9), QStringLiteral("Oxley"));
        QCOMPARE(g->cell(2, 9), QStringLiteral("Town 2"));
        QCOMPARE(g->cell(4, 3), QStringLiteral("First 4"));

        // Keys and the first column show the row they reach.
        QTest::keySequence(g, QKeySequence(QStringLiteral("PgUp")));
        QCOMPARE(h.text("txtFirstName"), QStringLiteral("First 1"));
        QTest::keySequence(g, QKeySequence(QStringLiteral("End")));
        QCOMPARE(h.current(), 6);
        QCOMPARE(h.text("txtFirstName"), QString());
        dragFirstColumn(g, 5, 3);
        QCOMPARE(h.text("txtFirstName"), QStringLiteral("First 3"));

        h.click("sbDelete");
        QCOMPARE(h.ids(), (QStringList{"1", "2", "4", "5", ""}));
        QCOMPARE(h.text("txtFirstName"), QStringLiteral("First 4"));
    }

    // "Herr Prof. Dr." in the narrow title field must read from its start.
    void aTextWiderThanItsFieldShowsItsStart()
    {
        QStringList lines = contacts(2);
        lines[0] = QStringLiteral("Herr Prof. Dr. Dr. h.c. mult.");
        CaptureHarness h(lines);
        h.click("sbNext");
        h.click("sbFirst");
        QCOMPARE(h.text("txtTitle"), lines[0]);
        QCOMPARE(h.edit("txtTitle")->cursorPosition(), 0);
    }

    void deleteKeepsIdsAndNeverReusesThem_data()
    {
        // Five contacts; rows are chosen by ID before each Delete ("entry" = the entry row).
        QTest::addColumn<QStringList>("deleteAt");
        QTest::addColumn<QStringList>("idsAfter");
        QTest::addColumn<QString>("currentId");
        QTest::addRow("middle") << QStringList{"3"} << QStringList{"1", "2", "4", "5", ""} << "4";
        QTest::addRow("last contact") << QStringList{"5"} << QStringList{"1", "2", "3", "4", ""} << "";
        QTest::addRow("entry row") << QStringList{"entry"} << QStringList{"1", "2", "3", "4", "5", ""} << "";
        QTest::addRow("first twice") << QStringList{"1", "2"} << QStringList{"3", "4", "5", ""} << "3";
        QTest::addRow("all") << QStringList{"1", "2", "3", "4", "5", "entry"} << QStringList{""} << "";
    }
    void deleteKeepsIdsAndNeverReusesThem()
    {
        QFETCH(QStringList, deleteAt);
        QFETCH(QStringList, idsAfter);
        QFETCH(QString, currentId);
        CaptureHarness h(contacts(5));
        for (const QString &id : deleteAt) {
            h.grid()->chooseRow(id == "entry" ? h.grid()->rowCount() - 1 : h.ids().indexOf(id) + 1);
            h.click("sbDelete");
        }
        QCOMPARE(h.ids(), idsAfter);
        QCOMPARE(h.grid()->cell(h.current(), 1), currentId);
        // The fields show the row that is now current, never the deleted contact.
        const QString shown = currentId.isEmpty() ? QString() : "First " + currentId;
        QCOMPARE(h.text("txtFirstName"), shown);

        QCOMPARE(h.state.LastContactId, 5);
        h.click("sbLast");
        h.type(QStringLiteral("New"), QStringLiteral("Person"), QStringLiteral("Elsewhere"));
        h.click("sbAdd");
        QCOMPARE(h.ids().mid(h.ids().size() - 2), (QStringList{"6", ""}));
    }
};

QTEST_MAIN(TestContactList)
#include "test_contact_list.moc"
