#include "platform/controls/listviewmodel.h"

#include "platform/controls/listctrl.h"

#include <QString>

namespace {

Qt::Alignment AlignmentOf(int format)
{
    switch (format & 0x3) {
    case LVCFMT_RIGHT:
        return Qt::AlignRight | Qt::AlignVCenter;
    case LVCFMT_CENTER:
        return Qt::AlignHCenter | Qt::AlignVCenter;
    default:
        return Qt::AlignLeft | Qt::AlignVCenter;
    }
}

} // namespace

ListViewModel::ListViewModel(QObject* parent) : QAbstractTableModel(parent)
{
}

int ListViewModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : RowCount();
}

int ListViewModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : ColumnCount();
}

QVariant ListViewModel::data(const QModelIndex& index, int role) const
{
    // The view may ask for a row that a layout change has just removed.
    if (!index.isValid() || index.row() >= RowCount() || index.column() >= ColumnCount())
        return {};
    switch (role) {
    case Qt::DisplayRole:
        return QString::fromLocal8Bit(CellText(index.row(), index.column()));
    case Qt::TextAlignmentRole:
        return QVariant::fromValue(AlignmentOf(ColumnFormat(index.column())));
    default:
        return {};
    }
}

QVariant ListViewModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || section < 0 || section >= ColumnCount())
        return {};
    switch (role) {
    case Qt::DisplayRole:
        return QString::fromLocal8Bit(ColumnHeading(section));
    case Qt::TextAlignmentRole:
        return QVariant::fromValue(AlignmentOf(ColumnFormat(section)));
    default:
        return {};
    }
}

Qt::ItemFlags ListViewModel::flags(const QModelIndex& index) const
{
    if (!index.isValid())
        return Qt::NoItemFlags;
    return Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsDragEnabled;
}

QByteArray ListViewModel::CellText(int row, int column) const
{
    const std::vector<QByteArray>& cells = m_rows[static_cast<size_t>(row)].cells;
    return static_cast<size_t>(column) < cells.size() ? cells[static_cast<size_t>(column)] : QByteArray();
}

void ListViewModel::SetCellText(int row, int column, const QByteArray& text)
{
    m_rows[static_cast<size_t>(row)].cells[static_cast<size_t>(column)] = text;
    const QModelIndex cell = index(row, column);
    emit dataChanged(cell, cell, {Qt::DisplayRole});
}

void ListViewModel::SetParam(int row, LPARAM param)
{
    Row& changed = m_rows[static_cast<size_t>(row)];
    if (changed.param == param)
        return;
    if (m_paramIndexValid) {
        // Kept in step rather than rebuilt, so that setting the parameters of
        // rows as they are added costs no search over all rows.
        std::vector<int>& oldRows = m_paramRows[changed.param];
        oldRows.erase(std::lower_bound(oldRows.begin(), oldRows.end(), row));
        std::vector<int>& newRows = m_paramRows[param];
        newRows.insert(std::lower_bound(newRows.begin(), newRows.end(), row), row);
    }
    changed.param = param;
}

void ListViewModel::InsertRow(int row, const QByteArray& text)
{
    beginInsertRows(QModelIndex(), row, row);
    Row added;
    added.cells.resize(m_columns.size());
    if (!added.cells.empty())
        added.cells[0] = text;
    m_rows.insert(m_rows.begin() + row, std::move(added));
    if (m_paramIndexValid) {
        if (row + 1 == RowCount())
            m_paramRows[0].push_back(row);
        else
            m_paramIndexValid = false;
    }
    endInsertRows();
}

void ListViewModel::RemoveRow(int row)
{
    beginRemoveRows(QModelIndex(), row, row);
    if (m_rows[static_cast<size_t>(row)].selected)
        --m_selectedCount;
    m_rows.erase(m_rows.begin() + row);
    m_paramIndexValid = false;
    endRemoveRows();
}

