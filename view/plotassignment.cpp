// Giving profiles their plot roles: the ">>" buttons put the selected profiles
// on the x axis, the y axis or the plot list; the clear buttons, the Delete
// key in an axis field and the plot strip take them off again. A profile takes
// a role only while it has none; nothing here shows a message.

#include "view/plotassignment.h"

#include "controls/listboxexbuddy.h"
#include "controls/listboxexparent.h"
#include "view/plottypechoice.h"
#include "view/profilespanel.h"

void PlotAssignment::AssignToTarget(AssignTarget target, ProfileRole role)
{
    const auto roleBits = static_cast<int16_t>(role);
    const std::vector<int> rows = m_profiles.SelectedProfileRows();
    if (target == AssignTarget::PlotList) {
        for (const int row : rows) {
            CSUPEProfile* profile = m_profiles.ProfileFromRow(row);
            if (!profile || profile->role != 0)
                continue;
            const int entry = m_plotList.AddItem(profile->name);
            m_plotList.SetItemData(entry, static_cast<DWORD_PTR>(profile->key));
            profile->role = roleBits;
        }
        return;
    }
    CSUPEProfile* profile = m_profiles.ProfileFromRow(rows.empty() ? -1 : rows.front());
    if (!profile || profile->role != 0)
        return;
    CEdit& field = target == AssignTarget::XAxisField ? m_xAxisField : m_yAxisField;
    if (!field.GetWindowText().IsEmpty())
        RemoveFromTarget(target, role);
    profile->role = roleBits;
    field.SetWindowText(profile->name);
    (target == AssignTarget::XAxisField ? m_xAxisKey : m_yAxisKey) = profile->key;
}

void PlotAssignment::RemoveFromTarget(AssignTarget target, ProfileRole role)
{
    if (target == AssignTarget::PlotList) {
        // The list removes the entry itself once this returns.
        const int entry = m_plotList.GetCurSel();
        if (entry < 0)
            return;
        if (CSUPEProfile* profile = m_profiles.FindProfile(static_cast<int>(m_plotList.GetItemData(entry))))
            ClearRole(*profile, role);
        return;
    }
    int32_t& key = target == AssignTarget::XAxisField ? m_xAxisKey : m_yAxisKey;
    if (key < 0)
        return;
    if (CSUPEProfile* profile = m_profiles.FindProfile(key))
        ClearRole(*profile, role);
    (target == AssignTarget::XAxisField ? m_xAxisField : m_yAxisField).SetWindowText("");
    key = -1;
}

void PlotAssignment::OnToXAxis()
{
    if (m_profiles.List().GetSelectedCount() == 1)
        AssignToTarget(AssignTarget::XAxisField, ProfileRole::XAxis);
}

void PlotAssignment::OnToYAxis()
{
    if (!m_plotType.Is2DPlot() && m_profiles.List().GetSelectedCount() == 1)
        AssignToTarget(AssignTarget::YAxisField, ProfileRole::YAxis);
}

void PlotAssignment::OnToPlot()
{
    AssignToTarget(AssignTarget::PlotList, ProfileRole::Plotted);
}

void PlotAssignment::ClearXAxisField()
{
    RemoveFromTarget(AssignTarget::XAxisField, ProfileRole::XAxis);
    m_xAxisKey = -1;
}

void PlotAssignment::ClearYAxisField()
{
    RemoveFromTarget(AssignTarget::YAxisField, ProfileRole::YAxis);
    m_yAxisKey = -1;
}

void PlotAssignment::OnPlotRowEvent(const ListRowEvent& event)
{
    // The list makes the removed entry the selected one first.
    if (event.kind == ListRowEvent::Kind::Removing)
        RemoveFromTarget(AssignTarget::PlotList, ProfileRole::Plotted);
}

bool PlotAssignment::HandleDeleteKey(HWND focus)
{
    if (focus && focus == m_xAxisField.GetSafeHwnd()) {
        RemoveFromTarget(AssignTarget::XAxisField, ProfileRole::XAxis);
        return true;
    }
    if (focus && focus == m_yAxisField.GetSafeHwnd()) {
        RemoveFromTarget(AssignTarget::YAxisField, ProfileRole::YAxis);
        return true;
    }
    return false;
}
