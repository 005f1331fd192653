// The string grid: cell addressing around the fixed header row and column,
// row deletion, the current row, the click signal and a large fill.
#include "widgets/TAdvStringGrid.h"

#include <QElapsedTimer>
#include <QHeaderView>
#include <QSignalSpy>
#include <QTest>

using namespace tarnwick;

namespace {

// A 4-column grid whose data rows hold "r<n>" in column 1, plus an entry row.
void fill(TAdvStringGrid &grid, int dataRows)
{
    grid.setColumnCount(4);
    grid.setRowCount(dataRows + 2);
    for (int r = 1; r <= dataRows; ++r) {
        grid.setCell(r, 1, QStringLiteral("r%1").arg(r));
        grid.setCell(r, 3, QStringLiteral("c%1").arg(r));
    }
}

QStringList column1(const TAdvStringGrid &grid)
{
    QStringList out;
    for (int r = 1; r < grid.rowCount(); ++r)
        out.append(grid.cell(r, 1));
    return out;
}

}  // namespace

class TestStringGrid : public QObject {
    Q_OBJECT
private slots:
    void headerRowIsTheHorizontalHeader()
    {
        TAdvStringGrid grid;
        grid.setColumnCount(4);
        grid.setRowCount(3);
        grid.setCell(0, 1, QStringLiteral("Item 1"));
        grid.setCell(0, 3, QStringLiteral("Category"));
        grid.setCell(1, 2, QStringLiteral("x"));
        QCOMPARE(grid.cell(0, 1), QStringLiteral("Item 1"));
        QCOMPARE(grid.model()->headerData(0, Qt::Horizontal).toString(), QStringLiteral("Item 1"));
        QCOMPARE(grid.model()->headerData(2, Qt::Horizontal).toString(), QStringLiteral("Category"));
        QCOMPARE(grid.model()->rowCount(), 2);
        QCOMPARE(grid.model()->index(0, 1).data().toString(), QStringLiteral("x"));
        // Outside the grid: reads empty, writes ignored.
        grid.setCell(9, 1, QStringLiteral("lost"));
        grid.setCell(1, 9, QStringLiteral("lost"));
        QCOMPARE(grid.cell(9, 1), QString());
        QCOMPARE(grid.rowCount(), 3);
        QCOMPARE(grid.columnCount(), 4);
        // Counts never fall below the fixed row/column plus one.
        grid.setRowCount(0);
        grid.setColumnCount(1);
        QCOMPARE(grid.rowCount(), TAdvStringGrid::kMinRows);
        QCOMPARE(grid.columnCount(), TAdvStringGrid::kMinColumns);
        QCOMPARE(grid.cell(0, 1), QStringLiteral("Item 1"));
    }

    void columnWidthsAndRowHeight()
    {
        TAdvStringGrid grid;
        grid.setColumnCount(4);
        grid.setDefaultRowHeight(17);
        grid.setDefaultColumnWidth(75);
        grid.setColumnWidth(0, 15);
        QCOMPARE(grid.columnWidth(0), 15);
        QCOMPARE(grid.columnWidth(1), 75);
        QCOMPARE(grid.columnWidth(3), 75);
        QCOMPARE(grid.verticalHeader()->defaultSectionSize(), 17);
        QCOMPARE(grid.rowHeight(0), 17);
    }

