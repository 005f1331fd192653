#include "TAdvStringGrid.h"

#include "StringTableModel.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QMouseEvent>

namespace tarnwick {

TAdvStringGrid::TAdvStringGrid(QWidget *parent) : QTableView(parent), m_model(new StringTableModel(this))
{
    setModel(m_model);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setShowGrid(true);
    setWordWrap(false);
    setCornerButtonEnabled(false);
    setVerticalScrollMode(QAbstractItemView::ScrollPerItem);

    QHeaderView *top = horizontalHeader();
    top->setSectionsClickable(false);
    top->setHighlightSections(false);
    top->setSectionResizeMode(QHeaderView::Fixed);
    top->setMinimumSectionSize(1);
    top->setStretchLastSection(false);

    QHeaderView *left = verticalHeader();
    left->setSectionResizeMode(QHeaderView::Fixed);
    left->setHighlightSections(false);
    left->setMinimumSectionSize(1);
    left->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    // The fixed first column moves the row itself (press, drag); its release reports it.
    left->viewport()->installEventFilter(this);

    setColumnCount(5);
    setRowCount(5);
    setDefaultRowHeight(m_rowHeight);
    setDefaultColumnWidth(64);
}

TAdvStringGrid::~TAdvStringGrid() = default;

int TAdvStringGrid::rowCount() const { return m_model->gridRows(); }
int TAdvStringGrid::columnCount() const { return m_model->gridColumns(); }

void TAdvStringGrid::setRowCount(int rows)
{
    const int keep = currentIndex().isValid() ? currentRow() : 1;
    m_model->setGridRows(qMax(kMinRows, rows));
    ensureCurrentRow(keep);
}

void TAdvStringGrid::setColumnCount(int columns)
{
    const int keep = currentIndex().isValid() ? currentRow() : 1;
    m_model->setGridColumns(qMax(kMinColumns, columns));
    ensureCurrentRow(keep);
}

QString TAdvStringGrid::cell(int row, int column) const { return m_model->gridCell(row, column); }

void TAdvStringGrid::setCell(int row, int column, const QString &text) { m_model->setGridCell(row, column, text); }

void TAdvStringGrid::setRowCells(int row, const QStringList &texts) { m_model->setGridRow(row, texts); }

void TAdvStringGrid::clearRow(int row) { m_model->setGridRow(row, {}); }

void TAdvStringGrid::beginUpdate()
{
    m_model->setQuiet(true);
    ++m_updateDepth;
}

void TAdvStringGrid::endUpdate()
{
    if (m_updateDepth > 0 && --m_updateDepth == 0)
        m_model->setQuiet(false);
}

int TAdvStringGrid::currentRow() const
{
    const QModelIndex current = currentIndex();
    return current.isValid() ? current.row() + 1 : 1;
}

void TAdvStringGrid::setCurrentRow(int row)
{
    const int target = qBound(1, row, rowCount() - 1);
    const QModelIndex current = currentIndex();
    const QModelIndex index = m_model->index(target - 1, current.isValid() ? current.column() : 0);
    selectionModel()->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    scrollTo(index);
}

void TAdvStringGrid::chooseRow(int row)
{
    setCurrentRow(row);
    emit rowChosen(currentRow());
}

void TAdvStringGrid::ensureCurrentRow(int preferredRow)
{
    if (m_model->rowCount() > 0 && m_model->columnCount() > 0)
        setCurrentRow(preferredRow);
}

void TAdvStringGrid::setDefaultRowHeight(int height)
{
    m_rowHeight = qMax(1, height);
    verticalHeader()->setDefaultSectionSize(m_rowHeight);
    horizontalHeader()->setFixedHeight(m_rowHeight);
}

int TAdvStringGrid::defaultRowHeight() const { return m_rowHeight; }

void TAdvStringGrid::setDefaultColumnWidth(int width)
{
    horizontalHeader()->setDefaultSectionSize(width);
    for (int c = 0; c < m_model->columnCount(); ++c)
        QTableView::setColumnWidth(c, width);
    verticalHeader()->setFixedWidth(width);
}

void TAdvStringGrid::setColumnWidth(int column, int width)
{
    if (column == 0)
        verticalHeader()->setFixedWidth(width);
    else if (column > 0 && column < columnCount())
        QTableView::setColumnWidth(column - 1, width);
}

int TAdvStringGrid::columnWidth(int column) const
{
    if (column == 0)
        return verticalHeader()->width();
    return QTableView::columnWidth(column - 1);
}

void TAdvStringGrid::setColumnsResizable(bool resizable)
{
    horizontalHeader()->setSectionResizeMode(resizable ? QHeaderView::Interactive : QHeaderView::Fixed);
}

void TAdvStringGrid::selectCurrentRow()
{
    const QModelIndex current = currentIndex();
    if (current.isValid() && !selectionModel()->isRowSelected(current.row(), {}))
        selectionModel()->select(current, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
}

void TAdvStringGrid::keyPressEvent(QKeyEvent *event)
{
    const int before = currentRow();
    const int last = rowCount() - 1;
    // Whole rows are selected, so Home and End go to the first and last row.
    if ((event->key() == Qt::Key_Home || event->key() == Qt::Key_End) &&
        !(event->modifiers() & ~(Qt::ControlModifier | Qt::KeypadModifier))) {
        setCurrentRow(event->key() == Qt::Key_Home ? 1 : last);
        event->accept();
    } else {
        QTableView::keyPressEvent(event);
    }
    selectCurrentRow();
    if (currentRow() != before)
        emit rowChosen(currentRow());
}

void TAdvStringGrid::mousePressEvent(QMouseEvent *event)
{
    // A press below the last row or beside the last column would only clear
    // the highlight and leave the row current; it does nothing.
    if (!indexAt(event->position().toPoint()).isValid()) {
        event->accept();
        return;
    }
    m_gesture = true;
    QTableView::mousePressEvent(event);
}

void TAdvStringGrid::mouseReleaseEvent(QMouseEvent *event)
{
    QTableView::mouseReleaseEvent(event);
    endGesture();
}

bool TAdvStringGrid::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == verticalHeader()->viewport()) {
        if (event->type() == QEvent::MouseButtonPress) {
            const auto *me = static_cast<QMouseEvent *>(event);
            m_gesture = verticalHeader()->logicalIndexAt(me->position().toPoint()) >= 0;
        } else if (event->type() == QEvent::MouseButtonRelease) {
            // The header moved the row on press and drag; its release changes nothing more.
            endGesture();
        }
    }
    return QTableView::eventFilter(watched, event);
}

// Rows a drag passes over are not shown on the way; the row it ends on is, once.
void TAdvStringGrid::endGesture()
{
    if (!m_gesture)
        return;
    m_gesture = false;
    selectCurrentRow();
    emit rowChosen(currentRow());
}

void TAdvStringGrid::removeDataRows(int firstRow, int count)
{
    const int keep = currentRow();
    const int newCount = qMax(kMinRows, rowCount() - count);
    m_model->eraseGridRows(firstRow, count);
    m_model->setGridRows(newCount);
    ensureCurrentRow(keep);
}

void DeleteGridRow(TAdvStringGrid *grid, int firstRow, int count)
{
    if (!grid || firstRow < 1 || count < 1)
        return;
    grid->removeDataRows(firstRow, count);
}

}  // namespace tarnwick
