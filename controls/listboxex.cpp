#include "controls/listboxex.h"

#include "controls/inplaceedit.h"
#include "controls/inplacenotify.h"
#include "host/sharedids/sharedids.h"
#include "platform/drawing/syscolors.h"

#include <QAbstractItemView>
#include <QFontMetrics>
#include <QPainter>

#include <algorithm>
#include <exception>

IMPLEMENT_DYNAMIC(CListBoxEx, CDragListBox)

namespace {

// Drawing is off for a compound change and on again however the change ends.
class RedrawOff {
public:
    explicit RedrawOff(CWnd* wnd) : m_wnd(wnd) { m_wnd->SetRedraw(false); }
    ~RedrawOff() { m_wnd->SetRedraw(true); }
    RedrawOff(const RedrawOff&) = delete;
    RedrawOff& operator=(const RedrawOff&) = delete;

private:
    CWnd* m_wnd;
};

QRect ToQRect(const RECT& rect)
{
    return QRect(rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top);
}

// The classic dotted focus rectangle, inverted so that it shows on any ground.
void DrawFocusRect(QPainter* painter, const QRect& rect)
{
    painter->save();
    painter->setCompositionMode(QPainter::RasterOp_SourceXorDestination);
    QPen dotted(Qt::white);
    dotted.setWidth(0);
    dotted.setDashPattern({1, 1});
    painter->setPen(dotted);
    painter->setBrush(Qt::NoBrush);
    painter->drawRect(rect.adjusted(0, 0, -1, -1));
    painter->restore();
}

void DrawInsertMark(CListBox& list, int index)
{
    if (index == -1)
        return;
    CRect row;
    if (list.GetItemRect(index, &row) == LB_ERR)
        return;
    // A bar along the top edge of the row with a cap at each end.
    list.InvertHalftoneRect(CRect(row.left + 5, row.top - 2, row.right - 5, row.top + 2));
    list.InvertHalftoneRect(CRect(row.left + 2, row.top - 6, row.left + 5, row.top + 6));
    list.InvertHalftoneRect(CRect(row.right - 5, row.top - 6, row.right - 2, row.top + 6));
}

} // namespace

CListBoxEx::CListBoxEx() = default;

CListBoxEx::~CListBoxEx()
{
    m_rows.StopWatching();
    m_editing.Destroy();
}

void CListBoxEx::CreateInPlaceControls()
{
    if (m_editing.Edit() || !GetSafeHwnd())
        return;
    m_editing.Create();
    if (const auto* view = qobject_cast<const QAbstractItemView*>(GetSafeHwnd()))
        m_rows.Watch(view->model());
}

// Row operations.

int CListBoxEx::AddItem(const char* text)
{
    m_report.Report(ListRowEvent::Kind::Inserting, RowCount(), -1, -1, text);
    // While a drag runs its sentinel stays the last row.
    const int rows = RowCount();
    return rows < GetCount() ? InsertString(rows, text) : AddString(text);
}

int CListBoxEx::InsertItem(int index, const char* text)
{
    // Inserting at the row count appends.
    ListRowReport::CheckRow(index, RowCount(), "Insert row", true);
    m_report.Report(ListRowEvent::Kind::Inserting, RowCount(), index, -1, text);
    InsertString(index, text);
    return index;
}

int CListBoxEx::RemoveItem(int index)
{
    ListRowReport::CheckRow(index, RowCount(), "Remove row");
    // The parent acts on the row going away as the selected one (the plot
    // list's parent takes the plotted role from the selected entry's profile).
    SetCurSel(index);
    m_report.Report(ListRowEvent::Kind::Removing, RowCount(), index);
    // The parent may have changed the rows meanwhile.
    ListRowReport::CheckRow(index, RowCount(), "Remove row");
    DeleteString(index);
    const int count = RowCount();
    if (index >= count)
        index = count - 1;
    SetCurSel(index);
    m_rows.SetCurrent(GetCurSel());
    return count;
}

void CListBoxEx::ReplaceRow(int index, const CString& text, DWORD_PTR data)
{
    const int selected = GetCurSel();
    const int current = m_rows.Current();
    RedrawOff redrawOff(this);
    DeleteString(index);
    InsertString(index, text);
    SetItemData(index, data);
    // The row is where it was, and so are the selection and the row the user
    // clicked: the removal must not leave them on a neighbour.
    if (GetCurSel() != selected)
        SetCurSel(selected);
    m_rows.SetCurrent(current);
}

