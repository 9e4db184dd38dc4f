#include "platform/controls/childcontrol.h"

#include "platform/windows/wnd.h"

#include <QWidget>

CREATESTRUCT MakeChildCreateStruct(DWORD style, const RECT& rect, const char* name)
{
    CREATESTRUCT cs;
    cs.style = style;
    cs.x = rect.left;
    cs.y = rect.top;
    cs.cx = rect.right - rect.left;
    cs.cy = rect.bottom - rect.top;
    cs.lpszName = name;
    return cs;
}

bool CreateChildControl(CWnd* wnd, QWidget* widget, CREATESTRUCT& cs, DWORD exStyle, CWnd* parent, UINT id)
{
    QWidget* client = parent ? parent->clientWidget() : nullptr;
    if (!wnd || !widget || !client) {
        delete widget;
        return false;
    }
    widget->setParent(client);
    CWnd::SetDlgCtrlID(widget, static_cast<int>(id));
    CWnd::InitStyle(widget, cs.style, exStyle);
    widget->setGeometry(cs.x, cs.y, cs.cx, cs.cy);
    widget->setEnabled(!(cs.style & WS_DISABLED));
    if (!wnd->Attach(widget)) {
        delete widget;
        return false;
    }
    if (wnd->SendMessage(WM_CREATE, 0, reinterpret_cast<LPARAM>(&cs)) == -1) {
        wnd->Detach();
        delete widget;
        return false;
    }
    // Shown last, so that the window object sees its first paint.
    widget->setVisible(cs.style & WS_VISIBLE);
    return true;
}
