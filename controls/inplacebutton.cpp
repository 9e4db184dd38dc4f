#include "controls/inplacebutton.h"

IMPLEMENT_DYNCREATE(CInPlaceButton, CButton)

CInPlaceButton::~CInPlaceButton() = default;

bool CInPlaceButton::PreCreateWindow(CREATESTRUCT& cs)
{
    cs.style |= WS_CHILD;
    return CButton::PreCreateWindow(cs);
}

bool CInPlaceButton::PreTranslateMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_KEYDOWN && wParam == VK_ESCAPE) {
        m_inPlace.ReportKey(VK_ESCAPE);
        return true;
    }
    return CButton::PreTranslateMessage(message, wParam, lParam);
}

bool CInPlaceButton::OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result)
{
    return m_inPlace.OnWndMsg(message, wParam, lParam, result) || CButton::OnWndMsg(message, wParam, lParam, result);
}

bool CInPlaceButton::OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result)
{
    if (message != WM_COMMAND || HIWORD(wParam) != BN_CLICKED || reinterpret_cast<HWND>(lParam) != GetSafeHwnd())
        return CButton::OnChildNotify(message, wParam, lParam, result);
    // The position is the message position's two 16-bit halves, zero-extended.
    const DWORD position = GetMessagePos();
    m_inPlace.ReportClick(GetDlgCtrlID(), POINT {LOWORD(position), HIWORD(position)});
    *result = 0;
    return true;
}

void CInPlaceButton::ShowAt(const RECT& rect)
{
    if (m_inPlace.ShowAt(GetSafeHwnd(), rect))
        Invalidate(true);
}

void CInPlaceButton::Hide()
{
    m_inPlace.Hide();
}
