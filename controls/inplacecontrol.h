#pragma once

// InPlaceControl: the part that the in-place edit and the in-place button
// share, held by each. It records the control's owner (the parent given at
// creation), sends the control's reports to it as "ipc_CtrlMsg", keeps keys
// from the window under the control, shows the control over a rectangle and,
// when the control hides, gives the focus back to the owner.

#include "platform/controls/button.h"
#include "platform/controls/edit.h"

#include <QPointer>
#include <QWidget>

#include <cstdint>

// The window a focus-loss report names: the control itself (the edit's) or
// none (the button's, whose click reports name none either).
enum class FocusLossSender { Control, NoWindow };

template <class Control> class InPlaceControl {
public:
    InPlaceControl(Control& control, FocusLossSender sender) : m_control(control), m_sender(sender) { }
    InPlaceControl(const InPlaceControl&) = delete;
    InPlaceControl& operator=(const InPlaceControl&) = delete;

    HWND Owner() const { return m_owner; }

    // The messages both controls answer alike; true when `message` was one:
    // - WM_CREATE: -1 refuses a creation without its record; otherwise the
    //   control's notify parent becomes the owner.
    // - WM_KILLFOCUS: while the control is visible, and unless it is hiding
    //   itself or reporting a click, the loss is reported (the window
    //   receiving the focus as detail) and a non-zero answer hides the
    //   control; then Qt's own handling.
    // - WM_KEYDOWN, WM_SYSKEYDOWN: Qt's own handling, and the event goes no
    //   further, so that the window under the control (the list with a row
    //   being edited) does not act on the key too (Delete, Alt+Up, ...).
    bool OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result);

    // Reports a key; the owner's answer.
    LRESULT ReportKey(UINT virtualKey);
    // Reports a click, naming no window. A focus that the owner's answer
    // moves away meanwhile is the owner's business and is not reported.
    void ReportClick(int controlId, POINT point);

    // Only while `widget` (the control's) is hidden and for a rectangle that
    // is not empty: moves the control over `rect` (the owner's client
    // coordinates) and shows it. True when it was shown.
    bool ShowAt(QWidget* widget, const RECT& rect);
    // Only while visible: hides the control and gives the focus back to the
    // owner if the control had it (a focus already on its way elsewhere stays
    // there).
    void Hide();

private:
    LRESULT Report(HWND from, UINT reason, uint64_t detail, POINT point) const;

    Control& m_control;
    const FocusLossSender m_sender;
    QPointer<QWidget> m_owner;
    bool m_hiding = false;
    bool m_clicking = false;
};

extern template class InPlaceControl<CEdit>;
extern template class InPlaceControl<CButton>;
