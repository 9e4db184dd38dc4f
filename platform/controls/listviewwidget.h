#pragma once

// The Qt widget of a report-style list view: a flat tree view over a model of
// rows that hold narrow text per column and an item parameter. It sends the
// list view's notifications to its parent window and runs label editing with
// an edit of its own, so that the edit outlives the end-of-edit notification.
// Dialog templates make their list views with it.

#include "platform/core/types.h"

#include <QByteArray>
#include <QPersistentModelIndex>
#include <QPointer>
#include <QTreeView>

#include <vector>

class ListViewModel;
class QLineEdit;
struct NMHDR;

class ListViewWidget : public QTreeView {
    Q_OBJECT
public:
    explicit ListViewWidget(DWORD style, QWidget* parent = nullptr);
    ~ListViewWidget() override;

    int RowCount() const;
    int ColumnCount() const;
    QByteArray CellText(int row, int column) const;
    void SetCellText(int row, int column, const QByteArray& text);
    LPARAM Param(int row) const;
    void SetParam(int row, LPARAM param);
    int InsertRow(int row, const QByteArray& text);
    void RemoveRow(int row);
    // Removes the rows (any order; repeats count once) in one pass, as
    // removing them one by one from the last would: the others keep their
    // selection and focus, and the focus of a removed row moves to the nearest
    // row left above it, else below it.
    void RemoveRows(std::vector<int> rows);
    void RemoveAllRows();
    void InsertColumn(int column, const QByteArray& heading, int format, int width);
    QByteArray ColumnHeading(int column) const;
    void SetColumnHeading(int column, const QByteArray& heading);
    int ColumnFormat(int column) const;
    void SetColumnFormat(int column, int format);

    // LVIS_SELECTED and LVIS_FOCUSED of a row, and setting them.
    UINT StateOf(int row) const;
    void SetSelected(int row, bool selected);
    void SetFocused(int row, bool focused);
    int SelectedCount() const;

    // The first row after `start` whose parameter is `param`, or -1; a lookup
    // table built once after each change of the rows keeps this constant-time.
    int FindParam(LPARAM param, int start) const;
    // Sorts the rows with a comparison of two parameters (see CListCtrl::SortItems).
    // A comparison that throws stops nothing: the first failure is rethrown
    // once the sort is over.
    using CompareFn = int (*)(LPARAM, LPARAM, LPARAM);
    void SortByParams(CompareFn compare, LPARAM sortData);

    // Hit test in client (viewport) coordinates: the row and column, or row -1.
    int HitTest(const QPoint& point, int* column, UINT* flags) const;

    QLineEdit* BeginLabelEdit(int row);
    // Ends the open label edit, telling the parent; `cancelled` passes no text.
    void EndLabelEdit(bool cancelled);
    QLineEdit* LabelEditor() const { return m_editor; }

protected:
    void rowsInserted(const QModelIndex& parent, int start, int end) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void startDrag(Qt::DropActions supportedActions) override;

private:
    LRESULT Notify(NMHDR& header, UINT code);
    void NotifyItemActivate(UINT code, const QPoint& point);
    void NotifySelectionChange(const QItemSelection& selected, const QItemSelection& deselected);

    ListViewModel* m_rows;
    bool m_silent = false; // no LVN_ITEMCHANGED while rows are removed

    QPointer<QLineEdit> m_editor;
    QPersistentModelIndex m_editIndex;
    bool m_endingEdit = false;

    QPoint m_pressPoint;
    int m_pressRow = -1;
    bool m_dragBegun = false;
    bool m_skipNextClick = false;
};
