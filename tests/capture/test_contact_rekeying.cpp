// Re-keying the stored contacts for a new engine language: a slice at a time,
// each distinct name derived once per pass, rows deleted mid-pass neither
// skipped nor keyed twice.
#include "CaptureHarness.h"

#include "capture/ContactRekeyer.h"

using namespace tarnwick;
using namespace tarnwick::testing;

class TestContactRekeying : public QObject {
    Q_OBJECT
private slots:
    void aPassKeysEveryRowOnceAndEachDistinctNameOnce()
    {
        // Six contacts; first names repeat as A, B, A, B, A, B.
        QStringList lines;
        for (int n = 1; n <= 6; ++n) {
            QStringList c = contactLines(n, QStringLiteral("old"), QStringLiteral("old"), QStringLiteral("old"));
            c[1] = n % 2 ? QStringLiteral("Anna") : QStringLiteral("Bert");
            lines += c;
        }
        CaptureHarness h(lines);
        TAdvStringGrid &grid = *h.grid();
        ContactRekeyer rekeyer(h.engine, grid, 1);

        rekeyer.setLanguage(0);  // English to the engine: the keys are current
        QVERIFY(rekeyer.isCurrent());
        rekeyer.setLanguage(4);
        QVERIFY(!rekeyer.isCurrent());
        h.engine.calls.clear();
        QVERIFY(!rekeyer.step(2));
        QCOMPARE(grid.cell(2, contact::kFirstNamePhkColumn), QStringLiteral("BERT"));
        QCOMPARE(grid.cell(3, contact::kFirstNamePhkColumn), QStringLiteral("old"));

        // Deleting a done row and a pending row moves the cursor with the rows.
        DeleteGridRow(&grid, 1, 1);
        rekeyer.rowsRemoved(1, 1);
        DeleteGridRow(&grid, 3, 1);  // contact 4
        rekeyer.rowsRemoved(3, 1);
        rekeyer.finish();
        QVERIFY(rekeyer.isCurrent());
        QCOMPARE(grid.rowCount(), 6);
        for (int row = 1; row <= 4; ++row) {
            const QString n = grid.cell(row, contact::kIdColumn);
            QCOMPARE(grid.cell(row, contact::kSurnamePhkColumn), QStringLiteral("SURNAME ") + n);
            QCOMPARE(grid.cell(row, contact::kCompanyPhkColumn), QStringLiteral("COMPANY ") + n);
            QCOMPARE(grid.cell(row, contact::kFirstNamePhkColumn), grid.cell(row, contact::kFirstNameColumn).toUpper());
        }
        QVERIFY(grid.cell(5, contact::kFirstNamePhkColumn).isEmpty());  // the entry row stays empty

        // Anna and Bert once each, every surname and company once; all in Italian.
        QCOMPARE(h.engine.calls.filter(QStringLiteral("Normalise(")),
                 (QStringList{"Normalise(Anna,4,12)", "Normalise(Bert,4,12)"}));
        QCOMPARE(h.engine.calls.filter(QStringLiteral("GeneratePHK(Surname")).size(), 5);
        for (const QString &call : h.engine.calls)
            QVERIFY2(call.contains(QStringLiteral(",4,")), qPrintable(call));
    }

    void aCheckRightAfterALanguageChangeComparesByTheNewRules()
    {
        CaptureHarness h(contacts(3));
        h.state.EngineLanguage = 5;
        h.page.engineLanguageChanged(5);  // as the language timer does; no idle time passes
        h.click("sbLast");
        h.type(QStringLiteral("First 2"), QStringLiteral("Surname 2"), QStringLiteral("Company 2"));
        QStringList listed;
        auto shown = answerModal(QStringLiteral("sbCancel"), [&](QWidget *) { listed = candidateIds(h.dupes); });
        h.click("sbAdd");
        QVERIFY(*shown);
        QCOMPARE(listed, QStringList{"2"});
    }
};

QTEST_MAIN(TestContactRekeying)
#include "test_contact_rekeying.moc"
