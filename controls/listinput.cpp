#include "controls/listinput.h"

#include "controls/inplacenotify.h"
#include "controls/listboxex.h"
#include "controls/listboxexbuddy.h"
#include "controls/listdragsource.h"
#include "controls/listinplaceediting.h"
#include "controls/listrowtracker.h"

#include <QEvent>

namespace {

void AcceptCurrentKey(const CWnd& wnd)
{
    if (QEvent* event = wnd.CurrentEvent())
        event->accept();
}

bool IsArrowKey(UINT key)
{
    return key == VK_UP || key == VK_LEFT || key == VK_DOWN || key == VK_RIGHT;
}

} // namespace

bool ListInput::OnMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
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
        m_list.Default();
        m_rows.SetCurrent(-1);
        return true;
    default:
        return false;
    }
}

int ListInput::RowAt(LPARAM point) const
{
    POINT screen {GET_X_LPARAM(point), GET_Y_LPARAM(point)};
    m_list.ClientToScreen(&screen);
    return m_list.ItemFromPt(screen, FALSE);
}

void ListInput::OnLButtonDown(LPARAM point)
{
    m_list.Default();
    const int row = RowAt(point);
    if (row != -1)
        m_rows.SetCurrent(row);
}

void ListInput::OnLButtonDblClk(LPARAM point)
{
    m_list.Default();
    if (!m_editing.IsEnabled())
        return;
    const int row = RowAt(point);
    if (row != -1 && m_list.CanEditItem(row))
        m_list.BeginEdit(row);
}

void ListInput::OnKeyDown(UINT key)
{
    if (key == VK_F2 || key == VK_DELETE || key == VK_INSERT)
        m_list.CommitEdit();
    const int selectionBefore = m_list.GetCurSel();
    m_list.Default();
    m_rows.FollowSelection(selectionBefore, m_list.GetCurSel());
    const int current = m_rows.Current();
    switch (key) {
    case VK_F2:
        AcceptCurrentKey(m_list);
        if (current != -1 && m_editing.IsEnabled() && m_list.CanEditItem(current))
            m_list.BeginEdit(current);
        break;
    case VK_DELETE:
        AcceptCurrentKey(m_list);
        if (current != -1)
            m_list.RemoveItem(current);
        break;
    case VK_INSERT: {
        AcceptCurrentKey(m_list);
        const UINT buttons = m_list.GetBuddy() ? m_list.GetBuddy()->GetButtonCount() : 0;
        if (buttons == 2 || buttons == 4)
            m_list.AppendAndEdit();
        break;
    }
    default:
        break;
    }
}

void ListInput::OnSysKeyDown(UINT key)
{
    const bool moves = m_drag.IsEnabled() && IsArrowKey(key);
    if (moves)
        m_list.CommitEdit();
    const int selectionBefore = m_list.GetCurSel();
    if (moves) {
        AcceptCurrentKey(m_list);
        if (key == VK_UP || key == VK_LEFT)
            m_list.MoveItemUp(m_list.GetCurSel());
        else
            m_list.MoveItemDown(m_list.GetCurSel());
    }
    m_list.Default();
    m_rows.FollowSelection(selectionBefore, m_list.GetCurSel());
}

LRESULT ListInput::OnInPlaceNotify(const InPlaceNotify* notify)
{
    if (!notify)
        return 1;
    switch (notify->reason) {
    case InPlaceNotify::Key:
        if (notify->KeyCode() == VK_ESCAPE) {
            m_list.AcceptEdit(m_editing.Row(), true);
            m_list.EndEdit(true);
        } else {
            m_list.EndEdit(!m_list.AcceptEdit(m_editing.Row(), false));
        }
        // The focus is back on the list, on the edited row (or where its
        // removal left the selection): F2 and Delete act there.
        m_rows.SetCurrent(m_list.GetCurSel());
        return 1;
    case InPlaceNotify::ButtonClick:
        m_list.OnInPlaceButtonClick(m_editing.Row(), *notify);
        return 0;
    case InPlaceNotify::FocusLost:
        // Between the edit and its own button the edit stays open.
        if (m_editing.Owns(notify->FocusWindow()))
            return 0;
        m_list.CommitEdit();
        return 1;
    default:
        return 1;
    }
}
