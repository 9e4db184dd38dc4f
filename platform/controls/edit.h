#pragma once

// CEdit: a one-line edit control over QLineEdit. WS_BORDER gives it a thin
// border; the multi-line styles are recorded but the edit shows one line.
// An edit of a dialog template (EditWidget) tells its parent EN_CHANGE and
// EN_KILLFOCUS as WM_COMMAND. An edit made by Create belongs to the control
// that made it, which talks to it directly, and sends neither.

#include "platform/windows/createstruct.h"
#include "platform/windows/wnd.h"

class QLineEdit;

// Edit styles.
constexpr DWORD ES_MULTILINE = 0x0004;
constexpr DWORD ES_AUTOHSCROLL = 0x0080;
constexpr DWORD ES_NOHIDESEL = 0x0100;
constexpr DWORD ES_WANTRETURN = 0x1000;

// Notification codes, sent to the parent as WM_COMMAND (lParam the edit).
constexpr UINT EN_CHANGE = 0x0300;
constexpr UINT EN_KILLFOCUS = 0x0200;

class CEdit : public CWnd {
    DECLARE_DYNAMIC(CEdit)
public:
    // Adjusts the creation record before the window exists.
    virtual bool PreCreateWindow(CREATESTRUCT& cs);
    // Creates the edit in `parent`'s client area at `rect`; its notifications
    // and those of derived classes go to `parent`.
    bool Create(DWORD style, const RECT& rect, CWnd* parent, UINT id);

    // Selects the characters from `start` up to `end`; -1 as end selects to the
    // end of the text, -1 as start removes the selection.
    void SetSel(int start, int end);
    // Blank margins inside the edit, in pixels.
    void SetMargins(int left, int right);

    // The window that was the parent given at creation (for a window taken
    // over: its parent window).
    HWND GetNotifyParent() const;

protected:
    QLineEdit* lineEdit() const;

private:
    QPointer<QWidget> m_notifyParent;
};