void CListBoxEx::ReplaceItem(int index, const char* text, DWORD_PTR data)
{
    ListRowReport::CheckRow(index, RowCount(), "Replace row");
    const CString newText(text); // `text` may be the row's own
    m_report.Report(ListRowEvent::Kind::Editing, RowCount(), index, -1, newText);
    ReplaceRow(index, newText, data);
}

void CListBoxEx::SetItemText(int index, const char* text)
{
    ListRowReport::CheckRow(index, RowCount(), "Set row text");
    ReplaceItem(index, text, GetItemData(index));
}

void CListBoxEx::SwapItems(int first, int second)
{
    if (first == second)
        return;
    ListRowReport::CheckRow(first, RowCount(), "Move row");
    ListRowReport::CheckRow(second, RowCount(), "Move row");
    const int low = std::min(first, second);
    const int high = std::max(first, second);
    // A swap is the lower row moving down to the higher's place, then the
    // higher (now one up) moving to the lower's place.
    m_report.Report(ListRowEvent::Kind::Moving, RowCount(), low, high);
    if (high - 1 != low)
        m_report.Report(ListRowEvent::Kind::Moving, RowCount(), high - 1, low);
    const CString lowText = GetText(low);
    const CString highText = GetText(high);
    const DWORD_PTR lowData = GetItemData(low);
    const DWORD_PTR highData = GetItemData(high);
    ReplaceRow(low, highText, highData);
    ReplaceRow(high, lowText, lowData);
}

void CListBoxEx::MoveItemUp(int index)
{
    if (index <= 0)
        return;
    SwapItems(index, index - 1);
    SetCurSel(index - 1);
    // Delete and F2 act on the row the user sees selected: the moved one.
    m_rows.SetCurrent(index - 1);
}

void CListBoxEx::MoveItemDown(int index)
{
    if (index == -1 || index == RowCount() - 1)
        return;
    SwapItems(index, index + 1);
    SetCurSel(index + 1);
    m_rows.SetCurrent(index + 1);
}

// In-place editing.

void CListBoxEx::BeginEdit(int index)
{
    if (!m_editing.IsEnabled() || m_editing.Row() != -1 || !m_editing.IsCreated())
        return;
    // The parent may have nowhere to keep the rows typed (Insert reaches the
    // list while its strip is disabled).
    if (const IListBoxExParent* parent = m_report.Parent(); parent && !parent->CanAddRows(*this))
        return;
    const int count = RowCount();
    if (index < 0)
        ListRowReport::CheckRow(index, count, "Edit row");
    if (index >= count) {
        index = count;
        AddItem("");
    }
    SetCurSel(index);
    m_rows.SetCurrent(index);
    m_editing.Open(index);
}

void CListBoxEx::AppendAndEdit()
{
    BeginEdit(RowCount());
}

void CListBoxEx::EndEdit(bool cancelled)
{
    // Closed before anything that may fail or report back.
    const int index = m_editing.Close();
    if (index == -1 || !m_editing.Edit())
        return;
    ListRowReport::CheckRow(index, RowCount(), "End edit");
    CString text = m_editing.Text();
    text.Trim();
    // An empty row is never kept: not when the text was cleared, and not when
    // the edit of a fresh (empty) row was cancelled.
    if (text.IsEmpty() || (cancelled && GetText(index).IsEmpty())) {
        RemoveItem(index);
    } else if (!cancelled) {
        SetItemText(index, text);
        SetCurSel(index);
    }
    Invalidate();
}

void CListBoxEx::CommitEdit()
{
    if (m_editing.Row() != -1)
        EndEdit(!AcceptEdit(m_editing.Row(), false));
}

void CListBoxEx::ButtonStripCommand(int command)
{
    try {
        // A strip pressed without taking the focus (an assistive tool's press)
        // finds the edit still open: it ends first, and the command then acts
        // on the rows as the edit left them.
        CommitEdit();
        if (command == 0) {
            AppendAndEdit();
            return;
        }
        const int selected = GetCurSel();
        if (selected == LB_ERR)
            return;
        switch (command) {
        case 1:
            RemoveItem(selected);
            break;
        case 2:
            MoveItemUp(selected);
            break;
        case 3:
            MoveItemDown(selected);
            break;
        default:
            break;
        }
    } catch (const std::exception& error) {
        m_report.Error(error.what());
    }
}

