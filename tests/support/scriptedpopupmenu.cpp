#include "support/scriptedpopupmenu.h"

ScriptedPopupMenu::ScriptedPopupMenu() : m_previous(PopupMenuService::Install(this))
{
}

ScriptedPopupMenu::~ScriptedPopupMenu()
{
    PopupMenuService::Install(m_previous);
}

UINT ScriptedPopupMenu::Track(const std::vector<MenuItemResource>& items, UINT flags, POINT at, HWND owner)
{
    Shown shown {{}, {}, flags, at, owner};
    for (const MenuItemResource& item : items) {
        shown.texts << QString::fromStdString(item.text);
        shown.commands.push_back(item.id);
    }
    m_shown.push_back(shown);
    if (m_answers.empty())
        return 0;
    const UINT answer = m_answers.front();
    m_answers.pop_front();
    return answer;
}
