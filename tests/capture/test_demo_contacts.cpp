// The demonstration's promise with the real engine and the shipped data: in
// every language, a demo contact typed in again is found, and so are the
// partners of each near-duplicate group in the demo file. The language is chosen on
// the language page as a user chooses it; the stored contacts were keyed in
// English and must be compared by the chosen language's rules.
#include "../support/TestFiles.h"
#include "CaptureHarness.h"

#include "app/LanguagePage.h"
#include "app/Program.h"
#include "app/TForm1.h"
#include "capture/ContactGrid.h"
#include "capture/TfrmListDupes.h"
#include "engine/VeskorEngine.h"
#include "i18n/Catalogue.h"
#include "widgets/Messages.h"

#include <QClipboard>
#include <QDir>
#include <QGuiApplication>
#include <QPushButton>
#include <QTabWidget>
#include <QToolButton>
#include <QTreeWidget>

#include <optional>

using namespace tarnwick;
using namespace tarnwick::testing;

namespace {

// Rows (1-based, file order) of the near-duplicate groups in the demo data,
// each found with its own language chosen: their nicknames and spellings
// ("Sepp" for Josef, "Hnos." for Hermanos) are that language's knowledge.
struct Group {
    int language;
    QList<int> rows;
};
const QList<Group> kNearDuplicateGroups = {{1, {1, 2}}, {2, {7, 8}}, {3, {13, 14}}, {4, {19, 20}}, {5, {25, 26}}};

// The whole program on the real engine, started in a copy of the shipped
// data files, with the capture page shown.
struct RealProgram {
    WorkingFolder wf;
    VeskorEngine engine;
    std::optional<Program> program;
    TForm1 *form = nullptr;
    CapturePage *page = nullptr;

    RealProgram()
    {
        const QDir run(QStringLiteral(TARNWICK_RUN_DIR));
        for (const QString &name : run.entryList({QStringLiteral("*.dta")}, QDir::Files))
            QFile::copy(run.filePath(name), wf.path(name));
        program.emplace(engine);
        form = &program->mainWindow();
        form->show();
        form->FormActivate();
        form->pages()->setCurrentIndex(2);
        page = form->capturePage();
    }
    ~RealProgram()
    {
        program.reset();
        engine.finish();
    }
    void click(const char *name) const
    {
        QTest::mouseClick(page->findChild<QAbstractButton *>(QLatin1String(name)), Qt::LeftButton);
    }
    QLineEdit *field(const char *name) const { return page->findChild<QLineEdit *>(QLatin1String(name)); }
};

// The clusters of the whole-list window as "id,id,..." texts.
QStringList clusterIds(const TfrmListDupes &dialog)
{
    QStringList clusters;
    for (const DuplicateCluster &c : dialog.clusters()) {
        QStringList ids;
        for (int m : c.members)
            ids.append(QString::number(m + 1));
        clusters.append(ids.join(QLatin1Char(',')));
    }
    return clusters;
}

}  // namespace

class TestDemoContacts : public QObject {
    Q_OBJECT
private slots:
    void init() { CurrentLanguage = CatalogueLanguage = 1; }

    void retypedContactsAndTheirPartnersAreFoundInEveryLanguage()
    {
        RealProgram p;
        TForm1 &form = *p.form;
        TAdvStringGrid *grid = p.page->sgDemo();
        const int contacts = grid->rowCount() - 2;
        QCOMPARE(contacts, 30);
        QList<contact::Fields> stored;
        for (int row = 1; row <= contacts; ++row)
            stored.append(rowFields(grid, row));

        for (int language : {1, 2, 3, 4, 5}) {
            form.pages()->setCurrentIndex(0);
            QTest::mouseClick(form.languagePage()->button(language), Qt::LeftButton);
            QTRY_COMPARE(form.EngineLanguage(), language);
            form.pages()->setCurrentIndex(2);

            QStringList missed;
            for (int row = 1; row <= contacts; ++row) {
                QStringList expected{QString::number(row)};
                for (const Group &group : kNearDuplicateGroups)
                    if (group.language == language && group.rows.contains(row))
                        for (int partner : group.rows)
                            if (partner != row)
                                expected.append(QString::number(partner));
                QStringList listed;
                auto shown = answerModal(QStringLiteral("sbCancel"),
                                         [&](QWidget *) { listed = candidateIds(p.program->dupes()); });
                CaptureHarness::typeInto(*p.page, stored[row - 1]);
                p.click("sbAdd");
                QVERIFY2(*shown, qPrintable(QStringLiteral("language %1: nothing listed for contact %2 %3")
                                                .arg(language)
                                                .arg(row)
                                                .arg(stored[row - 1][2])));
                for (const QString &id : expected)
                    if (!listed.contains(id))
                        missed.append(QStringLiteral("%1 -> %2").arg(row).arg(id));
            }
            QVERIFY2(missed.isEmpty(), qPrintable(QStringLiteral("language %1 missed: %2")
                                                      .arg(language)
                                                      .arg(missed.join(QStringLiteral(", ")))));
            // Cancel stored nothing.
            QCOMPARE(grid->rowCount(), contacts + 2);
        }
    }

