#pragma once

// CInPlaceEdit: the one-line edit that a list lays over a row while the row is
// edited. It decides nothing: Enter and Escape, and the loss of the focus, are
// reported to its owner (the parent given at creation) as "ipc_CtrlMsg"; a
// non-zero answer hides it and gives the focus back to the owner.

#include "controls/inplacecontrol.h"
#include "platform/controls/edit.h"

class CInPlaceEdit : public CEdit {
    DECLARE_DYNCREATE(CInPlaceEdit)
public:
    CInPlaceEdit() = default;
    ~CInPlaceEdit() override;

    // Adds WS_CHILD, ES_MULTILINE, ES_AUTOHSCROLL, ES_NOHIDESEL and ES_WANTRETURN.
    bool PreCreateWindow(CREATESTRUCT& cs) override;
    // Enter and Escape go to the owner and no further.
    bool PreTranslateMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    bool OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) override;

    // Only while hidden and for a rectangle that is not empty: shows the edit
    // over `rect` (the owner's client coordinates) with a left margin of 2
    // pixels and all its text selected, and gives it the focus.
    void ShowAt(const RECT& rect);
    // Only while visible: hides the edit and gives the focus back to the owner
    // if the edit had it (a focus already on its way elsewhere stays there).
    void Hide();

    HWND GetOwner() const { return m_inPlace.Owner(); }

private:
    InPlaceControl<CEdit> m_inPlace {*this, FocusLossSender::Control};
};
