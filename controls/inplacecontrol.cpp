#include "controls/inplacecontrol.h"

#include "controls/inplacenotify.h"
#include "host/sharedids/sharedids.h"

#include <QApplication>
#include <QEvent>

template <class Control>
bool InPlaceControl<Control>::OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result)
{
    switch (message) {
    case WM_CREATE:
        if (!lParam) {
            *result = -1;
            return true;
        }
        m_owner = m_control.GetNotifyParent();
        *result = 0;
        return true;
    case WM_KILLFOCUS: {
        const HWND from = m_sender == FocusLossSender::Control ? m_control.GetSafeHwnd() : nullptr;
        if (m_control.IsWindowVisible() && !m_hiding && !m_clicking
            && Report(from, InPlaceNotify::FocusLost, wParam, GetCurrentMessagePoint()) != 0)
            Hide();
        m_control.Default();
        *result = 0;
        return true;
    }
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN:
        m_control.Default();
        if (QEvent* event = m_control.CurrentEvent())
            event->accept();
        *result = 0;
        return true;
    default:
        return false;
    }
}

template <class Control> LRESULT InPlaceControl<Control>::ReportKey(UINT virtualKey)
{
    return Report(m_control.GetSafeHwnd(), InPlaceNotify::Key, virtualKey, GetCurrentMessagePoint());
}

template <class Control> void InPlaceControl<Control>::ReportClick(int controlId, POINT point)
{
    m_clicking = true;
    Report(nullptr, InPlaceNotify::ButtonClick, static_cast<uint64_t>(controlId), point);
    m_clicking = false;
}

template <class Control>
LRESULT InPlaceControl<Control>::Report(HWND from, UINT reason, uint64_t detail, POINT point) const
{
    InPlaceNotify notify {WindowBits(from), reason, detail, point};
    return ::SendMessage(m_owner, SharedIds::InPlaceControlMessage(), 0, reinterpret_cast<LPARAM>(&notify));
}

template <class Control> bool InPlaceControl<Control>::ShowAt(QWidget* widget, const RECT& rect)
{
    if (!widget || widget->isVisible() || CRect(rect).IsRectEmpty())
        return false;
    m_control.MoveWindow(rect, false);
    widget->show();
    return true;
}

template <class Control> void InPlaceControl<Control>::Hide()
{
    QWidget* widget = m_control.GetSafeHwnd();
    if (!widget || !widget->isVisible())
        return;
    // The focus moves before the control hides, so that Qt does not pass it on
    // to whatever follows the control; the move is the control's own doing and
    // is not reported.
    m_hiding = true;
    if (m_owner && QApplication::focusWidget() == widget)
        m_owner->setFocus(Qt::OtherFocusReason);
    widget->hide();
    m_hiding = false;
}

template class InPlaceControl<CEdit>;
template class InPlaceControl<CButton>;