    void aNameOutsideWindows1252IsFoundByItsPlainSpelling()
    {
        RealProgram p;

        p.click("sbLast");
        p.field("txtFirstName")->setText(QStringLiteral("Łukasz"));
        p.field("txtSurname")->setText(QStringLiteral("Wiśniewski"));
        p.field("txtCompanyName")->setText(QStringLiteral("Kraków Żegluga Sp. z o.o."));
        QVERIFY(p.field("txtFirstName")->toolTip().isEmpty());  // folded, nothing left out
        p.click("sbAdd");
        QCOMPARE(p.page->sgDemo()->cell(31, contact::kIdColumn), QStringLiteral("31"));

        p.click("sbLast");
        p.field("txtFirstName")->setText(QStringLiteral("Lukasz"));
        p.field("txtSurname")->setText(QStringLiteral("Wisniewski"));
        p.field("txtCompanyName")->setText(QStringLiteral("Krakow Zegluga"));
        QStringList listed;
        auto shown = answerModal(QStringLiteral("sbCancel"), [&](QWidget *) { listed = candidateIds(p.program->dupes()); });
        p.click("sbAdd");
        QVERIFY(*shown);
        QCOMPARE(listed, QStringList{"31"});

        // What has no Latin form is named at the field, pasted as a user would.
        QGuiApplication::clipboard()->setText(QStringLiteral(" \U0001F600"));
        p.field("txtFirstName")->setFocus();
        QTest::keySequence(p.field("txtFirstName"), QKeySequence::Paste);
        QCOMPARE(p.field("txtFirstName")->text(), QStringLiteral("Lukasz \U0001F600"));
        QCOMPARE(p.field("txtFirstName")->toolTip(), CatalogueText(1, 163).arg(QStringLiteral("\U0001F600")));
    }

    void wholeListSearchFindsTheNearDuplicatesAndGoesToOne()
    {
        RealProgram p;
        CapturePage &page = *p.page;
        WorkingFolder &wf = p.wf;
        TfrmListDupes &dialog = *page.listDupes();
        const QString report = wf.path(QStringLiteral("report.csv"));
        dialog.askReportPath = [&report] { return report; };

        QStringList clusters;
        QTimer::singleShot(0, [&] {
            QTRY_VERIFY(!dialog.isSearching());
            clusters = clusterIds(dialog);
            QTest::mouseClick(dialog.findChild<QPushButton *>(QStringLiteral("btnSave")), Qt::LeftButton);
            // Bill Smyth, clicked and chosen with Enter, is where the grid goes.
            QTreeWidget *tree = dialog.tvClusters();
            QTreeWidgetItem *bill = tree->findItems(QStringLiteral("2"), Qt::MatchExactly | Qt::MatchRecursive).value(0);
            QVERIFY(bill);
            tree->scrollToItem(bill);
            const QRect rect = tree->visualItemRect(bill);
            QTest::mouseClick(tree->viewport(), Qt::LeftButton, {}, rect.center());
            QCOMPARE(tree->currentItem(), bill);
            QTest::keyClick(tree, Qt::Key_Return);
        });
        p.click("sbFindDuplicates");
        QVERIFY(!dialog.isVisible());
        // English rules: the English and French pairs of the demo data.
        QVERIFY2(clusters.contains(QStringLiteral("1,2")) && clusters.contains(QStringLiteral("7,8")),
                 qPrintable(clusters.join(QLatin1Char(' '))));
        QCOMPARE(page.sgDemo()->currentRow(), 2);
        QCOMPARE(p.field("txtFirstName")->text(), QStringLiteral("Bill"));
        QFile saved(report);
        QVERIFY(saved.open(QIODevice::ReadOnly));
        QVERIFY(saved.readAll().startsWith("\xEF\xBB\xBF" "Cluster,ID,"));
    }

