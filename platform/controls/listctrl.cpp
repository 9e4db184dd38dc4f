#include "platform/controls/listctrl.h"

#include "platform/controls/listviewwidget.h"
#include "platform/core/invalidarg.h"

#include <QLineEdit>

#include <algorithm>
#include <cstring>

IMPLEMENT_DYNAMIC(CListCtrl, CWnd)

namespace {

[[noreturn]] void ThrowNo(const char* operation, const char* what, int index, int count)
{
    CString text;
    text.Format("%s: the list view has no %s %d (it has %d).", operation, what, index, count);
    AfxThrowInvalidArgException(text);
}

void CheckRow(const ListViewWidget* list, int row, const char* operation)
{
    if (row < 0 || row >= list->RowCount())
        ThrowNo(operation, "row", row, list->RowCount());
}

void CheckColumn(const ListViewWidget* list, int column, const char* operation)
{
    if (column < 0 || column >= list->ColumnCount())
        ThrowNo(operation, "column", column, list->ColumnCount());
}

QByteArray Bytes(const char* text)
{
    return QByteArray(text ? text : "");
}

} // namespace

ListViewWidget* CListCtrl::listWidget() const
{
    return qobject_cast<ListViewWidget*>(GetSafeHwnd());
}

ListViewWidget* CListCtrl::checkedWidget(const char* operation) const
{
    ListViewWidget* list = listWidget();
    if (!list) {
        CString text;
        text.Format("%s: the list control has no list view window.", operation);
        AfxThrowInvalidArgException(text);
    }
    return list;
}

int CListCtrl::InsertColumn(int column, const char* heading, int format, int width)
{
    ListViewWidget* list = checkedWidget("InsertColumn");
    if (column < 0 || column > list->ColumnCount())
        ThrowNo("InsertColumn", "column", column, list->ColumnCount());
    list->InsertColumn(column, Bytes(heading), format, width);
    return column;
}

bool CListCtrl::GetColumn(int column, LVCOLUMN* info) const
{
    const ListViewWidget* list = checkedWidget("GetColumn");
    CheckColumn(list, column, "GetColumn");
    if (info->mask & LVCF_FMT)
        info->fmt = list->ColumnFormat(column);
    if (info->mask & LVCF_WIDTH)
        info->cx = list->columnWidth(column);
    if ((info->mask & LVCF_TEXT) && info->pszText && info->cchTextMax > 0) {
        const QByteArray heading = list->ColumnHeading(column);
        const size_t length = std::min(static_cast<size_t>(heading.size()), static_cast<size_t>(info->cchTextMax - 1));
        std::memcpy(info->pszText, heading.constData(), length);
        info->pszText[length] = '\0';
    }
    return true;
}

bool CListCtrl::SetColumn(int column, const LVCOLUMN* info)
{
    ListViewWidget* list = checkedWidget("SetColumn");
    CheckColumn(list, column, "SetColumn");
    if (info->mask & LVCF_TEXT)
        list->SetColumnHeading(column, Bytes(info->pszText));
    if (info->mask & LVCF_FMT)
        list->SetColumnFormat(column, info->fmt);
    if (info->mask & LVCF_WIDTH)
        list->setColumnWidth(column, info->cx);
    return true;
}

int CListCtrl::GetColumnCount() const
{
    const ListViewWidget* list = listWidget();
    return list ? list->ColumnCount() : 0;
}

int CListCtrl::GetItemCount() const
{
    const ListViewWidget* list = listWidget();
    return list ? list->RowCount() : 0;
}

int CListCtrl::InsertItem(int row, const char* text)
{
    ListViewWidget* list = checkedWidget("InsertItem");
    if (row < 0 || row > list->RowCount())
        ThrowNo("InsertItem", "row", row, list->RowCount());
    return list->InsertRow(row, Bytes(text));
}

bool CListCtrl::DeleteItem(int row)
{
    ListViewWidget* list = checkedWidget("DeleteItem");
    CheckRow(list, row, "DeleteItem");
    list->RemoveRow(row);
    return true;
}

bool CListCtrl::DeleteItems(const std::vector<int>& rows)
{
    ListViewWidget* list = checkedWidget("DeleteItems");
    for (int row : rows)
        CheckRow(list, row, "DeleteItems");
    list->RemoveRows(rows);
    return true;
}

bool CListCtrl::DeleteAllItems()
{
    checkedWidget("DeleteAllItems")->RemoveAllRows();
    return true;
}

CString CListCtrl::GetItemText(int row, int column) const
{
    const ListViewWidget* list = checkedWidget("GetItemText");
    CheckRow(list, row, "GetItemText");
    CheckColumn(list, column, "GetItemText");
    const QByteArray text = list->CellText(row, column);
    return CString(text.constData(), static_cast<int>(text.size()));
}

