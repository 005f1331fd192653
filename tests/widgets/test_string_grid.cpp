// The string grid: cell addressing around the fixed header row and column,
// row deletion, the current row, the click signal on every gesture and a
// large fill.
#include "bench/capture/GridFill.h"
#include "widgets/TAdvStringGrid.h"
#include "../support/GridGestures.h"

#include <QHeaderView>
#include <QSignalSpy>
#include <QTest>

using namespace tarnwick;
using namespace tarnwick::testing;

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

    // Every gesture that moves the current row reports the row it ends on,
    // once, and leaves that row highlighted.
    void gesturesReportTheRowTheyEndOn_data()
    {
        QTest::addColumn<QString>("gesture");
        QTest::addColumn<int>("start");
        QTest::addColumn<int>("end");
        QTest::newRow("drag down") << "drag" << 2 << 5;
        QTest::newRow("drag up") << "drag" << 6 << 1;
        QTest::newRow("drag back to where it began") << "drag 2-4-2" << 2 << 2;
        QTest::newRow("drag on the first column") << "first column" << 1 << 4;
        QTest::newRow("click on the first column") << "first column" << 3 << 3;
        QTest::newRow("down") << "Down" << 2 << 3;
        QTest::newRow("up") << "Up" << 2 << 1;
        QTest::newRow("page down") << "PgDown" << 1 << 0;  // 0: further than one row
        QTest::newRow("end") << "End" << 2 << 7;  // the entry row
        QTest::newRow("ctrl+end") << "Ctrl+End" << 2 << 7;
        QTest::newRow("home") << "Home" << 5 << 1;
        QTest::newRow("ctrl+home") << "Ctrl+Home" << 5 << 1;
    }
    void gesturesReportTheRowTheyEndOn()
    {
        QFETCH(QString, gesture);
        QFETCH(int, start);
        QFETCH(int, end);
        TAdvStringGrid grid;
        fill(grid, 6);
        grid.resize(300, 110);  // a few rows visible, so Page Down has a page to move by
        grid.show();
        QVERIFY(QTest::qWaitForWindowExposed(&grid));
        grid.setCurrentRow(start);
        QSignalSpy chosen(&grid, &TAdvStringGrid::rowChosen);

        if (gesture == "drag") {
            dragRows(&grid, start, end);
        } else if (gesture == "drag 2-4-2") {
            QTest::mousePress(grid.viewport(), Qt::LeftButton, {}, cellCentre(&grid, 2));
            QTest::mouseMove(grid.viewport(), cellCentre(&grid, 3));
            QTest::mouseMove(grid.viewport(), cellCentre(&grid, 4));
            QTest::mouseMove(grid.viewport(), cellCentre(&grid, 2));
            QTest::mouseRelease(grid.viewport(), Qt::LeftButton, {}, cellCentre(&grid, 2));
        } else if (gesture == "first column") {
            dragFirstColumn(&grid, start, end);
        } else {
            const QKeySequence keys(gesture);
            QTest::keySequence(&grid, keys);
        }

        if (end == 0)
            QVERIFY(grid.currentRow() > start + 1);
        else
            QCOMPARE(grid.currentRow(), end);
        QCOMPARE(chosen.count(), 1);
        QCOMPARE(chosen.at(0).at(0).toInt(), grid.currentRow());
        const QModelIndexList selected = grid.selectionModel()->selectedRows();
        QCOMPARE(selected.size(), 1);
        QCOMPARE(selected.at(0).row() + 1, grid.currentRow());
    }

    // Presses that move nothing report nothing and keep the highlight.
    void pressesBesideTheRowsChangeNothing()
    {
        TAdvStringGrid grid;
        fill(grid, 2);
        grid.resize(400, 300);
        grid.show();
        QVERIFY(QTest::qWaitForWindowExposed(&grid));
        grid.setCurrentRow(2);
        QSignalSpy chosen(&grid, &TAdvStringGrid::rowChosen);
        // Below the last row.
        QTest::mouseClick(grid.viewport(), Qt::LeftButton, {}, QPoint(20, grid.viewport()->height() - 5));
        // Ctrl+click on the current row would toggle its selection off.
        QTest::mouseClick(grid.viewport(), Qt::LeftButton, Qt::ControlModifier, cellCentre(&grid, 2));
        QCOMPARE(grid.currentRow(), 2);
        QCOMPARE(grid.selectionModel()->selectedRows().size(), 1);
        QCOMPARE(grid.selectionModel()->selectedRows().at(0).row(), 1);
        QCOMPARE(chosen.count(), 1);  // the click on the row itself, as the Click handler runs
    }

    // 100,000 x 17 cells: every cell lands where it belongs and a delete near
    // the top moves all the rows below. How long it takes is capture_bench's figure.
    void largeFill()
    {
        TAdvStringGrid grid;
        fillLarge(grid, 100000);
        grid.setCell(50000, 5, QStringLiteral("five"));
        DeleteGridRow(&grid, 2, 1);
        QCOMPARE(grid.rowCount(), 100000);
        QCOMPARE(grid.cell(1, 1), QString::number(1 * 17 + 1));
        QCOMPARE(grid.cell(2, 1), QString::number(3 * 17 + 1));
        QCOMPARE(grid.cell(49999, 5), QStringLiteral("five"));
        QCOMPARE(grid.cell(99999, 16), QString::number(100000 * 17 + 16));
        QCOMPARE(grid.cell(100000, 1), QString());
    }
};

QTEST_MAIN(TestStringGrid)
#include "test_string_grid.moc"
