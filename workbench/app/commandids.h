#pragma once

// Command ids of the host's main menu (the editor module's menu 13302 copies
// it, with the same ids) and of the workbench's own additions.

#include "platform/core/types.h"

namespace Command {

// File
inline constexpr UINT FileNew = 57600;
inline constexpr UINT FileOpen = 57601;
inline constexpr UINT FileClose = 57602;
inline constexpr UINT FileSave = 57603;
inline constexpr UINT FileSaveAs = 57604;
inline constexpr UINT FilePrint = 57607;
inline constexpr UINT AppExit = 57665;
inline constexpr UINT NewProfileTable = 50229;
// Edit
inline constexpr UINT EditUndo = 57643;
inline constexpr UINT EditRedo = 57644;
inline constexpr UINT EditCut = 57635;
inline constexpr UINT EditCopy = 57634;
inline constexpr UINT EditPaste = 57637;
inline constexpr UINT EditSelectAll = 57642;
inline constexpr UINT EditFind = 57636;
inline constexpr UINT EditFindNext = 57638;
inline constexpr UINT EditReplace = 57641;
// View
inline constexpr UINT ViewModelBrowser = 41100;
inline constexpr UINT ViewCallLog = 41101;
inline constexpr UINT ViewToolbar = 59392;
inline constexpr UINT ViewStatusBar = 59393;
// Tools
inline constexpr UINT VariableFinder = 41111;
inline constexpr UINT DisplayTimeUnitDialog = 41112;
inline constexpr UINT Options = 41110;
// Run
inline constexpr UINT Run = 41132;
inline constexpr UINT Pause = 41133;
inline constexpr UINT Stop = 41134;
inline constexpr UINT Restart = 41135;
inline constexpr UINT Step = 41136;
inline constexpr UINT Estimation = 50268;
inline constexpr UINT Optimization = 50265;
inline constexpr UINT UnloadDlls = 50266;
// Window
inline constexpr UINT WindowCascade = 57650;
inline constexpr UINT WindowTile = 57651;
inline constexpr UINT WindowNext = 41141;
inline constexpr UINT WindowPrevious = 41142;
inline constexpr UINT WindowCloseAll = 41140;
// Help
inline constexpr UINT HelpContents = 57667;
inline constexpr UINT AppAbout = 57664;

// The workbench's own: the display time unit, and the host's messages to the
// active editor frame.
inline constexpr UINT TimeUnitSeconds = 42001;
inline constexpr UINT TimeUnitMinutes = 42002;
inline constexpr UINT TimeUnitHours = 42003;
inline constexpr UINT SendProfileToEditor = 42011;
inline constexpr UINT CloseEditor = 42012;
inline constexpr UINT ReloadDefinition = 42013;
// The plot windows.
inline constexpr UINT ShowPlot = 42021;
inline constexpr UINT ExportPlot = 42022;
inline constexpr UINT ExportPlotData = 42023;
// The session.
inline constexpr UINT NewProfilePlot = 42031;
// The simulator's results.
inline constexpr UINT OpenResults = 42032;

} // namespace Command

// The resource id of the editor module's menu and shortcut keys.
inline constexpr UINT EditorMenuResourceId = 13302;
