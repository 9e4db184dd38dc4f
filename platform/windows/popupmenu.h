#pragma once

// Popup menus from menu resources (CMenu), shown at a screen position by a
// replaceable service: Qt menus for people; tests install one of their own.

#include "platform/core/resources.h"
#include "platform/core/types.h"
#include "platform/windows/windowmessage.h"

#include <memory>
#include <vector>

class CWnd;

constexpr UINT TPM_LEFTALIGN = 0x0000;
constexpr UINT TPM_RIGHTBUTTON = 0x0002;
constexpr UINT TPM_NONOTIFY = 0x0080;
constexpr UINT TPM_RETURNCMD = 0x0100;

class PopupMenuService {
public:
    virtual ~PopupMenuService() = default;
    // Shows `items` as a modal popup at the screen point `at`, owned by
    // `owner`; the command chosen, or 0 when the menu was dismissed.
    virtual UINT Track(const std::vector<MenuItemResource>& items, UINT flags, POINT at, HWND owner) = 0;

    // The service in use: the Qt one unless another was installed.
    static PopupMenuService& Current();
    // Installs `service` (not owned) and returns the one it replaces; null restores Qt's.
    static PopupMenuService* Install(PopupMenuService* service);
};

class QtPopupMenuService : public PopupMenuService {
public:
    UINT Track(const std::vector<MenuItemResource>& items, UINT flags, POINT at, HWND owner) override;
};

class CMenu {
public:
    CMenu() = default;
    CMenu(const CMenu&) = delete;
    CMenu& operator=(const CMenu&) = delete;
    ~CMenu();

    // Loads menu resource `id`, current resource module first; false (and a
    // warning) when no module has it.
    bool LoadMenu(UINT id);
    bool DestroyMenu();
    bool IsLoaded() const { return m_loaded; }
    int GetMenuItemCount() const { return static_cast<int>(m_items.size()); }

    // The popup at `position`, owned by this menu; null when that item is no popup.
    CMenu* GetSubMenu(int position);

    // Shows the menu's items at the screen point (x, y). With TPM_RETURNCMD
    // the answer is the command chosen (0 for none); otherwise the command is
    // sent to `owner` as WM_COMMAND and the answer is nonzero when one was chosen.
    UINT TrackPopupMenu(UINT flags, int x, int y, CWnd* owner);

private:
    std::vector<MenuItemResource> m_items;
    std::vector<std::unique_ptr<CMenu>> m_subMenus;
    bool m_loaded = false;
};
