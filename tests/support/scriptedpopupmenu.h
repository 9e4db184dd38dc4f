#pragma once

#include "platform/windows/popupmenu.h"

#include <QStringList>

#include <deque>
#include <vector>

// For tests: installs itself for its lifetime, records each popup menu shown
// (its item texts and command ids, flags, position, owner) and answers each
// with the next scripted command, or 0 (dismissed) when the script is empty.
class ScriptedPopupMenu : public PopupMenuService {
public:
    struct Shown {
        QStringList texts;
        std::vector<UINT> commands;
        UINT flags;
        POINT at;
        HWND owner;
    };

    ScriptedPopupMenu();
    ~ScriptedPopupMenu() override;
    ScriptedPopupMenu(const ScriptedPopupMenu&) = delete;
    ScriptedPopupMenu& operator=(const ScriptedPopupMenu&) = delete;

    void Answer(UINT command) { m_answers.push_back(command); }
    const std::vector<Shown>& shown() const { return m_shown; }

    UINT Track(const std::vector<MenuItemResource>& items, UINT flags, POINT at, HWND owner) override;

private:
    PopupMenuService* m_previous;
    std::deque<UINT> m_answers;
    std::vector<Shown> m_shown;
};
