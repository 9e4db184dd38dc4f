#pragma once

// The window object of the workbench's main window, the application's
// m_pMainWnd: it answers the modules' "SHOW_VARNELVIEW" requests.

#include "workbench/app/showviewrequest.h"

#include "platform/windows/wnd.h"

#include <functional>

class MainWindowWnd final : public CWnd {
public:
    // Called for each request; answers whether the view was shown.
    using ShowViewHandler = std::function<bool(const ShowViewOrder& order)>;

    explicit MainWindowWnd(ShowViewHandler handler);

    // The registered message's id, the same in every module of the process.
    UINT ShowViewMessage() const { return m_showViewMessage; }

    bool OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) override;

private:
    ShowViewHandler m_handler;
    UINT m_showViewMessage;
};
