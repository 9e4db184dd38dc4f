// Giving profiles their plot roles: the ">>" buttons put the selected profiles
// on the x axis, the y axis or the plot list; the clear buttons, the Delete
// key in an axis field and the plot strip take them off again. A profile takes
// a role only while it has none; nothing here shows a message.

#include "view/profileeditorview.h"

#include "resources/formcontrolids.h"

using namespace FormControl;

void CSUProfileEditorView::AssignToTarget(AssignTarget target, ProfileRole role)
{
    const auto roleBits = static_cast<int16_t>(role);
    if (target == AssignTarget::PlotList) {
        for (int row = m_profilesList.GetNextItem(-1, LVNI_SELECTED); row >= 0;
             row = m_profilesList.GetNextItem(row, LVNI_SELECTED)) {
            CSUPEProfile* profile = ProfileFromRow(row);
            if (!profile || profile->role != 0)
                continue;
            const int entry = m_plotList.AddItem(profile->name);
            m_plotList.SetItemData(entry, static_cast<DWORD_PTR>(profile->key));
            profile->role = roleBits;
        }
        return;
    }
    CSUPEProfile* profile = ProfileFromRow(m_profilesList.GetNextItem(-1, LVNI_SELECTED));
    if (!profile || profile->role != 0)
        return;
    CEdit& field = target == AssignTarget::XAxisField ? m_xAxisField : m_yAxisField;
    if (!field.GetWindowText().IsEmpty())
        RemoveFromTarget(target, role);
    profile->role = roleBits;
    field.SetWindowText(profile->name);
    (target == AssignTarget::XAxisField ? m_xAxisKey : m_yAxisKey) = profile->key;
}

void CSUProfileEditorView::RemoveFromTarget(AssignTarget target, ProfileRole role)
{
    if (target == AssignTarget::PlotList) {
        // The list removes the entry itself once this returns.
        const int entry = m_plotList.GetCurSel();
        if (entry < 0)
            return;
        if (CSUPEProfile* profile = m_profiles.Find(static_cast<int>(m_plotList.GetItemData(entry))))
            ClearRole(*profile, role);
        return;
    }
    int32_t& key = target == AssignTarget::XAxisField ? m_xAxisKey : m_yAxisKey;
    if (key < 0)
        return;
    if (CSUPEProfile* profile = m_profiles.Find(key))
        ClearRole(*profile, role);
    (target == AssignTarget::XAxisField ? m_xAxisField : m_yAxisField).SetWindowText("");
    key = -1;
}

void CSUProfileEditorView::OnToXAxis()
{
    if (m_profilesList.GetSelectedCount() == 1)
        AssignToTarget(AssignTarget::XAxisField, ProfileRole::XAxis);
}

void CSUProfileEditorView::OnToYAxis()
{
    if (!m_is2DPlot && m_profilesList.GetSelectedCount() == 1)
        AssignToTarget(AssignTarget::YAxisField, ProfileRole::YAxis);
}

void CSUProfileEditorView::OnToPlot()
{
    AssignToTarget(AssignTarget::PlotList, ProfileRole::Plotted);
}

void CSUProfileEditorView::ClearXAxisField()
{
    RemoveFromTarget(AssignTarget::XAxisField, ProfileRole::XAxis);
    m_xAxisKey = -1;
}

void CSUProfileEditorView::ClearYAxisField()
{
    RemoveFromTarget(AssignTarget::YAxisField, ProfileRole::YAxis);
    m_yAxisKey = -1;
}

void CSUProfileEditorView::OnPlotStripCommand(int /*button*/)
{
    // Every button of the plot strip that reaches the view removes the
    // selected entry: its profile is no longer plotted.
    RemoveFromTarget(AssignTarget::PlotList, ProfileRole::Plotted);
}

bool CSUProfileEditorView::PreTranslateMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    // The Delete key in an axis field takes the profile off that axis and is
    // not passed on to the field.
    if (message == WM_KEYDOWN && wParam == VK_DELETE) {
        const CWnd* focus = CWnd::GetFocus();
        const HWND window = focus ? focus->GetSafeHwnd() : nullptr;
        if (window && window == m_xAxisField.GetSafeHwnd()) {
            RemoveFromTarget(AssignTarget::XAxisField, ProfileRole::XAxis);
            return true;
        }
        if (window && window == m_yAxisField.GetSafeHwnd()) {
            RemoveFromTarget(AssignTarget::YAxisField, ProfileRole::YAxis);
            return true;
        }
    }
    return CFormView::PreTranslateMessage(message, wParam, lParam);
}
