#include "controls/listboxex.h"

#include "controls/controlslogging.h"
#include "controls/inplacebutton.h"
#include "controls/inplaceedit.h"
#include "controls/inplacenotify.h"
#include "controls/listboxexbuddy.h"
#include "controls/listboxexparent.h"
#include "host/sharedids/sharedids.h"
#include "platform/core/invalidarg.h"
#include "platform/drawing/syscolors.h"
#include "platform/windows/messagebox.h"

#include <QAbstractItemView>
#include <QEvent>
#include <QFontMetrics>
#include <QPainter>

#include <algorithm>
#include <exception>

IMPLEMENT_DYNAMIC(CListBoxEx, CDragListBox)

namespace {

constexpr UINT InPlaceEditId = 1;
constexpr UINT InPlaceButtonId = 2;
const char* const ErrorTitle = "Profile Editor";

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

void AcceptCurrentKey(const CWnd* wnd)
{
    if (QEvent* event = wnd->CurrentEvent())
        event->accept();
}

} // namespace

CListBoxEx::CListBoxEx() = default;

CListBoxEx::~CListBoxEx()
{
    for (const QMetaObject::Connection& connection : m_rowWatch)
        QObject::disconnect(connection);
    // Nothing is left to end: the edit goes without reporting.
    m_editingIndex = -1;
    if (m_edit) {
        m_edit->Hide();
        m_edit->DestroyWindow();
    }
    if (m_button) {
        m_button->Hide();
        m_button->DestroyWindow();
    }
}

IListBoxExParent* CListBoxEx::ParentView() const
{
    return dynamic_cast<IListBoxExParent*>(GetParent());
}

int CListBoxEx::RowCount() const
{
    return GetCount() - (m_sentinel ? 1 : 0);
}

void CListBoxEx::CheckRow(int index, const char* operation, bool orEnd) const
{
    const int count = RowCount();
    if (index >= 0 && (index < count || (orEnd && index == count)))
        return;
    CString text;
    text.Format("%s: the list has no row %d, only %d row%s.", operation, index, count, count == 1 ? "" : "s");
    AfxThrowInvalidArgException(text);
}

void CListBoxEx::Report(ListRowEvent::Kind kind, int row, int toRow, const char* text)
{
    if (IListBoxExParent* parent = ParentView())
        parent->OnListRowEvent(*this, ListRowEvent {kind, row, toRow, text, RowCount()});
}

void CListBoxEx::ReportError(const char* text)
{
    CWnd* parent = GetParent();
    MessageBox(parent ? parent->GetSafeHwnd() : GetSafeHwnd(), text, ErrorTitle, MB_OK | MB_ICONEXCLAMATION);
}

void CListBoxEx::CreateInPlaceControls()
{
    if (m_edit || !GetSafeHwnd())
        return;
    m_edit = std::make_unique<CInPlaceEdit>();
    m_edit->Create(m_editStyle | WS_CHILD | WS_BORDER, CRect(), this, InPlaceEditId);
    m_edit->SetFont(GetFont());
    m_button = std::make_unique<CInPlaceButton>();
    m_button->Create("...", WS_CHILD, CRect(), this, InPlaceButtonId);
    if (const auto* view = qobject_cast<const QAbstractItemView*>(GetSafeHwnd())) {
        const QAbstractItemModel* rows = view->model();
        m_rowWatch.push_back(QObject::connect(rows, &QAbstractItemModel::rowsInserted,
            [this](const QModelIndex&, int first, int last) { FollowRowsInserted(first, last); }));
        m_rowWatch.push_back(QObject::connect(rows, &QAbstractItemModel::rowsRemoved,
            [this](const QModelIndex&, int first, int last) { FollowRowsRemoved(first, last); }));
        m_rowWatch.push_back(QObject::connect(rows, &QAbstractItemModel::modelReset, [this] { FollowReset(); }));
    }
}

void CListBoxEx::FollowRowsInserted(int first, int last)
{
    const int count = last - first + 1;
    if (m_currentIndex >= first)
        m_currentIndex += count;
    if (m_editingIndex >= first)
        m_editingIndex += count;
}

void CListBoxEx::FollowRowsRemoved(int first, int last)
{
    const int count = last - first + 1;
    if (m_currentIndex > last)
        m_currentIndex -= count;
    else if (m_currentIndex >= first)
        m_currentIndex = -1;
    if (m_editingIndex > last)
        m_editingIndex -= count;
    else if (m_editingIndex >= first)
        CloseEditSilently("its row was removed");
}