bool CListCtrl::SetItemText(int row, int column, const char* text)
{
    ListViewWidget* list = checkedWidget("SetItemText");
    CheckRow(list, row, "SetItemText");
    CheckColumn(list, column, "SetItemText");
    list->SetCellText(row, column, Bytes(text));
    return true;
}

DWORD_PTR CListCtrl::GetItemData(int row) const
{
    const ListViewWidget* list = checkedWidget("GetItemData");
    CheckRow(list, row, "GetItemData");
    return static_cast<DWORD_PTR>(list->Param(row));
}

std::vector<CString> CListCtrl::GetColumnTexts(int column) const
{
    const ListViewWidget* list = checkedWidget("GetColumnTexts");
    CheckColumn(list, column, "GetColumnTexts");
    std::vector<CString> texts;
    texts.reserve(static_cast<size_t>(list->RowCount()));
    for (int row = 0; row < list->RowCount(); ++row) {
        const QByteArray text = list->CellText(row, column);
        texts.emplace_back(text.constData(), static_cast<int>(text.size()));
    }
    return texts;
}

std::vector<DWORD_PTR> CListCtrl::GetAllItemData() const
{
    const ListViewWidget* list = checkedWidget("GetAllItemData");
    std::vector<DWORD_PTR> data;
    data.reserve(static_cast<size_t>(list->RowCount()));
    for (int row = 0; row < list->RowCount(); ++row)
        data.push_back(static_cast<DWORD_PTR>(list->Param(row)));
    return data;
}

bool CListCtrl::SetItemData(int row, DWORD_PTR data)
{
    ListViewWidget* list = checkedWidget("SetItemData");
    CheckRow(list, row, "SetItemData");
    list->SetParam(row, static_cast<LPARAM>(data));
    return true;
}

UINT CListCtrl::GetItemState(int row, UINT mask) const
{
    const ListViewWidget* list = checkedWidget("GetItemState");
    CheckRow(list, row, "GetItemState");
    return list->StateOf(row) & mask;
}

bool CListCtrl::SetItemState(int row, UINT state, UINT mask)
{
    ListViewWidget* list = checkedWidget("SetItemState");
    if (row != -1)
        CheckRow(list, row, "SetItemState");
    const int first = row == -1 ? 0 : row;
    const int last = row == -1 ? list->RowCount() - 1 : row;
    for (int r = first; r <= last; ++r) {
        if (mask & LVIS_SELECTED)
            list->SetSelected(r, state & LVIS_SELECTED);
        if (mask & LVIS_FOCUSED)
            list->SetFocused(r, state & LVIS_FOCUSED);
    }
    return true;
}

UINT CListCtrl::GetSelectedCount() const
{
    const ListViewWidget* list = listWidget();
    return list ? static_cast<UINT>(list->SelectedCount()) : 0;
}

int CListCtrl::GetNextItem(int start, UINT flags) const
{
    const ListViewWidget* list = listWidget();
    if (!list)
        return -1;
    for (int row = std::max(start + 1, 0); row < list->RowCount(); ++row) {
        if ((list->StateOf(row) & flags) == (flags & (LVNI_SELECTED | LVNI_FOCUSED)))
            return row;
    }
    return -1;
}

int CListCtrl::FindItem(const LVFINDINFO* info, int start) const
{
    const ListViewWidget* list = listWidget();
    if (!list || !info || !(info->flags & LVFI_PARAM))
        return -1;
    return list->FindParam(info->lParam, start);
}

bool CListCtrl::SortItems(PFNLVCOMPARE compare, LPARAM sortData)
{
    if (!compare)
        AfxThrowInvalidArgException("SortItems: no comparison was given.");
    checkedWidget("SortItems")->SortByParams(compare, sortData);
    return true;
}

int CListCtrl::HitTest(LVHITTESTINFO* info) const
{
    const ListViewWidget* list = checkedWidget("HitTest");
    int column = 0;
    info->iItem = list->HitTest(QPoint(info->pt.x, info->pt.y), &column, &info->flags);
    return info->iItem;
}

int CListCtrl::SubItemHitTest(LVHITTESTINFO* info) const
{
    const ListViewWidget* list = checkedWidget("SubItemHitTest");
    info->iItem = list->HitTest(QPoint(info->pt.x, info->pt.y), &info->iSubItem, &info->flags);
    return info->iItem;
}

CEdit* CListCtrl::EditLabel(int row)
{
    ListViewWidget* list = checkedWidget("EditLabel");
    if (row == -1) {
        list->EndLabelEdit(false);
        return nullptr;
    }
    CheckRow(list, row, "EditLabel");
    list->BeginLabelEdit(row);
    return GetEditControl();
}

CEdit* CListCtrl::GetEditControl() const
{
    const ListViewWidget* list = listWidget();
    QLineEdit* editor = list ? list->LabelEditor() : nullptr;
    if (!editor)
        return nullptr;
    if (m_labelEdit.GetSafeHwnd() != editor) {
        m_labelEdit.Detach();
        m_labelEdit.Attach(editor);
    }
    return &m_labelEdit;
}
