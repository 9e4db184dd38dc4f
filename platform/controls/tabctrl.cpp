#include "platform/controls/tabctrl.h"

#include "platform/controls/tabctrlwidget.h"
#include "platform/core/invalidarg.h"
#include "platform/core/logging.h"

#include <QTabBar>

IMPLEMENT_DYNAMIC(CTabCtrl, CWnd)

namespace {

[[noreturn]] void ThrowNoTab(const char* operation, int index, int count)
{
    CString text;
    text.Format("%s: the tab control has no tab %d (it has %d).", operation, index, count);
    AfxThrowInvalidArgException(text);
}

} // namespace

TabCtrlWidget* CTabCtrl::tabWidget() const
{
    return qobject_cast<TabCtrlWidget*>(GetSafeHwnd());
}

TabCtrlWidget* CTabCtrl::checkedWidget(const char* operation) const
{
    TabCtrlWidget* tabs = tabWidget();
    if (!tabs) {
        CString text;
        text.Format("%s: the tab control object has no tab control window.", operation);
        AfxThrowInvalidArgException(text);
    }
    return tabs;
}

int CTabCtrl::InsertItem(int index, const char* text)
{
    TabCtrlWidget* tabs = checkedWidget("InsertItem");
    const int count = tabs->tabBar()->count();
    if (index < 0 || index > count)
        ThrowNoTab("InsertItem", index, count);
    return tabs->InsertTab(index, QByteArray(text ? text : ""));
}

bool CTabCtrl::DeleteItem(int index)
{
    TabCtrlWidget* tabs = checkedWidget("DeleteItem");
    const int count = tabs->tabBar()->count();
    if (index < 0 || index >= count)
        ThrowNoTab("DeleteItem", index, count);
    tabs->RemoveTab(index);
    return true;
}

int CTabCtrl::GetItemCount() const
{
    const TabCtrlWidget* tabs = tabWidget();
    return tabs ? tabs->tabBar()->count() : 0;
}

CString CTabCtrl::GetItemText(int index) const
{
    const TabCtrlWidget* tabs = checkedWidget("GetItemText");
    const int count = tabs->tabBar()->count();
    if (index < 0 || index >= count)
        ThrowNoTab("GetItemText", index, count);
    const QByteArray text = tabs->TabText(index);
    return CString(text.constData(), static_cast<int>(text.size()));
}

int CTabCtrl::GetCurSel() const
{
    const TabCtrlWidget* tabs = tabWidget();
    return tabs ? tabs->tabBar()->currentIndex() : -1;
}

int CTabCtrl::SetCurSel(int index)
{
    TabCtrlWidget* tabs = checkedWidget("SetCurSel");
    if (index < 0 || index >= tabs->tabBar()->count()) {
        qCWarning(lcPlatformControls, "SetCurSel: the tab control has no tab %d (it has %d).", index,
            tabs->tabBar()->count());
        return -1;
    }
    const int previous = tabs->tabBar()->currentIndex();
    tabs->SetCurrent(index);
    return previous;
}
