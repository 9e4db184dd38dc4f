#include "platform/controls/listbox.h"

#include "platform/controls/childcontrol.h"
#include "platform/controls/listboxwidget.h"
#include "platform/core/invalidarg.h"
#include "platform/drawing/syscolors.h"

#include <QByteArray>
#include <QItemSelectionModel>
#include <QPainter>

IMPLEMENT_DYNAMIC(CListBox, CWnd)

namespace {

[[noreturn]] void ThrowNoRow(const char* operation, int index, int count)
{
    CString text;
    text.Format("%s: the list has no row %d (it has %d rows).", operation, index, count);
    AfxThrowInvalidArgException(text);
}

// A row keeps its narrow text only and shows it converted when asked, so that
// adding many rows converts only those that are shown.
class ListBoxRow : public QListWidgetItem {
public:
    QVariant data(int role) const override
    {
        if (role == Qt::DisplayRole)
            return QString::fromLocal8Bit(QListWidgetItem::data(ListBoxWidget::TextRole).toByteArray());
        return QListWidgetItem::data(role);
    }
};

QListWidgetItem* NewRow(const char* text)
{
    auto* row = new ListBoxRow;
    row->setData(ListBoxWidget::TextRole, QByteArray(text ? text : ""));
    row->setData(ListBoxWidget::ItemDataRole, QVariant::fromValue<qulonglong>(0));
    return row;
}

QListWidgetItem* RowAt(ListBoxWidget* list, int index, const char* operation)
{
    const int count = list ? list->count() : 0;
    if (!list || index < 0 || index >= count)
        ThrowNoRow(operation, index, count);
    return list->item(index);
}

} // namespace

ListBoxWidget* CListBox::listWidget() const
{
    return qobject_cast<ListBoxWidget*>(GetSafeHwnd());
}

bool CListBox::PreCreateWindow(CREATESTRUCT& /*cs*/)
{
    return true;
}

bool CListBox::Create(DWORD style, const RECT& rect, CWnd* parent, UINT id)
{
    CREATESTRUCT cs = MakeChildCreateStruct(style, rect);
    if (!PreCreateWindow(cs))
        return false;
    // The creation record carries no extended style: a class that wants one
    // sets it when it receives WM_CREATE.
    return CreateChildControl(this, new ListBoxWidget(cs.style), cs, 0, parent, id);
}

void CListBox::ApplyStyleToWidget()
{
    if (ListBoxWidget* list = listWidget())
        list->ApplyStyle(GetStyle(), GetExStyle());
}

int CListBox::GetCount() const
{
    const ListBoxWidget* list = listWidget();
    return list ? list->count() : 0;
}

int CListBox::GetText(int index, CString& text) const
{
    const QByteArray bytes = RowAt(listWidget(), index, "GetText")->data(ListBoxWidget::TextRole).toByteArray();
    text = CString(bytes.constData(), static_cast<int>(bytes.size()));
    return text.GetLength();
}

CString CListBox::GetText(int index) const
{
    CString text;
    GetText(index, text);
    return text;
}

int CListBox::GetTextLen(int index) const
{
    return GetText(index).GetLength();
}

DWORD_PTR CListBox::GetItemData(int index) const
{
    return RowAt(listWidget(), index, "GetItemData")->data(ListBoxWidget::ItemDataRole).toULongLong();
}

void CListBox::SetItemData(int index, DWORD_PTR data)
{
    RowAt(listWidget(), index, "SetItemData")
        ->setData(ListBoxWidget::ItemDataRole, QVariant::fromValue<qulonglong>(data));
}

int CListBox::AddString(const char* text)
{
    return InsertString(-1, text);
}

int CListBox::InsertString(int index, const char* text)
{
    ListBoxWidget* list = listWidget();
    const int count = list ? list->count() : 0;
    if (index == -1)
        index = count;
    if (!list || index < 0 || index > count)
        ThrowNoRow("InsertString", index, count);
    list->insertItem(index, NewRow(text));
    return index;
}

int CListBox::DeleteString(int index)
{
    ListBoxWidget* list = listWidget();
    RowAt(list, index, "DeleteString");
    delete list->takeItem(index);
    return list->count();
}

void CListBox::ResetContent()
{
    if (ListBoxWidget* list = listWidget())
        list->clear();
}