void CListBoxEx::FollowReset()
{
    m_currentIndex = -1;
    if (m_editingIndex != -1)
        CloseEditSilently("the list was emptied");
}

void CListBoxEx::CloseEditSilently(const char* why)
{
    // Commands end an open edit before they change the rows; this is the
    // guard for a change that did not.
    qCWarning(lcControls, "The in-place edit of row %d closes without storing its text: %s.", m_editingIndex, why);
    m_editingIndex = -1;
    if (m_edit)
        m_edit->Hide();
    if (m_button)
        m_button->Hide();
}

// Row operations.

int CListBoxEx::AddItem(const char* text)
{
    Report(ListRowEvent::Kind::Inserting, -1, -1, text);
    // While a drag runs its sentinel stays the last row.
    return m_sentinel ? InsertString(RowCount(), text) : AddString(text);
}

int CListBoxEx::InsertItem(int index, const char* text)
{
    // Inserting at the row count appends.
    CheckRow(index, "Insert row", true);
    Report(ListRowEvent::Kind::Inserting, index, -1, text);
    InsertString(index, text);
    return index;
}

int CListBoxEx::RemoveItem(int index)
{
    CheckRow(index, "Remove row");
    // The parent acts on the row going away as the selected one (the plot
    // list's parent takes the plotted role from the selected entry's profile).
    SetCurSel(index);
    Report(ListRowEvent::Kind::Removing, index);
    // The parent may have changed the rows meanwhile.
    CheckRow(index, "Remove row");
    DeleteString(index);
    const int count = RowCount();
    if (index >= count)
        index = count - 1;
    SetCurSel(index);
    m_currentIndex = GetCurSel();
    return count;
}

void CListBoxEx::ReplaceRow(int index, const CString& text, DWORD_PTR data)
{
    const int selected = GetCurSel();
    const int current = m_currentIndex;
    RedrawOff redrawOff(this);
    DeleteString(index);
    InsertString(index, text);
    SetItemData(index, data);
    // The row is where it was, and so are the selection and the row the user
    // clicked: the removal must not leave them on a neighbour.
    if (GetCurSel() != selected)
        SetCurSel(selected);
    m_currentIndex = current;
}

void CListBoxEx::ReplaceItem(int index, const char* text, DWORD_PTR data)
{
    CheckRow(index, "Replace row");
    const CString newText(text); // `text` may be the row's own
    Report(ListRowEvent::Kind::Editing, index, -1, newText);
    ReplaceRow(index, newText, data);
}

void CListBoxEx::SetItemText(int index, const char* text)
{
    CheckRow(index, "Set row text");
    ReplaceItem(index, text, GetItemData(index));
}

void CListBoxEx::SwapItems(int first, int second)
{
    if (first == second)
        return;
    CheckRow(first, "Move row");
    CheckRow(second, "Move row");
    const int low = std::min(first, second);
    const int high = std::max(first, second);
    // A swap is the lower row moving down to the higher's place, then the
    // higher (now one up) moving to the lower's place.
    Report(ListRowEvent::Kind::Moving, low, high);
    if (high - 1 != low)
        Report(ListRowEvent::Kind::Moving, high - 1, low);
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
    m_currentIndex = index - 1;
}

void CListBoxEx::MoveItemDown(int index)
{
    if (index == -1 || index == RowCount() - 1)
        return;
    SwapItems(index, index + 1);
    SetCurSel(index + 1);
    m_currentIndex = index + 1;
}

// In-place editing.

void CListBoxEx::BeginEdit(int index)
{
    if (!m_editable || m_editingIndex != -1 || !m_edit || !m_edit->GetSafeHwnd())
        return;
    // The parent may have nowhere to keep the rows typed (Insert reaches the
    // list while its strip is disabled).
    if (const IListBoxExParent* parent = ParentView(); parent && !parent->CanAddRows(*this))
        return;
    const int count = RowCount();
    if (index < 0)
        CheckRow(index, "Edit row");
    if (index >= count) {
        index = count;
        AddItem("");
    }
    SetCurSel(index);
    m_currentIndex = index;
    m_editingIndex = index;

    CRect row;
    GetItemRect(index, &row);
    const bool withButton = m_editStyle & InPlaceButtonEditStyle;
    m_editRect = row;
    m_editRect.left += 5;
    m_editRect.right -= withButton ? 30 : 5;
    m_editRect.InflateRect(0, 2);
    m_edit->SetWindowText(GetText(index));
    m_edit->ShowAt(m_editRect);

    m_buttonRect = row;
    if (withButton && m_button) {
        m_buttonRect.left = m_editRect.right;
        m_buttonRect.right = row.right - 5;
        m_buttonRect.InflateRect(0, 2);
        m_button->ShowAt(m_buttonRect);
    }
}

