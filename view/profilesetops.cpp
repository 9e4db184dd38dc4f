// The profile set and the form's displays of it: the profiles list, the axis
// fields and the plot list, kept in step after every operation.

#include "view/profileeditorview.h"

#include "controls/listboxexbuddy.h"
#include "model/profileroles.h"
#include "platform/windows/waitcursor.h"
#include "resources/formcontrolids.h"

CSUPEProfile* CSUProfileEditorView::CreateProfile(const CString& name)
{
    auto* profile = new CSUPEProfile(name);
    AddProfileRow(profile);
    return profile;
}

int CSUProfileEditorView::AddProfileRow(CSUPEProfile* profile)
{
    const int row = m_profilesList.GetItemCount();
    // The set takes the profile over, also when it raises (every key in use).
    const int key = m_profiles.Add(profile);
    m_profilesList.InsertItem(row, profile->name);
    m_profilesList.SetItemText(row, 1, DimensionText(profile->dimension));
    m_profilesList.SetItemData(row, static_cast<DWORD_PTR>(key));
    return key;
}

CSUPEProfile* CSUProfileEditorView::ProfileFromRow(int row) const
{
    if (row < 0 || row >= m_profilesList.GetItemCount())
        return nullptr;
    return m_profiles.Find(static_cast<int>(m_profilesList.GetItemData(row)));
}

namespace {

// The first plot-list entry, from the top, that carries `key`; -1 for none.
int FindPlotEntry(const CListBox& plotList, int key)
{
    for (int i = 0; i < plotList.GetCount(); ++i) {
        if (static_cast<uint16_t>(plotList.GetItemData(i)) == static_cast<uint16_t>(key))
            return i;
    }
    return -1;
}

} // namespace

void CSUProfileEditorView::RefreshAssignedProfile(CSUPEProfile* profile)
{
    ShowAssignedProfile(profile, false);
}

void CSUProfileEditorView::ShowAssignedProfile(CSUPEProfile* profile, bool newlyAdded)
{
    switch (ShownRole(profile->role)) {
    case ProfileRole::XAxis:
        m_xAxisField.SetWindowText(profile->name);
        m_xAxisKey = profile->key;
        break;
    case ProfileRole::Plotted: {
        // A profile that has just got its key cannot have an entry yet: the
        // search would only make a long load quadratic.
        const int entry = newlyAdded ? -1 : FindPlotEntry(m_plotList, profile->key);
        if (entry >= 0) {
            const DWORD_PTR data = m_plotList.GetItemData(entry);
            m_plotList.DeleteString(entry);
            m_plotList.InsertString(entry, profile->name);
            m_plotList.SetItemData(entry, data);
        } else {
            const int added = m_plotList.AddString(profile->name);
            m_plotList.SetItemData(added, static_cast<DWORD_PTR>(profile->key));
        }
        break;
    }
    case ProfileRole::YAxis:
        m_yAxisField.SetWindowText(profile->name);
        m_yAxisKey = profile->key;
        break;
    case ProfileRole::Unassigned:
        break;
    }
}

void CSUProfileEditorView::UnassignProfile(CSUPEProfile* profile)
{
    switch (ShownRole(profile->role)) {
    case ProfileRole::XAxis:
        m_xAxisField.SetWindowText("");
        m_xAxisKey = -1;
        break;
    case ProfileRole::Plotted:
        if (const int entry = FindPlotEntry(m_plotList, profile->key); entry >= 0)
            m_plotList.DeleteString(entry);
        break;
    case ProfileRole::YAxis:
        m_yAxisField.SetWindowText("");
        m_yAxisKey = -1;
        break;
    case ProfileRole::Unassigned:
        break;
    }
}

void CSUProfileEditorView::RemoveAllProfiles()
{
    // Every profile goes, so its displays are emptied at once rather than
    // entry by entry; the key counter keeps its value.
    m_currentProfile = nullptr;
    m_profiles.DeleteAll();
    m_xAxisField.SetWindowText("");
    m_xAxisKey = -1;
    m_yAxisField.SetWindowText("");
    m_yAxisKey = -1;
    m_plotList.ResetContent();
    m_profilesList.DeleteAllItems();
}

void CSUProfileEditorView::ReceiveProfile(const CSUPEProfile* source)
{
    if (!source || !source->plotRequested || !m_plotData)
        return;
    EndOpenEdits();
    const CWaitCursor wait;
    try {
        auto* profile = new CSUPEProfile(*source);
        profile->role = static_cast<int16_t>(ProfileRole::Plotted);
        AddProfileRow(profile);
        ShowAssignedProfile(profile, true);
    } catch (const std::exception& error) {
        ReportError(error.what());
    }
}

void CSUProfileEditorView::ShowProfileVariables()
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

void CSUProfileEditorView::OnProfilesListItemChanged(const NMHDR* header)
{
    const auto* change = reinterpret_cast<const NMLISTVIEW*>(header);
    if ((change->uNewState ^ change->uOldState) & LVIS_SELECTED)
        ShowProfileVariables();
}

void CSUProfileEditorView::OnListStripCommand(int button, UINT stripId)
{
    // Strip buttons, list keys, double-clicks and drops, by strip: one
    // function per strip.
    try {
        EndOpenEdits();
        switch (stripId) {
        case FormControl::ProfilesStrip:
            OnProfilesStripCommand(button);
            break;
        case FormControl::VariablesStrip:
            OnVariablesStripCommand(button);
            break;
        case FormControl::PlotStrip:
            OnPlotStripCommand(button);
            break;
        case FormControl::TimesStrip:
            OnTimesStripCommand(button);
            break;
        default:
            break;
        }
    } catch (const std::exception& error) {
        ReportError(error.what());
    }
}
