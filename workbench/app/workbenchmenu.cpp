#include "workbench/app/workbenchmenu.h"

#include "workbench/app/commandids.h"

#include <algorithm>

namespace {

// The menu-resource builders under short names; "Command" here names the
// command ids.
const auto Item = MenuItemResource::Command;
const auto Separator = MenuItemResource::Separator;
const auto Popup = MenuItemResource::Popup;

// The popup's title without its mnemonic mark: "&Tools" -> "Tools".
std::string PlainTitle(const std::string& text)
{
    std::string plain = text;
    plain.erase(std::remove(plain.begin(), plain.end(), '&'), plain.end());
    return plain;
}

} // namespace

std::vector<MenuItemResource> WorkbenchMainMenu()
{
    using namespace Command;
    return {
        Popup("&File",
            {Item(FileNew, "&New\tCtrl+N"), Item(FileOpen, "&Open...\tCtrl+O"), Item(FileClose, "&Close\tCtrl+F4"),
                Item(FileSave, "&Save\tCtrl+S"), Item(FileSaveAs, "Save &As..."), Separator(),
                Item(NewProfileTable, "New Profile &Table"), Separator(), Item(FilePrint, "&Print...\tCtrl+P"),
                Separator(), Item(AppExit, "E&xit")}),
        Popup("&Edit",
            {Item(EditUndo, "&Undo\tCtrl+Z"), Item(EditRedo, "&Redo\tCtrl+Y"), Separator(),
                Item(EditCut, "Cu&t\tCtrl+X"), Item(EditCopy, "&Copy\tCtrl+C"), Item(EditPaste, "&Paste\tCtrl+V"),
                Item(EditSelectAll, "Select &All\tCtrl+A"), Separator(), Item(EditFind, "&Find...\tCtrl+F"),
                Item(EditFindNext, "Find &Next\tF3"), Item(EditReplace, "R&eplace...\tCtrl+H")}),
        Popup("&View",
            {Item(ViewModelBrowser, "Model &Browser\tCtrl+B"), Item(ViewCallLog, "Call &Log\tCtrl+L"), Separator(),
                Item(ViewToolbar, "&Toolbar"), Item(ViewStatusBar, "&Status Bar")}),
        Popup("&Tools",
            {Item(VariableFinder, "&Variable Finder...\tCtrl+K"), Item(DisplayTimeUnitDialog, "&Display Time Unit..."),
                Separator(), Item(Options, "&Options...")}),
        Popup("&Run",
            {Item(Run, "&Run\tF5"), Item(Pause, "&Pause\tF8"), Item(Stop, "&Stop\tShift+F5"),
                Item(Restart, "Res&tart\tCtrl+F5"), Item(Step, "Step\tF9"), Separator(),
                Item(Estimation, "&Estimation...\tCtrl+E"), Item(Optimization, "&Optimization...\tCtrl+T"), Separator(),
                Item(UnloadDlls, "&Unload DLLs\tCtrl+U")}),
        Popup("&Window",
            {Item(WindowCascade, "&Cascade"), Item(WindowTile, "&Tile"), Item(WindowNext, "&Next Window\tCtrl+F6"),
                Item(WindowPrevious, "&Previous Window\tCtrl+Shift+F6"), Item(WindowCloseAll, "Close &All")}),
        Popup("&Help", {Item(HelpContents, "&Contents\tF1"), Separator(), Item(AppAbout, "&About...")}),
    };
}

std::vector<AcceleratorResource> WorkbenchShortcutKeys()
{
    using namespace Command;
    // Ctrl+D is not among them: the editor's profiles list uses it.
    return {
        {"Ctrl+N", FileNew},
        {"Ctrl+O", FileOpen},
        {"Ctrl+F4", FileClose},
        {"Ctrl+S", FileSave},
        {"Ctrl+P", FilePrint},
        {"Ctrl+Z", EditUndo},
        {"Alt+Backspace", EditUndo},
        {"Ctrl+Y", EditRedo},
        {"Ctrl+X", EditCut},
        {"Shift+Del", EditCut},
        {"Ctrl+C", EditCopy},
        {"Ctrl+Ins", EditCopy},
        {"Ctrl+V", EditPaste},
        {"Shift+Ins", EditPaste},
        {"Ctrl+A", EditSelectAll},
        {"Ctrl+F", EditFind},
        {"F3", EditFindNext},
        {"Ctrl+H", EditReplace},
        {"Ctrl+B", ViewModelBrowser},
        {"Ctrl+L", ViewCallLog},
        {"Ctrl+K", VariableFinder},
        {"F5", Run},
        {"F8", Pause},
        {"Shift+F5", Stop},
        {"Ctrl+F5", Restart},
        {"F9", Step},
        {"Ctrl+E", Estimation},
        {"Ctrl+T", Optimization},
        {"Ctrl+U", UnloadDlls},
        {"Ctrl+F6", WindowNext},
        {"Ctrl+Shift+F6", WindowPrevious},
        {"F1", HelpContents},
    };
}

std::vector<MenuItemResource> WithWorkbenchItems(std::vector<MenuItemResource> menu)
{
    using namespace Command;
    const auto titled = [&menu](const char* title) {
        return std::find_if(menu.begin(), menu.end(),
            [title](const MenuItemResource& popup) { return PlainTitle(popup.text) == title; });
    };

    MenuItemResource units = Popup("Display Time &Unit",
        {Item(TimeUnitSeconds, "&Seconds (s)"), Item(TimeUnitMinutes, "&Minutes (min)"),
            Item(TimeUnitHours, "&Hours (h)")});
    const auto tools = titled("Tools");
    if (tools != menu.end()) {
        tools->items.push_back(Separator());
        tools->items.push_back(std::move(units));
    } else {
        menu.push_back(Popup("&Tools", {std::move(units)}));
    }

    MenuItemResource editor = Popup("E&ditor",
        {Item(SendProfileToEditor, "&Send Profile to Editor..."), Item(ReloadDefinition, "&Reload Definition"),
            Separator(), Item(CloseEditor, "&Close Editor")});
    menu.insert(titled("Window"), std::move(editor));

    menu.insert(titled("Window"), Popup("&Plot", {Item(ShowPlot, "&Show Plot")}));
    const auto file = titled("File");
    if (file != menu.end()) {
        // After Open..., or first.
        const auto open = std::find_if(
            file->items.begin(), file->items.end(), [](const MenuItemResource& item) { return item.id == FileOpen; });
        file->items.insert(
            open == file->items.end() ? file->items.begin() : open + 1, Item(OpenResults, "Open &Results..."));
    }
    if (file != menu.end())
        file->items.insert(file->items.end() - (file->items.empty() ? 0 : 1),
            {Item(NewProfilePlot, "New Profile P&lot..."), Item(ExportPlot, "&Export Plot..."),
                Item(ExportPlotData, "Export Plot &Data..."), Separator()});
    return menu;
}