void CListBoxEx::AppendAndEdit()
{
    BeginEdit(RowCount());
}

void CListBoxEx::EndEdit(bool cancelled)
{
    if (m_edit)
        m_edit->Hide();
    if (m_button)
        m_button->Hide();
    const int index = m_editingIndex;
    if (index == -1 || !m_edit)
        return;
    // Closed before anything that may fail or report back.
    m_editingIndex = -1;
    CheckRow(index, "End edit");
    CString text = m_edit->GetWindowText();
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
    if (m_editingIndex != -1)
        EndEdit(!AcceptEdit(m_editingIndex, false));
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
        ReportError(error.what());
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
    DrawMark(m_nLast);
    DrawMark(index);
    m_nLast = index;
}

void CListBoxEx::DrawMark(int index)
{
    if (index == -1)
        return;
    CRect row;
    if (GetItemRect(index, &row) == LB_ERR)
        return;
    // A bar along the top edge of the row with a cap at each end.
    InvertHalftoneRect(CRect(row.left + 5, row.top - 2, row.right - 5, row.top + 2));
    InvertHalftoneRect(CRect(row.left + 2, row.top - 6, row.left + 5, row.top + 6));
    InvertHalftoneRect(CRect(row.right - 5, row.top - 6, row.right - 2, row.top + 6));
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
        ReportError(error.what());
        return 0;
    }
}

bool CListBoxEx::OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result)
{
    // Notifications of the in-place button come back to it first.
    if (CDragListBox::OnWndMsg(message, wParam, lParam, result))
        return true;
    if (message == SharedIds::ListControlMessage()) {
        *result = OnInPlaceNotify(reinterpret_cast<const InPlaceNotify*>(lParam));
        return true;
    }
    *result = 0;
    switch (message) {
    case WM_CREATE:
        // The creation record has no extended style: the edge is set here.
        ModifyStyleEx(0, WS_EX_CLIENTEDGE);
        ApplyStyleToWidget();
        CreateInPlaceControls();
        return true;
    case WM_LBUTTONDOWN:
        OnLButtonDown(lParam);
        return true;
    case WM_LBUTTONDBLCLK:
        OnLButtonDblClk(lParam);
        return true;
    case WM_KEYDOWN:
        OnKeyDown(static_cast<UINT>(wParam));
        return true;
    case WM_SYSKEYDOWN:
        OnSysKeyDown(static_cast<UINT>(wParam));
        return true;
    case WM_KILLFOCUS:
        Default();
        m_currentIndex = -1;
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
        *result = OnDragListNotify(*reinterpret_cast<const DRAGLISTINFO*>(lParam));
    } catch (const std::exception& error) {
        *result = 0;
        ReportError(error.what());
    }
    return true;
}

void CListBoxEx::OnLButtonDown(LPARAM point)
{
    Default();
    POINT screen {GET_X_LPARAM(point), GET_Y_LPARAM(point)};
    ClientToScreen(&screen);
    const int row = ItemFromPt(screen, FALSE);
    if (row != -1)
        m_currentIndex = row;
}

void CListBoxEx::OnLButtonDblClk(LPARAM point)
{
    Default();
    if (!m_editable)
        return;
    POINT screen {GET_X_LPARAM(point), GET_Y_LPARAM(point)};
    ClientToScreen(&screen);
    const int row = ItemFromPt(screen, FALSE);
    if (row != -1 && CanEditItem(row))
        BeginEdit(row);
}

void CListBoxEx::FollowSelection(int selectionBefore)
{
    // A row chosen with the mouse that the keyboard moved away from is no
    // longer the row the user means: Delete and F2 act on the selected one.
    if (m_currentIndex == -1)
        return;
    const int selection = GetCurSel();
    if (selection != selectionBefore)
        m_currentIndex = selection;
}

