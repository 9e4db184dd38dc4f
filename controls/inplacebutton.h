#pragma once

// CInPlaceButton: the small "..." button that can sit at the right end of an
// in-place edit. Escape, its clicks and the loss of its focus are reported to
// its owner (the parent given at creation) as "ipc_CtrlMsg"; a non-zero answer
// to the focus report hides it.

#include "controls/inplacecontrol.h"
#include "platform/controls/button.h"

class CInPlaceButton : public CButton {
    DECLARE_DYNCREATE(CInPlaceButton)
public:
    CInPlaceButton() = default;
    ~CInPlaceButton() override;

    // Adds WS_CHILD.
    bool PreCreateWindow(CREATESTRUCT& cs) override;
    // Escape goes to the owner and no further.
    bool PreTranslateMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    bool OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) override;
    // The button's own click, reflected back to it by the owner.
    bool OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) override;

    // Only while hidden and for a rectangle that is not empty: shows the button
    // over `rect` (the owner's client coordinates). It does not take the focus.
    void ShowAt(const RECT& rect);
    // Only while visible: hides the button and gives the focus back to the owner
    // if the button had it.
    void Hide();

    HWND GetOwner() const { return m_inPlace.Owner(); }

private:
    InPlaceControl<CButton> m_inPlace {*this, FocusLossSender::NoWindow};
};
