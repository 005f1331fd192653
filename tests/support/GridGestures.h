#pragma once
// What a user does to a string grid: press on one row, drag to another and
// release there; the same on the fixed first column.
#include "widgets/TAdvStringGrid.h"

#include <QHeaderView>
#include <QTest>

namespace tarnwick::testing {

// Centre of grid row `row` (1 = first data row) in column `column` of the cells.
inline QPoint cellCentre(const TAdvStringGrid *grid, int row, int column = 1)
{
    return grid->visualRect(grid->model()->index(row - 1, column - 1)).center();
}

// Press on row `from`, move across every row between, release on row `to`.
inline void dragRows(TAdvStringGrid *grid, int from, int to, int column = 1)
{
    QWidget *area = grid->viewport();
    QTest::mousePress(area, Qt::LeftButton, {}, cellCentre(grid, from, column));
    const int step = to > from ? 1 : -1;
    for (int r = from; r != to;) {
        r += step;
        QTest::mouseMove(area, cellCentre(grid, r, column));
    }
    QTest::mouseRelease(area, Qt::LeftButton, {}, cellCentre(grid, to, column));
}

// The same drag along the fixed first column.
inline void dragFirstColumn(TAdvStringGrid *grid, int from, int to)
{
    QHeaderView *column0 = grid->verticalHeader();
    auto at = [column0](int row) {
        return QPoint(column0->width() / 2, column0->sectionViewportPosition(row - 1) + column0->sectionSize(row - 1) / 2);
    };
    QTest::mousePress(column0->viewport(), Qt::LeftButton, {}, at(from));
    const int step = to > from ? 1 : -1;
    for (int r = from; r != to;) {
        r += step;
        QTest::mouseMove(column0->viewport(), at(r));
    }
    QTest::mouseRelease(column0->viewport(), Qt::LeftButton, {}, at(to));
}

}  // namespace tarnwick::testing
