#include "platform/windows/popupmenu.h"

#include "platform/core/logging.h"
#include "platform/windows/menubuilder.h"
#include "platform/windows/wnd.h"

#include <QAction>
#include <QMenu>
#include <QPointer>

namespace {

PopupMenuService* g_installedPopupMenus = nullptr;

} // namespace

PopupMenuService& PopupMenuService::Current()
{
    static QtPopupMenuService qtService;
    return g_installedPopupMenus ? *g_installedPopupMenus : qtService;
}

PopupMenuService* PopupMenuService::Install(PopupMenuService* service)
{
    PopupMenuService* previous = g_installedPopupMenus;
    g_installedPopupMenus = service;
    return previous;
}

UINT QtPopupMenuService::Track(const std::vector<MenuItemResource>& items, UINT /*flags*/, POINT at, HWND owner)
{
    QPointer<QMenu> menu = new QMenu(owner);
    AddMenuItems(menu, items, CommandHandler());
    const QAction* chosen = menu->exec(QPoint(at.x, at.y));
    const UINT command = chosen ? chosen->data().toUInt() : 0;
    // The owner may have gone while the menu ran.
    delete menu.data();
    return command;
}

CMenu::~CMenu() = default;

bool CMenu::LoadMenu(UINT id)
{
    DestroyMenu();
    const std::vector<MenuItemResource>* menu = AfxFindMenu(id);
    if (!menu) {
        qCWarning(lcPlatformControls, "LoadMenu: no resource module has menu %u.", id);
        return false;
    }
    m_items = *menu;
    m_loaded = true;
    return true;
}

bool CMenu::DestroyMenu()
{
    const bool wasLoaded = m_loaded;
    m_items.clear();
    m_subMenus.clear();
    m_loaded = false;
    return wasLoaded;
}

CMenu* CMenu::GetSubMenu(int position)
{
    if (position < 0 || position >= GetMenuItemCount())
        return nullptr;
    const MenuItemResource& item = m_items[static_cast<size_t>(position)];
    if (item.separator || item.id != 0)
        return nullptr;
    auto sub = std::make_unique<CMenu>();
    sub->m_items = item.items;
    sub->m_loaded = true;
    m_subMenus.push_back(std::move(sub));
    return m_subMenus.back().get();
}

UINT CMenu::TrackPopupMenu(UINT flags, int x, int y, CWnd* owner)
{
    if (!m_loaded) {
        qCWarning(lcPlatformControls, "TrackPopupMenu: the menu holds no items.");
        return 0;
    }
    const HWND ownerWindow = owner ? owner->GetSafeHwnd() : nullptr;
    const UINT command = PopupMenuService::Current().Track(m_items, flags, POINT {x, y}, ownerWindow);
    if (flags & TPM_RETURNCMD)
        return command;
    if (command != 0 && ownerWindow)
        SendMessage(ownerWindow, WM_COMMAND, MAKEWPARAM(static_cast<int>(command), 0), 0);
    return command != 0 ? TRUE : FALSE;
}