    void theUsersOwnListReplacesTheDemoListAndIsSearched()
    {
        RealProgram p;
        CapturePage &page = *p.page;
        WorkingFolder &wf = p.wf;
        TAdvStringGrid *grid = page.sgDemo();

        // Not a CSV text: one failure box, the demo list as it was.
        const QString binary = wf.path(QStringLiteral("list.xlsx"));
        writeRaw(binary, QByteArray("PK\x03\x04\x14\x00\x06\x00", 8) + QByteArray(200, '\0'));
        page.askListPath = [&binary] { return binary; };
        p.click("sbOpenList");
        QCOMPARE(wf.boxes.size(), 1);
        QVERIFY(wf.boxes[0].icon == Messages::Icon::Stop);
        QCOMPARE(grid->rowCount(), 32);

        // A spreadsheet's French export: semicolons, Windows-1252, a ragged row.
        const QString csv = wf.path(QStringLiteral("clients.csv"));
        const QString text = QStringLiteral(
            "Civilit\u00e9;Pr\u00e9nom;Nom;Soci\u00e9t\u00e9;Ville\r\n"
            "M.;Fran\u00e7ois;Lef\u00e8vre;Boulangerie Moreau SARL;Paris\r\n"
            "Mme;H\u00e9l\u00e8ne;Giraud;Les Trois Moulins;Toulouse\r\n"
            "M.;Francois;Lefevre;Boulangerie Moreau;Paris\r\n"
            "M.;Paul;Martin;Martin SA;Lyon;en trop\r\n"
            "Mme;Helene;Giraud;Les Trois Moulins SAS;Toulouse\r\n");
        QByteArray bytes;
        for (QChar c : text)
            bytes.append(char(c.unicode()));  // Latin-1 letters only: their Windows-1252 bytes
        writeRaw(csv, bytes);
        page.askListPath = [&csv] { return csv; };
        p.click("sbOpenList");
        QCOMPARE(wf.boxes.size(), 2);
        QVERIFY2(wf.boxes[1].text.contains(QStringLiteral("5")), qPrintable(wf.boxes[1].text));
        QCOMPARE(grid->rowCount(), 4 + 2);
        QCOMPARE(rowFields(grid, 1)[1], QStringLiteral("Fran\u00e7ois"));
        QCOMPARE(grid->cell(4, contact::kIdColumn), QStringLiteral("4"));

        QStringList clusters;
        QTimer::singleShot(0, [&] {
            TfrmListDupes &dialog = *page.listDupes();
            QTRY_VERIFY(!dialog.isSearching());
            clusters = clusterIds(dialog);
            dialog.reject();
        });
        p.click("sbFindDuplicates");
        QCOMPARE(clusters, (QStringList{"1,3", "2,4"}));
    }

    void closingTheProgramDuringASearchEndsItCleanly()
    {
        WorkingFolder wf;
        const QDir run(QStringLiteral(TARNWICK_RUN_DIR));
        for (const QString &name : run.entryList({QStringLiteral("*.dta")}, QDir::Files))
            QVERIFY(QFile::copy(run.filePath(name), wf.path(name)));
        // Many namesakes in one block: a search long enough to close the program during it.
        QByteArray csv("Title,FirstName,Surname,CompanyName\r\n");
        for (int i = 0; i < 4000; ++i)
            csv += "Mr,William,Smith,Harrow & Finch Trading Ltd\r\n";
        const QString path = wf.path(QStringLiteral("many.csv"));
        writeRaw(path, csv);
        VeskorEngine engine;
        {
            Program program(engine);
            TForm1 &form = program.mainWindow();
            form.show();
            form.FormActivate();
            form.pages()->setCurrentIndex(2);
            CapturePage &page = *form.capturePage();
            page.askListPath = [&path] { return path; };
            QTest::mouseClick(page.findChild<QAbstractButton *>(QStringLiteral("sbOpenList")), Qt::LeftButton);
            bool searchingWhenClosed = false;
            QTimer::singleShot(0, [&] {
                searchingWhenClosed = page.listDupes()->isSearching();
                form.close();
            });
            QTest::mouseClick(page.findChild<QAbstractButton *>(QStringLiteral("sbFindDuplicates")), Qt::LeftButton);
            QVERIFY(searchingWhenClosed);
            QVERIFY(!page.listDupes()->isSearching());
            QVERIFY(!page.listDupes()->isVisible());
        }
        // The program's windows are gone and the engine was finished with no worker inside it.
        QCOMPARE(engine.matchIt(QStringLiteral("SMITH"), QStringLiteral("SMYTH")) > 0, true);
        engine.finish();
    }
};

QTEST_MAIN(TestDemoContacts)
#include "test_demo_contacts.moc"
