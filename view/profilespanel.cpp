// The profile set and the profiles list that shows it, the current profile
// and its variables list, and the panel's strips.

#include "view/profilespanel.h"

#include "controls/listboxexbuddy.h"
#include "model/profileroles.h"
#include "platform/docview/formview.h"
#include "resources/bitmaps.h"
#include "resources/formcontrolids.h"
#include "view/formaccess.h"
#include "view/plotassignment.h"

using namespace FormControl;

ProfilesPanel::ProfilesPanel(const FormAccess& form, IFormHost& host, PlotAssignment& assignment)
    : m_form(form), m_host(host), m_assignment(assignment)
{
}

ProfilesPanel::~ProfilesPanel()
{
    // The strips first: they point into the lists.
    m_variablesStrip.reset();
    m_profilesStrip.reset();
    m_currentProfile = nullptr;
    m_profiles.DeleteAll();
}

void ProfilesPanel::Bind(CDataExchange* pDX)
{
    DDX_Control(pDX, ProfilesList, m_profilesList);
    DDX_Control(pDX, FormControl::VariablesList, m_variablesList);
}

void ProfilesPanel::CreateStrips()
{
    m_variablesStrip = m_form.MakeStrip(FormControl::VariablesStrip, IDB_VARIABLES_STRIP,
        {"Add Variable", "Remove Variable", "Move Up", "Move Down"}, &m_variablesList);
    m_profilesStrip = m_form.MakeStrip(ProfilesStrip, IDB_PROFILES_STRIP, {"New", "Delete", "Toggle Dimension"});
}

void ProfilesPanel::CreateColumns()
{
    RECT rect;
    m_profilesList.GetWindowRect(&rect);
    m_profilesList.InsertColumn(0, "Profile", LVCFMT_LEFT, rect.right - rect.left - 40);
    m_profilesList.InsertColumn(1, "Dim.", LVCFMT_LEFT, 36);
}

int ProfilesPanel::AddProfileRow(CSUPEProfile* profile)
{
    const int row = m_profilesList.GetItemCount();
    // The set takes the profile over, also when it raises (every key in use).
    const int key = m_profiles.Add(profile);
    m_profilesList.InsertItem(row, profile->name);
    m_profilesList.SetItemText(row, 1, DimensionText(profile->dimension));
    m_profilesList.SetItemData(row, static_cast<DWORD_PTR>(key));
    return key;
}

void ProfilesPanel::AddProfile(std::unique_ptr<CSUPEProfile> profile)
{
    // Role, dimension and variables are set before the row is made, so that
    // the row shows the right dimension.
    CSUPEProfile* added = profile.release();
    AddProfileRow(added);
    m_assignment.ShowAssignedProfile(added, true);
}

CSUPEProfile* ProfilesPanel::ProfileFromRow(int row) const
{
    if (row < 0 || row >= m_profilesList.GetItemCount())
        return nullptr;
    return m_profiles.Find(static_cast<int>(m_profilesList.GetItemData(row)));
}

std::vector<int> ProfilesPanel::SelectedProfileRows() const
{
    std::vector<int> rows;
    rows.reserve(m_profilesList.GetSelectedCount());
    for (int row = m_profilesList.GetNextItem(-1, LVNI_SELECTED); row != -1;
         row = m_profilesList.GetNextItem(row, LVNI_SELECTED))
        rows.push_back(row);
    return rows;
}

void ProfilesPanel::RemoveAllProfiles()
{
    // Every profile goes, so its displays are emptied at once rather than
    // entry by entry; the key counter keeps its value.
    m_currentProfile = nullptr;
    m_profiles.DeleteAll();
    m_assignment.ClearAll();
    m_profilesList.DeleteAllItems();
}

void ProfilesPanel::SelectFirstRow()
{
    if (m_profilesList.GetItemCount() > 0)
        m_profilesList.SetItemState(0, LVIS_SELECTED, LVIS_SELECTED);
    m_variablesStrip->EnableWindow(m_currentProfile != nullptr);
}

void ProfilesPanel::ShowProfileVariables()
{
    // A variable being edited is stored in the profile it belongs to before
    // the list shows another one.
    m_variablesList.CommitEdit();
    m_variablesList.ResetContent();
    m_currentProfile = nullptr;
    // Exactly one row selected: a first and no second. Counting every selected
    // row instead would make selecting many rows at once quadratic, as each
    // row's change comes here.
    const int first = m_profilesList.GetNextItem(-1, LVNI_SELECTED);
    if (first != -1 && m_profilesList.GetNextItem(first, LVNI_SELECTED) == -1) {
        m_currentProfile = ProfileFromRow(first);
        if (m_currentProfile) {
            for (const CString& variable : m_currentProfile->variables)
                m_variablesList.AddString(variable);
        }
    }
    if (m_variablesStrip)
        m_variablesStrip->EnableWindow(m_currentProfile != nullptr);
}

void ProfilesPanel::OnItemChanged(const NMHDR* header)
{
    const auto* change = reinterpret_cast<const NMLISTVIEW*>(header);
    if ((change->uNewState ^ change->uOldState) & LVIS_SELECTED)
        ShowProfileVariables();
}

void ProfilesPanel::EndLabelEdit()
{
    if (m_profilesList.GetSafeHwnd() && m_profilesList.GetEditControl())
        m_profilesList.EditLabel(-1);
}
