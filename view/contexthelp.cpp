// Context help: the help number of the control under a point, and help for
// the focused control or for a given topic, asked of the host.

#include "view/accessibleformview.h"

#include "host/services/hosthelp.h"
#include "host/services/kbaseapp.h"
#include "view/viewlogging.h"

namespace {

// A control's help number is its control id shifted by this base.
constexpr LRESULT HelpNumberBase = 8000000;
// The help number of a point over no control.
constexpr LRESULT NoControlHelpNumber = -100;

CKBaseApp* HostApp()
{
    return dynamic_cast<CKBaseApp*>(AfxGetApp());
}

} // namespace

CWnd* CAccessibleFormView::HelpHitTestChild(CPoint screenPoint) const
{
    // The smallest visible child under the point; on equal areas the first in
    // Z order (the order the form made them) stays.
    CWnd* found = nullptr;
    uint32_t smallest = 0x80000000u;
    const QWidget* form = GetSafeHwnd();
    for (QObject* object : form->children()) {
        auto* child = qobject_cast<QWidget*>(object);
        if (!child || !child->isVisible())
            continue;
        CWnd* window = CWnd::FromHandle(child);
        RECT rect;
        window->GetWindowRect(&rect);
        if (!CRect(rect).PtInRect(screenPoint))
            continue;
        const auto area = static_cast<uint32_t>((rect.bottom - rect.top) * (rect.right - rect.left));
        if (area < smallest) {
            smallest = area;
            found = window;
        }
    }
    return found;
}

LRESULT CAccessibleFormView::OnHelpHitTest(LPARAM lParam) const
{
    POINT point;
    point.x = static_cast<LONG>(lParam & 0xFFFF);
    point.y = static_cast<LONG>((lParam >> 16) & 0xFFFF);
    ClientToScreen(&point);
    const CWnd* child = HelpHitTestChild(CPoint(point.x, point.y));
    return child ? child->GetDlgCtrlID() + HelpNumberBase : NoControlHelpNumber;
}

LRESULT CAccessibleFormView::OnCommandHelp(LPARAM lParam)
{
    CKBaseApp* app = HostApp();
    if (!app) {
        qCWarning(lcView, "There is no host application to show help.");
        return TRUE;
    }
    if (lParam != 0) {
        app->WinHelp(static_cast<DWORD_PTR>(lParam), HELP_CONTEXT);
        return TRUE;
    }
    const CWnd* focus = CWnd::GetFocus();
    if (!focus || focus->GetDlgCtrlID() == 0)
        return TRUE;
    if (auto* helpWindow = dynamic_cast<IHostHelpWindow*>(AfxGetMainWnd()))
        helpWindow->SetHelpContextFile(app->GetHelpFilePath());
    app->WinHelp(static_cast<DWORD_PTR>(focus->GetDlgCtrlID() + HelpNumberBase), HELP_CONTEXTPOPUP);
    return TRUE;
}

bool CAccessibleFormView::OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result)
{
    // The control that sent a notification sees it first.
    if (CFormView::OnWndMsg(message, wParam, lParam, result))
        return true;
    if (message == WM_HELPHITTEST) {
        *result = OnHelpHitTest(lParam);
        return true;
    }
    if (message == WM_COMMANDHELP) {
        *result = OnCommandHelp(lParam);
        return true;
    }
    return false;
}
