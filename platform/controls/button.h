#pragma once

// CButton: a push button over QPushButton. A button made by Create reports
// its clicks to the parent given at creation as WM_COMMAND with BN_CLICKED
// (lParam the button), which the parent reflects to the button first.

#include "platform/docview/frame.h"
#include "platform/windows/wnd.h"

class CButton : public CWnd {
    DECLARE_DYNAMIC(CButton)
public:
    // Adjusts the creation record before the window exists.
    virtual bool PreCreateWindow(CREATESTRUCT& cs);
    bool Create(const char* caption, DWORD style, const RECT& rect, CWnd* parent, UINT id);

    // The window that was the parent given at creation (for a window taken
    // over: its parent window).
    HWND GetNotifyParent() const;

private:
    QPointer<QWidget> m_notifyParent;
};
