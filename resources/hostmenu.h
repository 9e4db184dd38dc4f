#pragma once

// A copy of the host application's main menu and its shortcut keys, shown while
// an editor frame is active. The editor handles none of these commands; they
// reach the host.

#include "platform/core/resources.h"

inline constexpr UINT HostMenuId = 13302;

// Host command ids that the editor's resources name.
inline constexpr UINT HostCommandRun = 41132;
inline constexpr UINT HostCommandNewProfileTable = 50229;
inline constexpr UINT HostCommandOptimization = 50265;
inline constexpr UINT HostCommandUnloadDlls = 50266;
inline constexpr UINT HostCommandEstimation = 50268;

std::vector<MenuItemResource> HostMainMenu();
std::vector<AcceleratorResource> HostShortcutKeys();
