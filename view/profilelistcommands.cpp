// The profiles list's commands: new profile, rename, delete, and what its
// strip, keys, double-click and right-click run.

#include "view/profilespanel.h"

#include "platform/windows/messagebox.h"
#include "view/formaccess.h"
#include "view/formhost.h"
#include "view/plotassignment.h"
#include "view/viewlogging.h"

namespace {

const char* const NewProfileName = "New Profile";

} // namespace

void ProfilesPanel::RunCommand(ProfilesCommand command)
{
    switch (command) {
    case ProfilesCommand::New:
        NewProfile();
        break;
    case ProfilesCommand::Delete:
        DeleteSelectedProfiles();
        break;
    case ProfilesCommand::ToggleDimension:
        ToggleSelectedDimensions();
        break;
    }
}

void ProfilesPanel::NewProfile()
{
    AddProfileRow(new CSUPEProfile(NewProfileName));
    m_profilesList.SetFocus();
    // Editing the new row selects it alone, which makes it the current profile.
    m_profilesList.EditLabel(m_profilesList.GetItemCount() - 1);
}

void ProfilesPanel::OnLabelEdited(const NMHDR* header)
{
    const auto* info = reinterpret_cast<const NMLVDISPINFO*>(header);
    m_assignment.ClearPlotSelection();
    // The label editor's text is the candidate however the edit ended, Escape
    // included: a typed name is never thrown away.
    const CEdit* edit = m_profilesList.GetEditControl();
    if (!edit && !info->item.pszText)
        return;
    CString name = edit ? edit->GetWindowText() : CString(info->item.pszText);
    name.Trim();
    if (name.IsEmpty())
        return;
    const int row = info->item.iItem;
    CSUPEProfile* profile = ProfileFromRow(row);
    if (!profile) {
        qCWarning(lcView, "Rename: row %d of the profiles list names no profile; it keeps its text.", row);
        return;
    }
    m_profilesList.SetItemText(row, 0, name);
    profile->name = name;
    m_assignment.ShowAssignedProfile(profile, false);
}

int ProfilesPanel::RowWithKey(int row, int key) const
{
    if (row >= 0 && row < m_profilesList.GetItemCount() && static_cast<int>(m_profilesList.GetItemData(row)) == key)
        return row;
    LVFINDINFO find;
    find.flags = LVFI_PARAM;
    find.lParam = key;
    return m_profilesList.FindItem(&find);
}

std::vector<int> ProfilesPanel::ConfirmDeletion()
{
    // First the selection is read once, as profile keys, and a profile that
    // has a role is asked about, top to bottom. A question runs a message
    // loop in which the host may reload or extend the list: after it,
    // profiles are found again by key, and a profile that went away meanwhile
    // is left alone (keys are not given again until the 16-bit counter wraps).
    std::vector<int> selectedKeys;
    for (const int selectedRow : SelectedProfileRows()) {
        const int key = static_cast<int>(m_profilesList.GetItemData(selectedRow));
        if (!m_profiles.Find(key)) {
            qCWarning(lcView, "Delete: row %d of the profiles list names no profile; it stays.", selectedRow);
            continue;
        }
        selectedKeys.push_back(key);
    }
    std::vector<int> doomed;
    for (const int key : selectedKeys) {
        const CSUPEProfile* profile = m_profiles.Find(key);
        if (!profile)
            continue;
        if (profile->role != 0) {
            const CString text = "The profile " + profile->name + " is in use.\n\nDo you want to delete it anyway?";
            const int answer = m_form.ShowMessage(text, MB_YESNO | MB_ICONQUESTION | MB_TOPMOST);
            const int row = RowWithKey(-1, key);
            if (row < 0 || !m_profiles.Find(key))
                continue;
            if (answer != IDYES) {
                m_profilesList.SetItemState(row, 0, LVIS_SELECTED);
                continue;
            }
        }
        doomed.push_back(key);
    }
    return doomed;
}

void ProfilesPanel::DeleteSelectedProfiles()
{
    // The rows go all at once, after every question was answered.
    const std::vector<int> doomed = ConfirmDeletion();
    std::vector<int> rows;
    std::vector<int> keys;
    rows.reserve(doomed.size());
    keys.reserve(doomed.size());
    for (const int key : doomed) {
        CSUPEProfile* profile = m_profiles.Find(key);
        const int row = RowWithKey(-1, key);
        if (!profile || row < 0)
            continue;
        if (profile->role != 0)
            m_assignment.UnassignProfile(profile);
        if (profile == m_currentProfile)
            m_currentProfile = nullptr;
        rows.push_back(row);
        keys.push_back(key);
    }
    // All rows in one pass: one at a time, each removal costs a walk over the
    // list's remaining selection.
    m_profilesList.DeleteItems(rows);
    for (const int key : keys)
        m_profiles.Delete(key);
    // Removing rows sends no selection notice: derive the current profile and
    // the variables list again from what is left selected.
    ShowProfileVariables();
}

void ProfilesPanel::OnKeyDown(const NMHDR* header)
{
    const auto* key = reinterpret_cast<const NMLVKEYDOWN*>(header);
    if (key->wVKey == VK_DELETE || key->wVKey == VK_INSERT || key->wVKey == 'D')
        m_host.EndOpenEdits();
    switch (key->wVKey) {
    case VK_DELETE:
        DeleteSelectedProfiles();
        break;
    case VK_INSERT:
        NewProfile();
        break;
    case 'D':
        if (GetKeyState(static_cast<int>(VK_CONTROL)) < 0)
            SwapSelectedDimensions();
        break;
    default:
        break;
    }
}

int ProfilesPanel::ProfileRowAtCursor(int* column, UINT* flags) const
{
    // The hit test works in the list's client coordinates, so the cursor's
    // screen position is made relative to the client area, not the window
    // rectangle (whose border and header would shift the point).
    LVHITTESTINFO hit;
    hit.pt = GetCurrentMessagePoint();
    m_profilesList.ScreenToClient(&hit.pt);
    const int row = m_profilesList.SubItemHitTest(&hit);
    *column = hit.iSubItem;
    *flags = hit.flags;
    return row;
}

void ProfilesPanel::OnDoubleClick(const NMHDR* /*header*/)
{
    m_host.EndOpenEdits();
    int column = 0;
    UINT flags = 0;
    const int row = ProfileRowAtCursor(&column, &flags);
    if (row >= 0 && (flags & LVHT_ONITEMLABEL) && column == 1) {
        ToggleRowDimension(row);
        return;
    }
    if (m_profilesList.GetSelectedCount() == 1) {
        m_profilesList.EditLabel(m_profilesList.GetNextItem(-1, LVNI_SELECTED));
        return;
    }
    if (row == -1)
        NewProfile();
}

void ProfilesPanel::OnRightClick(const NMHDR* /*header*/)
{
    m_host.EndOpenEdits();
    int column = 0;
    UINT flags = 0;
    const int row = ProfileRowAtCursor(&column, &flags);
    if (row >= 0 && (flags & LVHT_ONITEMLABEL))
        ShowDimensionMenu(row);
}
