#include "platform/controls/notification.h"

#include "platform/windows/wnd.h"

#include <QWidget>

LRESULT SendCommandNotification(QWidget* control, UINT code, QWidget* parent)
{
    if (!control)
        return 0;
    if (!parent)
        parent = control->parentWidget();
    return ::SendMessage(parent, WM_COMMAND, MAKEWPARAM(CWnd::GetDlgCtrlID(control), static_cast<int>(code)),
        reinterpret_cast<LPARAM>(control));
}

LRESULT SendNotifyRecord(QWidget* control, NMHDR& header, UINT code)
{
    if (!control)
        return 0;
    header.hwndFrom = control;
    header.idFrom = static_cast<UINT_PTR>(CWnd::GetDlgCtrlID(control));
    header.code = code;
    return ::SendMessage(
        control->parentWidget(), WM_NOTIFY, static_cast<WPARAM>(header.idFrom), reinterpret_cast<LPARAM>(&header));
}
