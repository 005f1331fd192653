#pragma once
// The large grid both the grid test and capture_bench use: `rows` data rows of
// 17 columns, cell (r, c) holding r * 17 + c, written in one update.
#include "widgets/TAdvStringGrid.h"

#include <QStringList>

namespace tarnwick {

inline void fillLarge(TAdvStringGrid &grid, int rows)
{
    grid.setColumnCount(17);
    grid.setRowCount(rows + 1);
    grid.beginUpdate();
    QStringList row(17);
    for (int r = 1; r <= rows; ++r) {
        for (int c = 1; c < 17; ++c)
            row[c] = QString::number(r * 17 + c);
        grid.setRowCells(r, row);
    }
    grid.endUpdate();
}

}  // namespace tarnwick
