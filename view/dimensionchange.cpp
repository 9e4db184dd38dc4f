// The four ways to change a profile's dimension: the profiles strip's toggle
// button, Ctrl+D, a double-click on the "Dim." column and the context menu.
// The profile and its row's "Dim." text change together.

#include "view/profilespanel.h"

#include "model/profileroles.h"
#include "platform/windows/popupmenu.h"
#include "resources/dimensionmenus.h"
#include "view/formaccess.h"
#include "view/viewlogging.h"

namespace {

constexpr int DimensionColumn = 1;

} // namespace

void ProfilesPanel::SetRowDimension(int row, int32_t dimension)
{
    CSUPEProfile* profile = ProfileFromRow(row);
    if (!profile) {
        qCWarning(lcView, "Dimension: row %d of the profiles list names no profile; it stays as it is.", row);
        return;
    }
    profile->dimension = dimension;
    m_profilesList.SetItemText(row, DimensionColumn, DimensionText(dimension));
}

void ProfilesPanel::ToggleRowDimension(int row)
{
    // By the row's text: "1 D" becomes 2, anything else 1.
    SetRowDimension(row, m_profilesList.GetItemText(row, DimensionColumn) == "1 D" ? 2 : 1);
}

void ProfilesPanel::ToggleSelectedDimensions()
{
    for (int row : SelectedProfileRows())
        ToggleRowDimension(row);
}

void ProfilesPanel::SwapSelectedDimensions()
{
    for (int row : SelectedProfileRows()) {
        if (const CSUPEProfile* profile = ProfileFromRow(row))
            SetRowDimension(row, 3 - profile->dimension);
        else
            qCWarning(lcView, "Dimension: row %d of the profiles list names no profile; it stays as it is.", row);
    }
}

void ProfilesPanel::ShowDimensionMenu(int row)
{
    const CSUPEProfile* profile = ProfileFromRow(row);
    if (!profile) {
        qCWarning(lcView, "Dimension: row %d of the profiles list names no profile; no menu is shown.", row);
        return;
    }
    const int key = profile->key;
    CMenu menu;
    if (!menu.LoadMenu(profile->dimension == 1 ? IDR_DIMENSION_TO_2D : IDR_DIMENSION_TO_1D))
        return;
    CMenu* popup = menu.GetSubMenu(0);
    if (!popup)
        return;
    const POINT at = GetCurrentMessagePoint();
    const UINT command = popup->TrackPopupMenu(TPM_RETURNCMD | TPM_NONOTIFY, at.x, at.y, &m_form.Window());
    menu.DestroyMenu();
    // The menu ran modally: find the row by its key again.
    row = RowWithKey(row, key);
    if (row < 0)
        return;
    if (command == ID_MARK_PROFILE_2D)
        SetRowDimension(row, 2);
    else if (command == ID_MARK_PROFILE_1D)
        SetRowDimension(row, 1);
}
