#include "platform/controls/draglistbox.h"

#include "platform/controls/listboxwidget.h"
#include "platform/core/invalidarg.h"
#include "platform/core/logging.h"
#include "platform/core/registry.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QMouseEvent>
#include <QTimer>

#include <cstdlib>
#include <exception>

IMPLEMENT_DYNAMIC(CDragListBox, CListBox)

UINT DragListMessage()
{
    static const UINT message = [] {
        const UINT id = RegisterWindowMessage("commctrl_DragListMsg");
        RegisterReflectedMessage(id, [](LPARAM lParam) { return reinterpret_cast<const DRAGLISTINFO*>(lParam)->hWnd; });
        return id;
    }();
    return message;
}

int LBItemFromPt(HWND list, POINT screenPoint, BOOL autoScroll)
{
    auto* box = qobject_cast<ListBoxWidget*>(list);
    if (!box)
        return -1;
    QWidget* client = box->viewport();
    const QPoint point = client->mapFromGlobal(QPoint(screenPoint.x, screenPoint.y));
    if (client->rect().contains(point)) {
        const QModelIndex row = box->indexAt(point);
        return row.isValid() ? row.row() : -1;
    }
    if (autoScroll && point.x() >= 0 && point.x() < client->width()) {
        static QElapsedTimer lastScroll;
        if (!lastScroll.isValid() || lastScroll.elapsed() >= AutoScrollIntervalMs) {
            box->ScrollRows(point.y() < 0 ? -1 : 1);
            lastScroll.restart();
        }
    }
    return -1;
}

CDragListBox::CDragListBox()
{
    DragListMessage();
}

CDragListBox::~CDragListBox()
{
    delete m_scrollTimer.data();
}

void CDragListBox::PreSubclassWindow()
{
    CListBox::PreSubclassWindow();
    DragListMessage();
}

int CDragListBox::ItemFromPt(POINT screenPoint, BOOL autoScroll) const
{
    return LBItemFromPt(GetSafeHwnd(), screenPoint, autoScroll);
}

BOOL CDragListBox::BeginDrag(CPoint point)
{
    m_nLast = -1;
    DrawInsert(ItemFromPt(point));
    return TRUE;
}

void CDragListBox::CancelDrag(CPoint /*point*/)
{
    DrawInsert(-1);
}

UINT CDragListBox::Dragging(CPoint point)
{
    // The mark goes where the cursor is before the list may scroll under it.
    const int index = ItemFromPt(point, FALSE);
    DrawInsert(index);
    ItemFromPt(point);
    return index == -1 ? DL_STOPCURSOR : DL_MOVECURSOR;
}

void CDragListBox::Dropped(int sourceIndex, CPoint point)
{
    DrawInsert(-1);
    int target = ItemFromPt(point);
    if (sourceIndex == -1 || target == -1)
        return;
    if (sourceIndex < 0 || sourceIndex >= GetCount()) {
        CString text;
        text.Format("The dragged row %d is not a row of the list (it has %d rows).", sourceIndex, GetCount());
        AfxThrowInvalidArgException(text);
    }
    if (target == sourceIndex || target == sourceIndex + 1)
        return;
    const CString text = GetText(sourceIndex);
    const DWORD_PTR data = GetItemData(sourceIndex);
    DeleteString(sourceIndex);
    if (sourceIndex < target)
        --target;
    target = InsertString(target, text);
    SetItemData(target, data);
    SetCurSel(target);
}

void CDragListBox::DrawInsert(int index)
{
    if (index == m_nLast)
        return;
    DrawSingle(m_nLast);
    DrawSingle(index);
    m_nLast = index;
}

void CDragListBox::DrawSingle(int index)
{
    if (index == -1)
        return;
    CRect row;
    if (GetItemRect(index, &row) == LB_ERR)
        return;
    InvertHalftoneRect(CRect(row.left, row.top - 1, row.right, row.top + 1));
}

bool CDragListBox::OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result)
{
    if (message != DragListMessage() || !lParam)
        return CListBox::OnChildNotify(message, wParam, lParam, result);
    const auto* info = reinterpret_cast<const DRAGLISTINFO*>(lParam);
    const CPoint point(info->ptCursor.x, info->ptCursor.y);
    *result = 0;
    switch (info->uNotification) {
    case DL_BEGINDRAG:
        *result = BeginDrag(point);
        break;
    case DL_DRAGGING:
        *result = Dragging(point);
        break;
    case DL_DROPPED:
        Dropped(GetCurSel(), point);
        break;
    case DL_CANCELDRAG:
        CancelDrag(point);
        break;
    default:
        break;
    }
    return true;
}

LRESULT CDragListBox::NotifyParent(UINT code, POINT screenPoint)
{
    CWnd* parent = GetParent();
    if (!parent)
        return 0;
    DRAGLISTINFO info {code, GetSafeHwnd(), screenPoint};
    return parent->SendMessage(DragListMessage(), static_cast<WPARAM>(GetDlgCtrlID()), reinterpret_cast<LPARAM>(&info));
}

