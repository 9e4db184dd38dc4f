#include "resources/editorresources.h"

#include "resources/bitmaps.h"
#include "resources/dimensionmenus.h"
#include "resources/editorform.h"
#include "resources/hostmenu.h"

namespace {

void AddStrings(ResourceModule& module)
{
    module.AddString(1, "Profile Editor");
    module.AddString(50229, "Create a profile table\nNew Profile Table\nNew Profile Table");
    module.AddString(50265, "Control an optimization run\nOptimization\nOptimization");
    module.AddString(50266, "Unload .DLLs from memory\nUnload DLLs\nUnload DLLs");
    module.AddString(50268, "Control an estimation run\nEstimation\nEstimation");
}

} // namespace

ResourceModule& EditorResourceModule()
{
    static ResourceModule module("profileeditor");
    static const bool filled = [] {
        AddStrings(module);
        module.AddMenu(HostMenuId, HostMainMenu());
        module.AddAccelerators(HostMenuId, HostShortcutKeys());
        module.AddDialog(EditorFormId, &EditorFormTemplate());
        AddStripBitmaps(module);
        AddDimensionMenus(module);
        return true;
    }();
    (void)filled;
    return module;
}
