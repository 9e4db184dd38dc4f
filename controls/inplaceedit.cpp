#include "controls/inplaceedit.h"

#include <QLineEdit>

IMPLEMENT_DYNCREATE(CInPlaceEdit, CEdit)

CInPlaceEdit::~CInPlaceEdit() = default;

bool CInPlaceEdit::PreCreateWindow(CREATESTRUCT& cs)
{
    cs.style |= WS_CHILD | ES_MULTILINE | ES_AUTOHSCROLL | ES_NOHIDESEL | ES_WANTRETURN;
    return CEdit::PreCreateWindow(cs);
}

bool CInPlaceEdit::PreTranslateMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_KEYDOWN && (wParam == VK_RETURN || wParam == VK_ESCAPE)) {
        if (m_inPlace.ReportKey(static_cast<UINT>(wParam)) != 0)
            Hide();
        return true;
    }
    return CEdit::PreTranslateMessage(message, wParam, lParam);
}

bool CInPlaceEdit::OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result)
{
    return m_inPlace.OnWndMsg(message, wParam, lParam, result) || CEdit::OnWndMsg(message, wParam, lParam, result);
}

void CInPlaceEdit::ShowAt(const RECT& rect)
{
    if (!m_inPlace.ShowAt(lineEdit(), rect))
        return;
    SetMargins(2, 0);
    SetSel(0, -1);
    Invalidate(true);
    SetFocus();
}

void CInPlaceEdit::Hide()
{
    m_inPlace.Hide();
}
