#pragma once

// CSpinButtonCtrl: the up-down control over UpDownWidget. Positions outside
// the range are brought into it, as the control does.

#include "platform/windows/wnd.h"

class UpDownWidget;

class CSpinButtonCtrl : public CWnd {
    DECLARE_DYNAMIC(CSpinButtonCtrl)
public:
    // Up moves towards `upper`, which may be below `lower`.
    void SetRange(int lower, int upper);
    void GetRange(int& lower, int& upper) const;
    // Answers the previous position.
    int SetPos(int position);
    // The position, read from the buddy's text when it holds a number.
    int GetPos() const;
    // Answers the previous buddy.
    CWnd* SetBuddy(CWnd* buddy);
    CWnd* GetBuddy() const;

protected:
    UpDownWidget* upDownWidget() const;

private:
    UpDownWidget* checkedWidget(const char* operation) const;
};
