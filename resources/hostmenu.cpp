#include "resources/hostmenu.h"

namespace {

const auto Command = MenuItemResource::Command;
const auto Separator = MenuItemResource::Separator;
const auto Popup = MenuItemResource::Popup;

} // namespace

std::vector<MenuItemResource> HostMainMenu()
{
    return {
        Popup("&File",
            {Command(57600, "&New\tCtrl+N"), Command(57601, "&Open...\tCtrl+O"), Command(57602, "&Close\tCtrl+F4"),
                Command(57603, "&Save\tCtrl+S"), Command(57604, "Save &As..."), Separator(),
                Command(HostCommandNewProfileTable, "New Profile &Table"), Separator(),
                Command(57607, "&Print...\tCtrl+P"), Separator(), Command(57665, "E&xit")}),
        Popup("&Edit",
            {Command(57643, "&Undo\tCtrl+Z"), Command(57644, "&Redo\tCtrl+Y"), Separator(),
                Command(57635, "Cu&t\tCtrl+X"), Command(57634, "&Copy\tCtrl+C"), Command(57637, "&Paste\tCtrl+V"),
                Command(57642, "Select &All\tCtrl+A"), Separator(), Command(57636, "&Find...\tCtrl+F"),
                Command(57638, "Find &Next\tF3"), Command(57641, "R&eplace...\tCtrl+H")}),
        Popup("&View",
            {Command(41100, "Model &Browser\tCtrl+B"), Command(41101, "Call &Log\tCtrl+L"), Separator(),
                Command(59392, "&Toolbar"), Command(59393, "&Status Bar")}),
        Popup("&Tools",
            {Command(41111, "&Variable Finder...\tCtrl+K"), Command(41112, "&Display Time Unit..."), Separator(),
                Command(41110, "&Options...")}),
        Popup("&Run",
            {Command(HostCommandRun, "&Run\tF5"), Command(41133, "&Pause\tF8"), Command(41134, "&Stop\tShift+F5"),
                Command(41135, "Res&tart\tCtrl+F5"), Command(41136, "Step\tF9"), Separator(),
                Command(HostCommandEstimation, "&Estimation...\tCtrl+E"),
                Command(HostCommandOptimization, "&Optimization...\tCtrl+T"), Separator(),
                Command(HostCommandUnloadDlls, "&Unload DLLs\tCtrl+U")}),
        Popup("&Window",
            {Command(57650, "&Cascade"), Command(57651, "&Tile"), Command(41141, "&Next Window\tCtrl+F6"),
                Command(41142, "&Previous Window\tCtrl+Shift+F6"), Command(41140, "Close &All")}),
        Popup("&Help", {Command(57667, "&Contents\tF1"), Separator(), Command(57664, "&About...")}),
    };
}

std::vector<AcceleratorResource> HostShortcutKeys()
{
    // 32 keys. Ctrl+D is not among them: the profiles list uses it.
    return {
        {"Ctrl+N", 57600},
        {"Ctrl+O", 57601},
        {"Ctrl+F4", 57602},
        {"Ctrl+S", 57603},
        {"Ctrl+P", 57607},
        {"Ctrl+Z", 57643},
        {"Alt+Backspace", 57643},
        {"Ctrl+Y", 57644},
        {"Ctrl+X", 57635},
        {"Shift+Del", 57635},
        {"Ctrl+C", 57634},
        {"Ctrl+Ins", 57634},
        {"Ctrl+V", 57637},
        {"Shift+Ins", 57637},
        {"Ctrl+A", 57642},
        {"Ctrl+F", 57636},
        {"F3", 57638},
        {"Ctrl+H", 57641},
        {"Ctrl+B", 41100},
        {"Ctrl+L", 41101},
        {"Ctrl+K", 41111},
        {"F5", HostCommandRun},
        {"F8", 41133},
        {"Shift+F5", 41134},
        {"Ctrl+F5", 41135},
        {"F9", 41136},
        {"Ctrl+E", HostCommandEstimation},
        {"Ctrl+T", HostCommandOptimization},
        {"Ctrl+U", HostCommandUnloadDlls},
        {"Ctrl+F6", 41141},
        {"Ctrl+Shift+F6", 41142},
        {"F1", 57667},
    };
}
