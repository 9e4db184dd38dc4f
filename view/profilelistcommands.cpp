// The profiles list's commands: new profile, rename, delete, and what its
// strip, keys, double-click and right-click run.

#include "view/profileeditorview.h"

#include "platform/windows/messagebox.h"
#include "resources/formcontrolids.h"
#include "view/viewlogging.h"

using namespace FormControl;

namespace {

const char* const NewProfileName = "New Profile";

} // namespace

void CSUProfileEditorView::OnProfilesStripCommand(int button)
{
    switch (button) {
    case 0:
        NewProfile();
        break;
    case 1:
        DeleteSelectedProfiles();
        break;
    case 2:
        ToggleSelectedDimensions();
        break;
    default:
        break;
    }
}

void CSUProfileEditorView::NewProfile()
{
    CreateProfile(NewProfileName);
    m_profilesList.SetFocus();
    // Editing the new row selects it alone, which makes it the current profile.
    m_profilesList.EditLabel(m_profilesList.GetItemCount() - 1);
}

void CSUProfileEditorView::OnProfileLabelEdited(const NMHDR* header)
{
    const auto* info = reinterpret_cast<const NMLVDISPINFO*>(header);
    m_plotList.SetCurSel(-1);
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
    RefreshAssignedProfile(profile);
}

std::vector<int> CSUProfileEditorView::SelectedProfileRows() const
{
    std::vector<int> rows;
    rows.reserve(m_profilesList.GetSelectedCount());
    for (int row = m_profilesList.GetNextItem(-1, LVNI_SELECTED); row != -1;
         row = m_profilesList.GetNextItem(row, LVNI_SELECTED))
        rows.push_back(row);
    return rows;
}

int CSUProfileEditorView::RowWithKey(int row, int key) const
{
    if (row >= 0 && row < m_profilesList.GetItemCount() && static_cast<int>(m_profilesList.GetItemData(row)) == key)
        return row;
    LVFINDINFO find;
    find.flags = LVFI_PARAM;
    find.lParam = key;
    return m_profilesList.FindItem(&find);
}

void CSUProfileEditorView::DeleteSelectedProfiles()
{
    // First the selection is read once, as profile keys, and a profile that
    // has a role is asked about, top to bottom; then the rows go, all at once.
    // A question runs a message loop in which the host may reload or extend
    // the list: after it, profiles are found again by key, and a profile that
    // went away meanwhile is left alone (keys are not given again until the
    // 16-bit counter wraps).
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
            const int answer
                = MessageBox(GetSafeHwnd(), text, MessageBoxTitle, MB_YESNO | MB_ICONQUESTION | MB_TOPMOST);
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
            UnassignProfile(profile);
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

void CSUProfileEditorView::OnProfilesListKeyDown(const NMHDR* header)
{
    const auto* key = reinterpret_cast<const NMLVKEYDOWN*>(header);
    if (key->wVKey == VK_DELETE || key->wVKey == VK_INSERT || key->wVKey == 'D')
        EndOpenEdits();
    switch (key->wVKey) {
    case VK_DELETE:
        DeleteSelectedProfiles();
        break;
    case VK_INSERT:
        OnListStripCommand(0, ProfilesStrip);
        break;
    case 'D':
        if (GetKeyState(static_cast<int>(VK_CONTROL)) < 0)
            SwapSelectedDimensions();
        break;
    default:
        break;
    }
}

int CSUProfileEditorView::ProfileRowAtCursor(int* column, UINT* flags) const
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

void CSUProfileEditorView::OnProfilesListDoubleClick(const NMHDR* /*header*/)
{
    EndOpenEdits();
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
        OnListStripCommand(0, ProfilesStrip);
}

void CSUProfileEditorView::OnProfilesListRightClick(const NMHDR* /*header*/)
{
    EndOpenEdits();
    int column = 0;
    UINT flags = 0;
    const int row = ProfileRowAtCursor(&column, &flags);
    if (row >= 0 && (flags & LVHT_ONITEMLABEL))
        ShowDimensionMenu(row);
}
