#include "platform/controls/spinbuttonctrl.h"

#include "platform/controls/updownwidget.h"
#include "platform/core/invalidarg.h"

IMPLEMENT_DYNAMIC(CSpinButtonCtrl, CWnd)

UpDownWidget* CSpinButtonCtrl::upDownWidget() const
{
    return qobject_cast<UpDownWidget*>(GetSafeHwnd());
}

UpDownWidget* CSpinButtonCtrl::checkedWidget(const char* operation) const
{
    UpDownWidget* upDown = upDownWidget();
    if (!upDown) {
        CString text;
        text.Format("%s: the spin button object has no up-down window.", operation);
        AfxThrowInvalidArgException(text);
    }
    return upDown;
}

void CSpinButtonCtrl::SetRange(int lower, int upper)
{
    checkedWidget("SetRange")->SetRange(lower, upper);
}

void CSpinButtonCtrl::GetRange(int& lower, int& upper) const
{
    const UpDownWidget* upDown = checkedWidget("GetRange");
    lower = upDown->Lower();
    upper = upDown->Upper();
}

int CSpinButtonCtrl::SetPos(int position)
{
    return checkedWidget("SetPos")->SetPosition(position);
}

int CSpinButtonCtrl::GetPos() const
{
    return checkedWidget("GetPos")->Position();
}

CWnd* CSpinButtonCtrl::SetBuddy(CWnd* buddy)
{
    UpDownWidget* upDown = checkedWidget("SetBuddy");
    CWnd* previous = FromHandle(upDown->Buddy());
    upDown->SetBuddy(buddy ? buddy->GetSafeHwnd() : nullptr);
    return previous;
}

CWnd* CSpinButtonCtrl::GetBuddy() const
{
    return FromHandle(checkedWidget("GetBuddy")->Buddy());
}
