#pragma once

// CTabCtrl: the tab control over TabCtrlWidget. The user's choice of another
// tab reaches the parent as WM_NOTIFY with TCN_SELCHANGE; SetCurSel tells no
// one. A tab that does not exist raises CInvalidArgException, except in
// SetCurSel, which answers -1 as the control does.

#include "platform/controls/notification.h"
#include "platform/windows/wnd.h"

class TabCtrlWidget;

constexpr UINT TCN_SELCHANGE = 0u - 551u;

class CTabCtrl : public CWnd {
    DECLARE_DYNAMIC(CTabCtrl)
public:
    // The new tab's index; `index` may be GetItemCount() to append.
    int InsertItem(int index, const char* text);
    bool DeleteItem(int index);
    int GetItemCount() const;
    CString GetItemText(int index) const;
    // The selected tab, -1 for none.
    int GetCurSel() const;
    // The previously selected tab, or -1 when `index` does not exist.
    int SetCurSel(int index);

protected:
    TabCtrlWidget* tabWidget() const;

private:
    TabCtrlWidget* checkedWidget(const char* operation) const;
};