    void deleteGridRow_data()
    {
        QTest::addColumn<int>("dataRows");
        QTest::addColumn<int>("current");
        QTest::addColumn<int>("first");
        QTest::addColumn<int>("count");
        QTest::addColumn<QStringList>("rows");  // column 1 of rows 1.. afterwards
        QTest::addColumn<int>("currentAfter");
        const QString e;
        QTest::newRow("middle") << 5 << 3 << 3 << 1 << QStringList{"r1", "r2", "r4", "r5", e} << 3;
        QTest::newRow("last data row") << 5 << 5 << 5 << 1 << QStringList{"r1", "r2", "r3", "r4", e} << 5;
        QTest::newRow("first row") << 3 << 1 << 1 << 1 << QStringList{"r2", "r3", e} << 1;
        QTest::newRow("only record") << 1 << 1 << 1 << 1 << QStringList{e} << 1;
        QTest::newRow("two rows") << 5 << 2 << 2 << 2 << QStringList{"r1", "r4", "r5", e} << 2;
        QTest::newRow("past the end keeps the minimum") << 2 << 1 << 2 << 9 << QStringList{"r1"} << 1;
        QTest::newRow("header row refused") << 3 << 2 << 0 << 1 << QStringList{"r1", "r2", "r3", e} << 2;
        QTest::newRow("zero count") << 3 << 2 << 2 << 0 << QStringList{"r1", "r2", "r3", e} << 2;
    }
    void deleteGridRow()
    {
        QFETCH(int, dataRows);
        QFETCH(int, current);
        QFETCH(int, first);
        QFETCH(int, count);
        QFETCH(QStringList, rows);
        QFETCH(int, currentAfter);
        TAdvStringGrid grid;
        fill(grid, dataRows);
        grid.setCell(0, 1, QStringLiteral("Item 1"));
        grid.setCurrentRow(current);
        QSignalSpy chosen(&grid, &TAdvStringGrid::rowChosen);
        DeleteGridRow(&grid, first, count);
        QCOMPARE(column1(grid), rows);
        QCOMPARE(grid.rowCount(), int(rows.size()) + 1);
        QCOMPARE(grid.currentRow(), currentAfter);
        QCOMPARE(grid.cell(0, 1), QStringLiteral("Item 1"));
        QCOMPARE(chosen.count(), 0);
        // The other columns moved with their rows.
        for (int r = 1; r < grid.rowCount(); ++r)
            QCOMPARE(grid.cell(r, 3).mid(1), grid.cell(r, 1).mid(1));
    }

    void currentRowByProgramAndByUser()
    {
        TAdvStringGrid grid;
        fill(grid, 4);
        grid.resize(300, 200);
        grid.show();
        QVERIFY(QTest::qWaitForWindowExposed(&grid));
        QSignalSpy chosen(&grid, &TAdvStringGrid::rowChosen);

        grid.setCurrentRow(3);  // silent
        QCOMPARE(grid.currentRow(), 3);
        QCOMPARE(chosen.count(), 0);
        grid.setCurrentRow(99);  // clamped to the last row
        QCOMPARE(grid.currentRow(), 5);

        grid.chooseRow(2);  // as the user would
        QCOMPARE(chosen.count(), 1);
        QCOMPARE(chosen.takeFirst().at(0).toInt(), 2);

        QTest::keyClick(&grid, Qt::Key_Down);
        QCOMPARE(grid.currentRow(), 3);
        QCOMPARE(chosen.count(), 1);
        QCOMPARE(chosen.takeFirst().at(0).toInt(), 3);

        // A click on a cell, even of the current row, runs the click handler.
        const QRect cellRect = grid.visualRect(grid.model()->index(3, 1));
        QTest::mouseClick(grid.viewport(), Qt::LeftButton, {}, cellRect.center());
        QCOMPARE(grid.currentRow(), 4);
        QTest::mouseClick(grid.viewport(), Qt::LeftButton, {}, cellRect.center());
        QCOMPARE(chosen.count(), 2);
        QCOMPARE(chosen.at(1).at(0).toInt(), 4);
    }

    void largeFill()
    {
        TAdvStringGrid grid;
        QElapsedTimer timer;
        timer.start();
        grid.setColumnCount(17);
        grid.setRowCount(100001);
        grid.beginUpdate();
        QStringList row(17);
        for (int r = 1; r <= 100000; ++r) {
            for (int c = 1; c < 17; ++c)
                row[c] = QString::number(r * 17 + c);
            grid.setRowCells(r, row);
        }
        grid.endUpdate();
        const qint64 filled = timer.elapsed();
        grid.setCell(50000, 5, QStringLiteral("five"));
        timer.restart();
        DeleteGridRow(&grid, 2, 1);
        const qint64 deleted = timer.elapsed();
        qInfo("100,000 x 17 filled in %lld ms, one row deleted in %lld ms", filled, deleted);
        QCOMPARE(grid.rowCount(), 100000);
        QCOMPARE(grid.cell(49999, 5), QStringLiteral("five"));
        QCOMPARE(grid.cell(99999, 16), QString::number(100000 * 17 + 16));
        QVERIFY(filled < 5000);
    }
};

QTEST_MAIN(TestStringGrid)
#include "test_string_grid.moc"
