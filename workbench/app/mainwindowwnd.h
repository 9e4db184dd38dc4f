#pragma once

// The window object of the workbench's main window, the application's
// m_pMainWnd: it answers the modules' "SHOW_VARNELVIEW" requests and hears
// which help file a module's popup topic comes from.

#include "workbench/app/showviewrequest.h"

#include "host/services/hosthelp.h"
#include "platform/windows/wnd.h"

#include <functional>

class MainWindowWnd final : public CWnd, public IHostHelpWindow {
public:
    // Called for each request; answers whether the view was shown.
    using ShowViewHandler = std::function<bool(const ShowViewOrder& order)>;

    explicit MainWindowWnd(ShowViewHandler handler);

    // The registered message's id, the same in every module of the process.
    UINT ShowViewMessage() const { return m_showViewMessage; }

    bool OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) override;

    void SetHelpContextFile(const char* helpFile) override { m_helpFile = helpFile ? helpFile : ""; }
    const QString& helpFile() const { return m_helpFile; }

private:
    ShowViewHandler m_handler;
    UINT m_showViewMessage;
    QString m_helpFile;
};