void ListViewModel::RemoveRows(const std::vector<int>& rows)
{
    if (rows.empty())
        return;
    std::vector<int> order;
    order.reserve(m_rows.size() - rows.size());
    std::vector<int> newRowOf(m_rows.size());
    auto removed = rows.begin();
    for (int row = 0; row < RowCount(); ++row) {
        if (removed != rows.end() && *removed == row) {
            ++removed;
            newRowOf[static_cast<size_t>(row)] = -1;
        } else {
            newRowOf[static_cast<size_t>(row)] = static_cast<int>(order.size());
            order.push_back(row);
        }
    }
    Reorder(order, newRowOf);
}

void ListViewModel::RemoveAllRows()
{
    if (m_rows.empty())
        return;
    beginRemoveRows(QModelIndex(), 0, RowCount() - 1);
    m_rows.clear();
    m_selectedCount = 0;
    m_paramIndexValid = false;
    endRemoveRows();
}

void ListViewModel::Reorder(const std::vector<int>& order, const std::vector<int>& newRowOf)
{
    const QList<QPersistentModelIndex> noParents;
    emit layoutAboutToBeChanged(noParents, QAbstractItemModel::VerticalSortHint);
    std::vector<Row> rows;
    rows.reserve(order.size());
    for (int row : order)
        rows.push_back(std::move(m_rows[static_cast<size_t>(row)]));
    m_rows = std::move(rows);
    m_selectedCount = 0;
    for (const Row& row : m_rows)
        m_selectedCount += row.selected ? 1 : 0;
    m_paramIndexValid = false;
    const QModelIndexList before = persistentIndexList();
    QModelIndexList after;
    after.reserve(before.size());
    for (const QModelIndex& old : before) {
        const int row = newRowOf[static_cast<size_t>(old.row())];
        after.append(row < 0 ? QModelIndex() : index(row, old.column()));
    }
    changePersistentIndexList(before, after);
    emit layoutChanged(noParents, QAbstractItemModel::VerticalSortHint);
}

void ListViewModel::InsertColumn(int column, const QByteArray& heading, int format)
{
    beginInsertColumns(QModelIndex(), column, column);
    m_columns.insert(m_columns.begin() + column, Column {heading, format});
    // The cells right of the new column move one column on.
    for (Row& row : m_rows)
        row.cells.insert(row.cells.begin() + column, QByteArray());
    endInsertColumns();
}

QByteArray ListViewModel::ColumnHeading(int column) const
{
    return m_columns[static_cast<size_t>(column)].heading;
}

void ListViewModel::SetColumnHeading(int column, const QByteArray& heading)
{
    m_columns[static_cast<size_t>(column)].heading = heading;
    emit headerDataChanged(Qt::Horizontal, column, column);
}

int ListViewModel::ColumnFormat(int column) const
{
    return column >= 0 && column < ColumnCount() ? m_columns[static_cast<size_t>(column)].format : LVCFMT_LEFT;
}

void ListViewModel::SetColumnFormat(int column, int format)
{
    m_columns[static_cast<size_t>(column)].format = format;
    emit headerDataChanged(Qt::Horizontal, column, column);
    if (!m_rows.empty())
        emit dataChanged(index(0, column), index(RowCount() - 1, column), {Qt::TextAlignmentRole});
}

void ListViewModel::SetSelected(int row, bool selected)
{
    Row& changed = m_rows[static_cast<size_t>(row)];
    if (changed.selected != selected) {
        changed.selected = selected;
        m_selectedCount += selected ? 1 : -1;
    }
}

void ListViewModel::RebuildParamIndex() const
{
    m_paramRows.clear();
    for (int row = 0; row < RowCount(); ++row)
        m_paramRows[m_rows[static_cast<size_t>(row)].param].push_back(row);
    m_paramIndexValid = true;
}

int ListViewModel::FindParam(LPARAM param, int start) const
{
    if (!m_paramIndexValid)
        RebuildParamIndex();
    const auto found = m_paramRows.find(param);
    if (found == m_paramRows.end())
        return -1;
    const std::vector<int>& rows = found->second;
    const auto next = std::upper_bound(rows.begin(), rows.end(), start);
    return next == rows.end() ? -1 : *next;
}