POINT CDragListBox::ToScreen(LPARAM clientPoint) const
{
    POINT point {GET_X_LPARAM(clientPoint), GET_Y_LPARAM(clientPoint)};
    ClientToScreen(&point);
    return point;
}

void CDragListBox::ShowDragCursor(LRESULT answer)
{
    QWidget* client = clientWidget();
    if (!client)
        return;
    switch (answer) {
    case DL_STOPCURSOR:
        client->setCursor(Qt::ForbiddenCursor);
        break;
    case DL_COPYCURSOR:
        client->setCursor(Qt::DragCopyCursor);
        break;
    case DL_MOVECURSOR:
        client->setCursor(Qt::DragMoveCursor);
        break;
    default:
        break;
    }
}

void CDragListBox::ContinueDrag(POINT screenPoint)
{
    m_lastScreenPoint = screenPoint;
    ShowDragCursor(NotifyParent(DL_DRAGGING, screenPoint));
    if (m_dragState != DragState::Dragging)
        return; // the parent ended the drag
    // Above or below the list, keep reporting so that it keeps scrolling while
    // the mouse rests there.
    POINT client = screenPoint;
    ScreenToClient(&client);
    CRect area;
    GetClientRect(&area);
    const bool outside = client.y < area.top || client.y >= area.bottom;
    if (!outside) {
        if (m_scrollTimer)
            m_scrollTimer->stop();
        return;
    }
    if (!m_scrollTimer) {
        m_scrollTimer = new QTimer(GetSafeHwnd());
        m_scrollTimer->setInterval(2 * AutoScrollIntervalMs);
        QObject::connect(m_scrollTimer, &QTimer::timeout, m_scrollTimer, [this] {
            try {
                if (m_dragState == DragState::Dragging)
                    ContinueDrag(m_lastScreenPoint);
            } catch (const std::exception& error) {
                qCWarning(lcPlatformControls, "List %d: the drag was cancelled while scrolling: %s", GetDlgCtrlID(),
                    error.what());
                CancelDragging();
            }
        });
    }
    if (!m_scrollTimer->isActive())
        m_scrollTimer->start();
}

void CDragListBox::EndDrag()
{
    m_dragState = DragState::Idle;
    if (m_scrollTimer)
        m_scrollTimer->stop();
    if (QWidget* client = clientWidget())
        client->unsetCursor();
}

void CDragListBox::CancelDragging()
{
    EndDrag();
    NotifyParent(DL_CANCELDRAG, GetCurrentMessagePoint());
}

LRESULT CDragListBox::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    const auto* mouse = dynamic_cast<const QMouseEvent*>(CurrentEvent());
    const bool leftDown = mouse && (mouse->buttons() & Qt::LeftButton);
    switch (message) {
    case WM_LBUTTONDOWN: {
        if (m_dragState == DragState::Dragging)
            CancelDragging();
        m_dragState = DragState::Idle;
        if (ItemFromPt(ToScreen(lParam), FALSE) != -1) {
            m_dragState = DragState::Pressed;
            m_pressPoint = POINT {GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
        }
        break;
    }
    case WM_MOUSEMOVE:
        if (m_dragState == DragState::Pressed) {
            if (mouse && !leftDown) {
                m_dragState = DragState::Idle; // the release went elsewhere
                break;
            }
            const int distance
                = std::abs(GET_X_LPARAM(lParam) - m_pressPoint.x) + std::abs(GET_Y_LPARAM(lParam) - m_pressPoint.y);
            // Small moves of a press are not the list's business either: a
            // click must not slide the selection.
            if (distance < QApplication::startDragDistance())
                return 0;
            m_dragState = DragState::Idle;
            if (NotifyParent(DL_BEGINDRAG, ToScreen(lParam)) == 0)
                break; // refused: the list follows the mouse as usual
            m_dragState = DragState::Dragging;
            ContinueDrag(ToScreen(lParam));
            return 0;
        }
        if (m_dragState == DragState::Dragging) {
            if (mouse && !leftDown) {
                CancelDragging();
                return 0;
            }
            ContinueDrag(ToScreen(lParam));
            return 0;
        }
        break;
    case WM_LBUTTONUP:
        if (m_dragState == DragState::Dragging) {
            EndDrag();
            NotifyParent(DL_DROPPED, ToScreen(lParam));
        }
        m_dragState = DragState::Idle;
        break;
    case WM_KEYDOWN:
        if (wParam == VK_ESCAPE && m_dragState == DragState::Dragging) {
            CancelDragging();
            return 0;
        }
        break;
    case WM_RBUTTONDOWN:
        if (m_dragState == DragState::Dragging) {
            CancelDragging();
            return 0;
        }
        break;
    case WM_KILLFOCUS:
        if (m_dragState == DragState::Dragging)
            CancelDragging();
        m_dragState = DragState::Idle;
        break;
    default:
        break;
    }
    return CListBox::WindowProc(message, wParam, lParam);
}
