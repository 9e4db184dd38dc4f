#pragma once

// The main window's menu bar and shortcut keys: the host's menu, or the
// module's while an editor is the active window, each with the workbench's
// items; and the state of the commands that depend on the active editor and
// the display unit.

#include "platform/core/types.h"
#include "platform/windows/menubuilder.h"

#include <QString>

#include <vector>

class QMainWindow;
class QShortcut;
struct TimeUnit;

class MenuAndKeys {
public:
    MenuAndKeys(QMainWindow& window, CommandHandler handler) : m_window(window), m_handler(std::move(handler)) { }

    // Shows the module's menu and keys while an editor is active (when the
    // module has them), else the workbench's; then updates the commands.
    void Update(bool editorActive, const TimeUnit& displayUnit);
    // Enables the active editor's commands and checks the display unit.
    void UpdateCommands(bool editorActive, const TimeUnit& displayUnit);
    // The menu text of a command, without its key, mnemonic and "...".
    QString CommandText(UINT command) const;

    // 0 while the workbench's own menu shows, 13302 while the module's does.
    UINT shownMenuResourceId() const { return m_shownMenuId; }
    size_t shortcutCount() const { return m_shortcuts.size(); }

private:
    QMainWindow& m_window;
    CommandHandler m_handler;
    std::vector<QShortcut*> m_shortcuts;
    UINT m_shownMenuId = 0;
    bool m_menuBuilt = false;
};
