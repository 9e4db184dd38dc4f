#pragma once

// Turns menu and accelerator resources into Qt menus and shortcuts. Every
// command, chosen from a menu or by its key, reaches one handler with its id.

#include "platform/core/resources.h"

#include <functional>
#include <vector>

class QAction;
class QMenu;
class QMenuBar;
class QShortcut;
class QWidget;

using CommandHandler = std::function<void(UINT command)>;

// Fills `bar` (emptied first) with the popups of `menu`. Each command item
// becomes an action whose data is its id; the text after a tab is shown as the
// shortcut text only (the keys themselves come from the accelerators).
void BuildMenuBar(QMenuBar* bar, const std::vector<MenuItemResource>& menu, const CommandHandler& handler);

// Appends the items of a popup resource to `menu`, as BuildMenuBar does for
// each of its popups.
void AddMenuItems(QMenu* menu, const std::vector<MenuItemResource>& items, const CommandHandler& handler);

// One shortcut per key on `window`, each sending its command to `handler`.
// A key text that Qt cannot read is skipped.
std::vector<QShortcut*> InstallShortcuts(
    QWidget* window, const std::vector<AcceleratorResource>& keys, const CommandHandler& handler);

// The action with command id `id` anywhere in `bar`, or null.
QAction* FindCommandAction(const QMenuBar* bar, UINT id);
