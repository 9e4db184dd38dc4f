#pragma once

// The host application's main menu and shortcut keys as resource data, and the
// workbench's additions that go into whichever menu is shown.

#include "platform/core/resources.h"

#include <vector>

// File, Edit, View, Tools, Run, Window and Help with the host's commands.
std::vector<MenuItemResource> WorkbenchMainMenu();
// The host's 32 shortcut keys for those commands (F5 runs).
std::vector<AcceleratorResource> WorkbenchShortcutKeys();

// Adds the workbench's own items to a copy of `menu`: a "Display Time Unit"
// submenu at the end of Tools, and an "Editor" popup before Window (or at the
// end when there is no Window popup).
std::vector<MenuItemResource> WithWorkbenchItems(std::vector<MenuItemResource> menu);
