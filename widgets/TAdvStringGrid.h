#pragma once
// The program's string grid: rows x columns of plain text shown through one
// lightweight model, so a grid of 100,000 rows costs a list of strings and no
// per-cell objects. Grid row 0 is the fixed header (drawn as the horizontal
// header, so it stays put while scrolling) and grid column 0 is the fixed
// narrow first column (drawn as the vertical header). Every other cell (r, c)
// lives in model row r - 1, model column c - 1.
#include <QTableView>

namespace tarnwick {

class StringTableModel;

class TAdvStringGrid : public QTableView {
    Q_OBJECT
public:
    // A grid always keeps its fixed row and column plus at least one more of
    // each, so callers can count on row 1 and column 1 existing.
    static constexpr int kMinRows = 2;
    static constexpr int kMinColumns = 2;

    explicit TAdvStringGrid(QWidget *parent = nullptr);
    ~TAdvStringGrid() override;

    int rowCount() const;
    int columnCount() const;
    // Growing adds empty rows/columns; shrinking drops the last ones. Counts
    // below the minimum are raised to it.
    void setRowCount(int rows);
    void setColumnCount(int columns);

    // Cells outside the grid read as empty; writes outside it are ignored.
    QString cell(int row, int column) const;
    void setCell(int row, int column, const QString &text);
    // Writes cells 0.. of a row from a list in one go (the fast way to fill).
    void setRowCells(int row, const QStringList &texts);
    // Empties every cell of a row.
    void clearRow(int row);

    // While an update is open, cell writes do not repaint; the matching
    // endUpdate() repaints once. Nests.
    void beginUpdate();
    void endUpdate();

    // The current row is always a data row (1 .. rowCount()-1).
    int currentRow() const;
    // Moves the current row without running the click handler (rowChosen is
    // not emitted): for code that moves the row and refreshes by itself.
    void setCurrentRow(int row);
    // Moves the current row as the user would: rowChosen is emitted.
    void chooseRow(int row);

    void setDefaultRowHeight(int height);
    int defaultRowHeight() const;
    void setDefaultColumnWidth(int width);
    // Column 0 is the fixed first column.
    void setColumnWidth(int column, int width);
    int columnWidth(int column) const;
    void setColumnsResizable(bool resizable);

signals:
    // The user chose a row: the Click handler. Emitted once per gesture that
    // ends on a row: a click or a drag (on its release, on a cell or on the
    // fixed first column) and every key that moves the current row.
    void rowChosen(int row);

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    friend void DeleteGridRow(TAdvStringGrid *grid, int firstRow, int count);
    void removeDataRows(int firstRow, int count);
    void ensureCurrentRow(int preferredRow);
    // The highlight always marks the current row, whatever a gesture did to the selection.
    void selectCurrentRow();
    void endGesture();

    StringTableModel *m_model;
    int m_rowHeight = 17;
    int m_updateDepth = 0;
    bool m_gesture = false;  // a mouse button went down on a row and is not yet released
};

// Removes `count` rows from `firstRow`: row i takes the contents of row
// i + count (rows past the end count as empty) and the row count drops by
// count, never below TAdvStringGrid::kMinRows. The current row keeps its
// number when it still exists, else becomes the last row. The header row
// cannot be deleted: a firstRow below 1 or a count below 1 does nothing.
void DeleteGridRow(TAdvStringGrid *grid, int firstRow, int count);

}  // namespace tarnwick
