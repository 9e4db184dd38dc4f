#pragma once

// CWindowHandle: the widget a window object stands for, and what can be read
// or set on it directly: control id, styles, text, visibility, enabled state,
// geometry, repainting and font. The messages, the attachment to the widget
// and the windows related to it are CWnd's.

#include "platform/core/cstring.h"
#include "platform/core/object.h"
#include "platform/windows/windowmessage.h"

#include <QPointer>
#include <QWidget>

class QFont;

class CCmdTarget : public CObject {
public:
    static const CRuntimeClass classCCmdTarget;
    const CRuntimeClass* GetRuntimeClass() const override;
};

class CWindowHandle : public CCmdTarget {
public:
    HWND GetSafeHwnd() const { return m_hWnd; }
    QWidget* widget() const { return m_hWnd; }
    // The widget whose area is the client area (a scroll area's viewport, say).
    virtual QWidget* clientWidget() const = 0;

    // Control ids, carried by the widget so that every wrapper sees the same id.
    int GetDlgCtrlID() const;
    void SetDlgCtrlID(int id);
    static int GetDlgCtrlID(const QWidget* widget);
    static void SetDlgCtrlID(QWidget* widget, int id);

    // Window styles, kept with the widget (WS_*, plus each control's own bits).
    DWORD GetStyle() const;
    DWORD GetExStyle() const;
    bool ModifyStyle(DWORD remove, DWORD add);
    // Sets the styles a widget is created with, before any window object exists.
    static void InitStyle(QWidget* widget, DWORD style, DWORD exStyle);
    bool ModifyStyleEx(DWORD remove, DWORD add);

    void SetWindowText(const char* text);
    CString GetWindowText() const;
    void GetWindowText(CString& text) const { text = GetWindowText(); }
    bool ShowWindow(int command);
    bool IsWindowVisible() const;
    bool EnableWindow(bool enable = true);
    bool IsWindowEnabled() const;
    void GetClientRect(RECT* rect) const;
    // In screen coordinates.
    void GetWindowRect(RECT* rect) const;
    void ScreenToClient(POINT* point) const;
    void ScreenToClient(RECT* rect) const;
    void ClientToScreen(POINT* point) const;
    void ClientToScreen(RECT* rect) const;
    // In the parent's client coordinates.
    void MoveWindow(int x, int y, int width, int height, bool repaint = true);
    void MoveWindow(const RECT& rect, bool repaint = true);
    void Invalidate(bool erase = true);
    void InvalidateRect(const RECT* rect, bool erase = true);
    void UpdateWindow();
    void SetFont(const QFont& font);
    QFont GetFont() const;
    void SetRedraw(bool redraw);

protected:
    void SetWidget(HWND widget) { m_hWnd = widget; }

private:
    QPointer<QWidget> m_hWnd;
};

// ShowWindow commands.
constexpr int SW_HIDE = 0;
constexpr int SW_SHOWNORMAL = 1;
constexpr int SW_SHOWNOACTIVATE = 4;
constexpr int SW_SHOW = 5;