int CListBox::GetCurSel() const
{
    const ListBoxWidget* list = listWidget();
    if (!list)
        return LB_ERR;
    switch (list->selectionMode()) {
    case QAbstractItemView::SingleSelection: {
        const QModelIndexList selected = list->selectionModel()->selectedIndexes();
        return selected.isEmpty() ? LB_ERR : selected.first().row();
    }
    case QAbstractItemView::NoSelection:
        return LB_ERR;
    default:
        return list->currentRow() >= 0 ? list->currentRow() : LB_ERR;
    }
}

int CListBox::SetCurSel(int index)
{
    ListBoxWidget* list = listWidget();
    if (!list)
        return LB_ERR;
    if (index < 0 || index >= list->count()) {
        list->clearSelection();
        return LB_ERR;
    }
    list->setCurrentRow(index, QItemSelectionModel::ClearAndSelect);
    list->scrollToItem(list->item(index));
    return index;
}

int CListBox::GetSel(int index) const
{
    ListBoxWidget* list = listWidget();
    if (!list || index < 0 || index >= list->count())
        return LB_ERR;
    return list->item(index)->isSelected() ? 1 : 0;
}

int CListBox::SetSel(int index, bool select)
{
    ListBoxWidget* list = listWidget();
    if (!list || list->selectionMode() == QAbstractItemView::NoSelection)
        return LB_ERR;
    if (index == -1) {
        if (select)
            list->selectAll();
        else
            list->clearSelection();
        return 0;
    }
    if (index < 0 || index >= list->count())
        return LB_ERR;
    list->item(index)->setSelected(select);
    return 0;
}

int CListBox::GetSelCount() const
{
    const ListBoxWidget* list = listWidget();
    return list ? static_cast<int>(list->selectionModel()->selectedIndexes().size()) : LB_ERR;
}

int CListBox::GetItemRect(int index, RECT* rect) const
{
    *rect = RECT {};
    ListBoxWidget* list = listWidget();
    if (!list || index < 0 || index >= list->count())
        return LB_ERR;
    const QRect r = list->visualItemRect(list->item(index));
    *rect = RECT {r.left(), r.top(), r.left() + r.width(), r.top() + r.height()};
    return 0;
}

UINT CListBox::ItemFromPoint(CPoint point, BOOL& outside) const
{
    outside = TRUE;
    ListBoxWidget* list = listWidget();
    if (!list || list->count() == 0)
        return 0;
    const QModelIndex hit = list->indexAt(QPoint(point.x, point.y));
    if (hit.isValid()) {
        outside = FALSE;
        return static_cast<UINT>(hit.row());
    }
    // Above the rows the first is nearest, else the last.
    const QRect first = list->visualItemRect(list->item(0));
    return point.y < first.top() ? 0 : static_cast<UINT>(list->count() - 1);
}

int CListBox::GetTopIndex() const
{
    const ListBoxWidget* list = listWidget();
    return list ? list->TopIndex() : LB_ERR;
}

int CListBox::SetTopIndex(int index)
{
    ListBoxWidget* list = listWidget();
    if (!list || index < 0 || index >= list->count())
        return LB_ERR;
    list->SetTopIndex(index);
    return 0;
}

int CListBox::GetItemHeight(int /*index*/) const
{
    const ListBoxWidget* list = listWidget();
    return list ? list->RowHeight() : LB_ERR;
}

void CListBox::DrawItem(DRAWITEMSTRUCT* drawItem)
{
    // Plain rows: the text on the window colour, or highlighted when selected.
    QPainter* painter = drawItem->hDC;
    const QRect rect(drawItem->rcItem.left, drawItem->rcItem.top, drawItem->rcItem.right - drawItem->rcItem.left,
        drawItem->rcItem.bottom - drawItem->rcItem.top);
    const bool selected = drawItem->itemState & ODS_SELECTED;
    painter->fillRect(rect, GetSysColor(selected ? COLOR_HIGHLIGHT : COLOR_WINDOW));
    painter->setPen(GetSysColor(selected ? COLOR_HIGHLIGHTTEXT : COLOR_WINDOWTEXT));
    painter->drawText(rect.adjusted(2, 0, 0, 0), Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine,
        GetText(static_cast<int>(drawItem->itemID)).ToQString());
}

void CListBox::MeasureItem(MEASUREITEMSTRUCT* /*measureItem*/)
{
    // The font height the caller filled in stands.
}

void CListBox::InvertHalftoneRect(const RECT& rect)
{
    if (ListBoxWidget* list = listWidget())
        list->InvertHalftoneRect(QRect(rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top));
}
