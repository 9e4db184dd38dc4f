#include "workbench/app/mainwindowwnd.h"

#include "platform/core/registry.h"

MainWindowWnd::MainWindowWnd(ShowViewHandler handler)
    : m_handler(std::move(handler)), m_showViewMessage(RegisterWindowMessage("SHOW_VARNELVIEW"))
{
}

bool MainWindowWnd::OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result)
{
    if (message == m_showViewMessage && m_showViewMessage != 0) {
        const std::optional<ShowViewOrder> order = ReadShowViewRequest(lParam);
        *result = order && m_handler && m_handler(*order) ? 1 : 0;
        return true;
    }
    return CWnd::OnWndMsg(message, wParam, lParam, result);
}
