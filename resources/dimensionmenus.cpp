#include "resources/dimensionmenus.h"

void AddDimensionMenus(ResourceModule& module)
{
    // Ctrl+D is the profiles list's own key, not an accelerator: the text only names it.
    module.AddMenu(IDR_DIMENSION_TO_2D,
        {MenuItemResource::Popup(
            "Dimension popup", {MenuItemResource::Command(ID_MARK_PROFILE_2D, "Mark profile as &2D\tCtrl+D")})});
    module.AddMenu(IDR_DIMENSION_TO_1D,
        {MenuItemResource::Popup(
            "Dimension popup", {MenuItemResource::Command(ID_MARK_PROFILE_1D, "Mark profile as &1D\tCtrl+D")})});
    module.AddString(ID_MARK_PROFILE_2D, "Mark profile as 2 dimensional");
    module.AddString(ID_MARK_PROFILE_1D, "Mark profile as 1 dimensional");
}