bool CListBoxEx::CanEditItem(int /*index*/)
{
    return true;
}

bool CListBoxEx::AcceptEdit(int /*index*/, bool /*cancelled*/)
{
    return true;
}

void CListBoxEx::OnInPlaceButtonClick(int /*index*/, const InPlaceNotify& /*notify*/)
{
}

// Drawing.

void CListBoxEx::DrawItem(DRAWITEMSTRUCT* drawItem)
{
    if (drawItem->itemID == static_cast<UINT>(-1) || !(drawItem->itemAction & (ODA_DRAWENTIRE | ODA_SELECT)))
        return;
    QPainter* painter = drawItem->hDC;
    const QRect rect = ToQRect(drawItem->rcItem);
    const bool selected = drawItem->itemState & ODS_SELECTED;
    // The selected row takes the caption colour, as the editor's lists always
    // have, not the highlight colour.
    painter->fillRect(rect, GetSysColorBrush(selected ? COLOR_ACTIVECAPTION : COLOR_WINDOW));
    const QPen previous = painter->pen();
    painter->setPen(GetSysColor(selected ? COLOR_HIGHLIGHTTEXT : COLOR_WINDOWTEXT));
    painter->setBackgroundMode(Qt::TransparentMode);
    painter->drawText(rect.adjusted(8, 0, 0, 0), Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine,
        GetText(static_cast<int>(drawItem->itemID)).ToQString());
    if (selected) {
        painter->setPen(previous);
        DrawFocusRect(painter, rect);
    }
}

void CListBoxEx::MeasureItem(MEASUREITEMSTRUCT* measureItem)
{
    const QFontMetrics metrics(GetFont());
    measureItem->itemHeight = static_cast<UINT>(metrics.height() + std::max(0, metrics.leading()));
}

void CListBoxEx::DrawInsert(int index)
{
    if (index == m_nLast)
        return;
    DrawInsertMark(*this, m_nLast);
    DrawInsertMark(*this, index);
    m_nLast = index;
}

// Window.

bool CListBoxEx::PreCreateWindow(CREATESTRUCT& cs)
{
    cs.style |= ListBoxExStyle;
    return CDragListBox::PreCreateWindow(cs);
}

void CListBoxEx::PreSubclassWindow()
{
    ModifyStyle(0, ListBoxExStyle);
    ModifyStyleEx(0, WS_EX_CLIENTEDGE);
    ApplyStyleToWidget();
    CDragListBox::PreSubclassWindow();
    CreateInPlaceControls();
}

LRESULT CListBoxEx::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    // Errors end the operation here, before they could reach the event loop.
    try {
        return CDragListBox::WindowProc(message, wParam, lParam);
    } catch (const std::exception& error) {
        m_report.Error(error.what());
        return 0;
    }
}

bool CListBoxEx::OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result)
{
    // Notifications of the in-place button come back to it first.
    if (CDragListBox::OnWndMsg(message, wParam, lParam, result))
        return true;
    if (message == SharedIds::ListControlMessage()) {
        *result = m_input.OnInPlaceNotify(reinterpret_cast<const InPlaceNotify*>(lParam));
        return true;
    }
    *result = 0;
    if (m_input.OnMessage(message, wParam, lParam))
        return true;
    switch (message) {
    case WM_CREATE:
        // The creation record has no extended style: the edge is set here.
        ModifyStyleEx(0, WS_EX_CLIENTEDGE);
        ApplyStyleToWidget();
        CreateInPlaceControls();
        return true;
    default:
        return false;
    }
}

bool CListBoxEx::OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result)
{
    if (message != DragListMessage() || !lParam)
        return CDragListBox::OnChildNotify(message, wParam, lParam, result);
    // The parent's handler is no place for an error to end up.
    try {
        *result = m_drag.OnNotify(*reinterpret_cast<const DRAGLISTINFO*>(lParam), m_editing.Row() != -1);
    } catch (const std::exception& error) {
        *result = 0;
        m_report.Error(error.what());
    }
    return true;
}
