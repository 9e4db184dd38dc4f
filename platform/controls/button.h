#pragma once

// CButton: a push button over QPushButton. A button made by Create reports
// its clicks to the parent given at creation as WM_COMMAND with BN_CLICKED
// (lParam the button), which the parent reflects to the button first.
// Taken over from a dialog, it also stands for a radio button (SetCheck,
// GetCheck) or a bitmap button (SetBitmap).

#include "platform/windows/createstruct.h"
#include "platform/windows/wnd.h"

#include <QPixmap>

// Button styles read by the platform.
constexpr DWORD BS_BITMAP = 0x0080;

// Check states.
constexpr UINT BST_UNCHECKED = 0;
constexpr UINT BST_CHECKED = 1;

class CButton : public CWnd {
    DECLARE_DYNAMIC(CButton)
public:
    // Adjusts the creation record before the window exists.
    virtual bool PreCreateWindow(CREATESTRUCT& cs);
    bool Create(const char* caption, DWORD style, const RECT& rect, CWnd* parent, UINT id);

    // The window that was the parent given at creation (for a window taken
    // over: its parent window).
    HWND GetNotifyParent() const;

    // Checks or unchecks this button alone; other buttons of its group keep
    // their state. BST_CHECKED or BST_UNCHECKED.
    void SetCheck(UINT check);
    UINT GetCheck() const;

    // Shows `bitmap` instead of the caption (a BS_BITMAP button); answers the
    // bitmap shown before. An empty bitmap changes nothing.
    QPixmap SetBitmap(const QPixmap& bitmap);
    QPixmap GetBitmap() const;

private:
    QPointer<QWidget> m_notifyParent;
};
