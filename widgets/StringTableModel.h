#pragma once
// Model behind TAdvStringGrid: a list of rows, each a list of texts that may
// be shorter than the column count (missing cells read as empty), so empty
// rows cost one pointer-sized list each. Data row d is grid row d + 1; the
// header row and the fixed first column are kept apart and served as the
// horizontal and vertical header texts.
#include <QAbstractTableModel>

#include <QList>
#include <QStringList>

#include <climits>

namespace tarnwick {

class StringTableModel : public QAbstractTableModel {
    Q_OBJECT
public:
    explicit StringTableModel(QObject *parent = nullptr) : QAbstractTableModel(parent) {}

    // Counts in grid terms: header row and fixed column included.
    int gridRows() const { return int(m_rows.size()) + 1; }
    int gridColumns() const { return m_columns; }
    void setGridRows(int rows);
    void setGridColumns(int columns);

    QString gridCell(int row, int column) const;
    // Returns false when (row, column) lies outside the grid.
    bool setGridCell(int row, int column, const QString &text);
    void setGridRow(int row, const QStringList &texts);
    // Erases data rows [first, first + count) of the grid, clamped to the rows present.
    void eraseGridRows(int first, int count);

    void setQuiet(bool quiet);

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;

private:
    void cellChanged(int row, int column);
    // While quiet: what was written, so waking up repaints only that.
    void markDirty(int row, int firstColumn, int lastColumn);

    QList<QStringList> m_rows;  // data rows; entry c is grid column c
    QStringList m_header;       // grid row 0
    int m_columns = 0;
    bool m_quiet = false;
    struct Span {
        int first = INT_MAX, last = -1;
        void add(int i) { first = qMin(first, i), last = qMax(last, i); }
        bool empty() const { return last < 0; }
    };
    bool m_topDirty = false;  // the header row
    Span m_leftDirty;         // the fixed first column, by model row
    Span m_dataDirty;         // data rows, by model row
};

}  // namespace tarnwick
