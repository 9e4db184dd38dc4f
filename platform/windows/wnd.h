#pragma once

// CWnd: a window object over a Qt widget. Qt draws and delivers input; the
// window object receives everything as window messages through WindowProc, so
// that a class can handle a message, call the default handling first or after,
// or swallow it, as a window procedure does.
//
// Qt input events reaching the widget (or its client widget) are translated:
// key press -> WM_KEYDOWN (WM_SYSKEYDOWN with Alt), mouse buttons and moves ->
// WM_[LR]BUTTON*, WM_MOUSEMOVE (lParam client coordinates), leave ->
// WM_MOUSELEAVE, focus -> WM_SETFOCUS/WM_KILLFOCUS (wParam the other widget),
// resize -> WM_SIZE, paint -> WM_PAINT. For these, DefWindowProc runs Qt's own
// handling of the event; a handler that does not call Default() swallows it.

#include "platform/windows/windowhandle.h"

class QEvent;
class QWidget;
class WindowHook;

// The widget itself (styles, text, geometry, ...) is CWindowHandle's; CWnd adds
// the messages, the attachment to the widget and the related windows.
class CWnd : public CWindowHandle {
    DECLARE_DYNAMIC(CWnd)
public:
    CWnd() = default;
    ~CWnd() override;
    CWnd(const CWnd&) = delete;
    CWnd& operator=(const CWnd&) = delete;

    // The window object attached to a widget. A widget without one gets a plain
    // CWnd owned by the widget, so the answer is never null for a live widget.
    static CWnd* FromHandle(HWND widget);
    // Only the attached object, or null.
    static CWnd* FromHandlePermanent(HWND widget);

    QWidget* clientWidget() const override;

    // Attaches this object to an existing widget (taking over from a plain
    // wrapper if one was attached). The widget's lifetime is Qt's.
    bool Attach(HWND widget, QWidget* client = nullptr);
    HWND Detach();
    // Takes over the child of `parent` with control id `id`; then PreSubclassWindow.
    bool SubclassDlgItem(UINT id, CWnd* parent);
    bool SubclassWindow(HWND widget);
    // Destroys the widget (and so its children).
    bool DestroyWindow();

    LRESULT SendMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const;
    bool PostMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const;

    CWnd* GetDlgItem(int id) const;
    HWND GetDlgItemHandle(int id) const;
    CWnd* GetParent() const;
    // The nearest ancestor window that is a frame (IsFrameWnd), or null.
    CWnd* GetParentFrame() const;
    // True for frame windows (the document/view layer's CFrameWnd).
    virtual bool IsFrameWnd() const { return false; }
    // Checks (BST_CHECKED) or unchecks the button child `id` alone, and reads
    // its state; defined with the buttons (platform/controls/button.cpp).
    void CheckDlgButton(int id, UINT check);
    UINT IsDlgButtonChecked(int id) const;

    CWnd* SetFocus();
    static CWnd* GetFocus();
    CWnd* SetCapture();
    static void ReleaseCapture();
    static HWND GetCapture();

    // The window procedure: OnWndMsg, else DefWindowProc.
    virtual LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam);
    // The class's message table: true when the message was handled, with its result.
    virtual bool OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result);
    // A notification (WM_COMMAND, WM_NOTIFY, or a registered message) that the
    // parent reflects back to the control that sent it; true when handled.
    virtual bool OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result);
    virtual LRESULT DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam);
    // Qt's own handling of the input event being handled now, at most once.
    LRESULT Default();
    virtual bool PreTranslateMessage(UINT message, WPARAM wParam, LPARAM lParam);
    virtual void PreSubclassWindow() { }
    // Called after the widget was destroyed; the object may delete itself here.
    virtual void PostNcDestroy() { }

    // The Qt event whose message is being handled, or null (for tests and painting).
    QEvent* CurrentEvent() const;

private:
    friend class WindowHook;
    WindowHook* m_hook = nullptr;
};

// Registered notifications whose record names the sending control, so that the
// parent reflects them to it like WM_COMMAND and WM_NOTIFY (the drag list's, say).
using ReflectedChildFn = HWND (*)(LPARAM lParam);
void RegisterReflectedMessage(UINT message, ReflectedChildFn childOf);
HWND ReflectedChildOf(UINT message, LPARAM lParam);

// Window styles that the editor reads or sets.
constexpr DWORD WS_CHILD = 0x40000000;
constexpr DWORD WS_VISIBLE = 0x10000000;
constexpr DWORD WS_DISABLED = 0x08000000;
constexpr DWORD WS_BORDER = 0x00800000;
constexpr DWORD WS_VSCROLL = 0x00200000;
constexpr DWORD WS_HSCROLL = 0x00100000;
constexpr DWORD WS_GROUP = 0x00020000;
constexpr DWORD WS_TABSTOP = 0x00010000;
constexpr DWORD WS_EX_CLIENTEDGE = 0x00000200;
constexpr DWORD WS_EX_STATICEDGE = 0x00020000;

// The state of a key while the current input message is handled: the high bit
// set (negative) when down. Knows VK_SHIFT, VK_CONTROL and VK_MENU.
short GetKeyState(int virtualKey);
// Screen position of the message being handled: x in the low, y in the high word.
DWORD GetMessagePos();
// The same as two signed 32-bit values.
POINT GetCurrentMessagePoint();
