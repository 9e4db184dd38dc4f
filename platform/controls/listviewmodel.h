#pragma once

// The rows of a report-style list view: per row the narrow text of each
// column, the item parameter and whether the row is selected. Rows live in one
// array, so that adding, reading and writing a row is array work; sorting and
// removing many rows move the rows once and tell the view in one layout change.

#include "platform/core/types.h"

#include <QAbstractTableModel>
#include <QByteArray>

#include <algorithm>
#include <unordered_map>
#include <vector>

class ListViewModel : public QAbstractTableModel {
    Q_OBJECT
public:
    explicit ListViewModel(QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

    int RowCount() const { return static_cast<int>(m_rows.size()); }
    int ColumnCount() const { return static_cast<int>(m_columns.size()); }

    QByteArray CellText(int row, int column) const;
    void SetCellText(int row, int column, const QByteArray& text);
    LPARAM Param(int row) const { return m_rows[static_cast<size_t>(row)].param; }
    void SetParam(int row, LPARAM param);
    void InsertRow(int row, const QByteArray& text);
    void RemoveRow(int row);
    // Removes the rows (ascending, no repeats) in one pass.
    void RemoveRows(const std::vector<int>& rows);
    void RemoveAllRows();

    void InsertColumn(int column, const QByteArray& heading, int format);
    QByteArray ColumnHeading(int column) const;
    void SetColumnHeading(int column, const QByteArray& heading);
    int ColumnFormat(int column) const;
    void SetColumnFormat(int column, int format);

    // The selection as the view reports it, kept per row.
    bool IsSelected(int row) const { return m_rows[static_cast<size_t>(row)].selected; }
    void SetSelected(int row, bool selected);
    int SelectedCount() const { return m_selectedCount; }

    // The first row after `start` whose parameter is `param`, or -1.
    int FindParam(LPARAM param, int start) const;

    // Puts the rows in the order of `less` over their parameters; the rows
    // stay in place (and FindParam answers for them) while it runs.
    template <class Less> void SortByParams(Less less);

private:
    struct Row {
        std::vector<QByteArray> cells;
        LPARAM param = 0;
        bool selected = false;
    };
    struct Column {
        QByteArray heading;
        int format = 0;
    };

    // Moves row `order[i]` to place i for every i, with -1 in `newRowOf` for rows that go.
    void Reorder(const std::vector<int>& order, const std::vector<int>& newRowOf);
    void RebuildParamIndex() const;

    std::vector<Row> m_rows;
    std::vector<Column> m_columns;
    int m_selectedCount = 0;
    // Rows per parameter, ascending; built on the first search after rows move.
    mutable std::unordered_map<LPARAM, std::vector<int>> m_paramRows;
    mutable bool m_paramIndexValid = false;
};

template <class Less> void ListViewModel::SortByParams(Less less)
{
    std::vector<int> order(m_rows.size());
    for (size_t i = 0; i < order.size(); ++i)
        order[i] = static_cast<int>(i);
    // A merge sort stays within the rows even for a comparison that is not a
    // strict order, and keeps equal rows in their order.
    std::stable_sort(order.begin(), order.end(), [this, &less](int first, int second) {
        return less(m_rows[static_cast<size_t>(first)].param, m_rows[static_cast<size_t>(second)].param);
    });
    std::vector<int> newRowOf(order.size());
    for (size_t i = 0; i < order.size(); ++i)
        newRowOf[static_cast<size_t>(order[i])] = static_cast<int>(i);
    Reorder(order, newRowOf);
}