void CListBoxEx::OnKeyDown(UINT key)
{
    if (key == VK_F2 || key == VK_DELETE || key == VK_INSERT)
        CommitEdit();
    const int selectionBefore = GetCurSel();
    Default();
    FollowSelection(selectionBefore);
    switch (key) {
    case VK_F2:
        AcceptCurrentKey(this);
        if (m_currentIndex != -1 && m_editable && CanEditItem(m_currentIndex))
            BeginEdit(m_currentIndex);
        break;
    case VK_DELETE:
        AcceptCurrentKey(this);
        if (m_currentIndex != -1)
            RemoveItem(m_currentIndex);
        break;
    case VK_INSERT: {
        AcceptCurrentKey(this);
        const UINT buttons = m_strip ? m_strip->GetButtonCount() : 0;
        if (buttons == 2 || buttons == 4)
            AppendAndEdit();
        break;
    }
    default:
        break;
    }
}

void CListBoxEx::OnSysKeyDown(UINT key)
{
    if (m_reorder && (key == VK_UP || key == VK_LEFT || key == VK_DOWN || key == VK_RIGHT))
        CommitEdit();
    const int selectionBefore = GetCurSel();
    switch (key) {
    case VK_UP:
    case VK_LEFT:
        if (m_reorder) {
            AcceptCurrentKey(this);
            MoveItemUp(GetCurSel());
        }
        break;
    case VK_DOWN:
    case VK_RIGHT:
        if (m_reorder) {
            AcceptCurrentKey(this);
            MoveItemDown(GetCurSel());
        }
        break;
    default:
        break;
    }
    Default();
    FollowSelection(selectionBefore);
}

LRESULT CListBoxEx::OnInPlaceNotify(const InPlaceNotify* notify)
{
    if (!notify)
        return 1;
    switch (notify->reason) {
    case InPlaceNotify::Key:
        if (notify->KeyCode() == VK_ESCAPE) {
            AcceptEdit(m_editingIndex, true);
            EndEdit(true);
        } else {
            EndEdit(!AcceptEdit(m_editingIndex, false));
        }
        // The focus is back on the list, on the edited row (or where its
        // removal left the selection): F2 and Delete act there.
        m_currentIndex = GetCurSel();
        return 1;
    case InPlaceNotify::ButtonClick:
        OnInPlaceButtonClick(m_editingIndex, *notify);
        return 0;
    case InPlaceNotify::FocusLost: {
        // Between the edit and its own button the edit stays open.
        const HWND to = notify->FocusWindow();
        if (to && ((m_edit && to == m_edit->GetSafeHwnd()) || (m_button && to == m_button->GetSafeHwnd())))
            return 0;
        CommitEdit();
        return 1;
    }
    default:
        return 1;
    }
}

LRESULT CListBoxEx::OnDragListNotify(const DRAGLISTINFO& info)
{
    const CPoint point(info.ptCursor.x, info.ptCursor.y);
    // No drag while a row is being edited or reordering is off; the clean-up
    // of a drag still runs, so that neither mark nor sentinel outlives it.
    const bool refused = m_editingIndex != -1 || !m_reorder;
    switch (info.uNotification) {
    case DL_BEGINDRAG:
        if (refused)
            return 0;
        // An empty row after the last gives the drop a place at the end.
        if (!m_sentinel) {
            AddString("");
            m_sentinel = TRUE;
        }
        return 1;
    case DL_DRAGGING:
        return refused ? 0 : Dragging(point);
    case DL_DROPPED:
        if (refused) {
            DrawInsert(-1);
            RemoveSentinel();
        } else {
            OnDropped(point);
        }
        return 0;
    case DL_CANCELDRAG:
        DrawInsert(-1);
        RemoveSentinel();
        return 0;
    default:
        return 0;
    }
}

void CListBoxEx::RemoveSentinel()
{
    if (!m_sentinel)
        return;
    m_sentinel = FALSE;
    const int count = GetCount();
    if (count > 0)
        DeleteString(count - 1);
}

void CListBoxEx::OnDropped(CPoint point)
{
    // However the drop ends, the mark and the sentinel go.
    struct CleanUp {
        CListBoxEx* list;
        ~CleanUp()
        {
            list->DrawInsert(-1);
            list->RemoveSentinel();
        }
    } cleanUp {this};

    const int source = GetCurSel();
    // The row lands before the one under the point: reported before it moves.
    const int target = source == -1 ? -1 : ItemFromPt(point, FALSE);
    if (target != -1 && target != source && target != source + 1)
        Report(ListRowEvent::Kind::Moving, source, source < target ? target - 1 : target);
    Dropped(source, point);
    RemoveSentinel();
    m_currentIndex = GetCurSel();
}
