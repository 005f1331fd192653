#include "StringTableModel.h"

namespace tarnwick {

namespace {
const QString &textAt(const QStringList &row, int column)
{
    static const QString empty;
    return column < row.size() ? row.at(column) : empty;
}
}  // namespace

void StringTableModel::setGridRows(int rows)
{
    const int wanted = qMax(0, rows - 1);
    const int have = int(m_rows.size());
    if (wanted > have) {
        beginInsertRows({}, have, wanted - 1);
        m_rows.resize(wanted);
        endInsertRows();
    } else if (wanted < have) {
        beginRemoveRows({}, wanted, have - 1);
        m_rows.resize(wanted);
        endRemoveRows();
    }
}

void StringTableModel::setGridColumns(int columns)
{
    columns = qMax(0, columns);
    if (columns == m_columns)
        return;
    // Model columns are grid columns 1..; column 0 is the vertical header.
    const int have = qMax(0, m_columns - 1);
    const int wanted = qMax(0, columns - 1);
    if (wanted > have)
        beginInsertColumns({}, have, wanted - 1);
    else if (wanted < have)
        beginRemoveColumns({}, wanted, have - 1);
    m_columns = columns;
    if (m_header.size() > columns)
        m_header.resize(columns);
    for (QStringList &row : m_rows)
        if (row.size() > columns)
            row.resize(columns);
    if (wanted > have)
        endInsertColumns();
    else if (wanted < have)
        endRemoveColumns();
    else
        emit headerDataChanged(Qt::Vertical, 0, qMax(0, int(m_rows.size()) - 1));
}

QString StringTableModel::gridCell(int row, int column) const
{
    if (row < 0 || row >= gridRows() || column < 0 || column >= m_columns)
        return {};
    return row == 0 ? textAt(m_header, column) : textAt(m_rows.at(row - 1), column);
}

bool StringTableModel::setGridCell(int row, int column, const QString &text)
{
    if (row < 0 || row >= gridRows() || column < 0 || column >= m_columns)
        return false;
    QStringList &target = row == 0 ? m_header : m_rows[row - 1];
    if (column >= target.size()) {
        if (text.isEmpty())
            return true;
        target.resize(column + 1);
    }
    target[column] = text;
    cellChanged(row, column);
    return true;
}

void StringTableModel::setGridRow(int row, const QStringList &texts)
{
    if (row < 0 || row >= gridRows())
        return;
    QStringList &target = row == 0 ? m_header : m_rows[row - 1];
    target = texts.size() > m_columns ? texts.first(m_columns) : texts;
    if (m_quiet) {
        markDirty(row, 0, m_columns - 1);
        return;
    }
    if (row == 0) {
        emit headerDataChanged(Qt::Horizontal, 0, qMax(0, m_columns - 2));
    } else {
        emit headerDataChanged(Qt::Vertical, row - 1, row - 1);
        if (m_columns > 1)
            emit dataChanged(index(row - 1, 0), index(row - 1, m_columns - 2), {Qt::DisplayRole});
    }
}

void StringTableModel::eraseGridRows(int first, int count)
{
    const int from = first - 1;
    if (from < 0 || from >= m_rows.size() || count <= 0)
        return;
    const int n = qMin(count, int(m_rows.size()) - from);
    beginRemoveRows({}, from, from + n - 1);
    m_rows.remove(from, n);
    endRemoveRows();
}

void StringTableModel::setQuiet(bool quiet)
{
    if (m_quiet == quiet)
        return;
    m_quiet = quiet;
    if (quiet)
        return;
    // One repaint for what was written while quiet, and nothing else: on a
    // grid of 100,000 rows, telling the headers about every row costs far
    // more than the writes.
    const int rows = int(m_rows.size());
    if (m_topDirty)
        emit headerDataChanged(Qt::Horizontal, 0, qMax(0, m_columns - 2));
    if (!m_leftDirty.empty() && m_leftDirty.first < rows)
        emit headerDataChanged(Qt::Vertical, m_leftDirty.first, qMin(m_leftDirty.last, rows - 1));
    if (!m_dataDirty.empty() && m_dataDirty.first < rows && m_columns > 1)
        emit dataChanged(index(m_dataDirty.first, 0), index(qMin(m_dataDirty.last, rows - 1), m_columns - 2),
                         {Qt::DisplayRole});
    m_topDirty = false;
    m_leftDirty = {};
    m_dataDirty = {};
}

void StringTableModel::markDirty(int row, int firstColumn, int lastColumn)
{
    if (row == 0) {
        m_topDirty = true;
        return;
    }
    if (firstColumn == 0)
        m_leftDirty.add(row - 1);
    if (lastColumn > 0)
        m_dataDirty.add(row - 1);
}

void StringTableModel::cellChanged(int row, int column)
{
    if (m_quiet) {
        markDirty(row, column, column);
        return;
    }
    if (row == 0) {
        if (column > 0)
            emit headerDataChanged(Qt::Horizontal, column - 1, column - 1);
    } else if (column == 0) {
        emit headerDataChanged(Qt::Vertical, row - 1, row - 1);
    } else {
        const QModelIndex i = index(row - 1, column - 1);
        emit dataChanged(i, i, {Qt::DisplayRole});
    }
}

int StringTableModel::rowCount(const QModelIndex &parent) const { return parent.isValid() ? 0 : int(m_rows.size()); }

int StringTableModel::columnCount(const QModelIndex &parent) const { return parent.isValid() ? 0 : qMax(0, m_columns - 1); }

QVariant StringTableModel::data(const QModelIndex &index, int role) const
{
    if (role != Qt::DisplayRole || !index.isValid())
        return {};
    return textAt(m_rows.at(index.row()), index.column() + 1);
}

QVariant StringTableModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (role == Qt::TextAlignmentRole)
        return QVariant::fromValue(Qt::Alignment(Qt::AlignLeft | Qt::AlignVCenter));
    // Narrow fixed columns cut long headers; the tooltip shows them whole.
    if (role == Qt::ToolTipRole && orientation == Qt::Horizontal)
        return textAt(m_header, section + 1);
    if (role != Qt::DisplayRole)
        return {};
    if (orientation == Qt::Horizontal)
        return textAt(m_header, section + 1);
    if (section < 0 || section >= m_rows.size())
        return {};
    return textAt(m_rows.at(section), 0);
}

Qt::ItemFlags StringTableModel::flags(const QModelIndex &index) const
{
    return index.isValid() ? Qt::ItemIsEnabled | Qt::ItemIsSelectable : Qt::NoItemFlags;
}

}  // namespace tarnwick
