// The checks Apply and OK run before writing: the plot rules of the profiles
// and roles, then the time fields. The first broken rule is told in a box.

#include "view/profileeditorview.h"

#include "model/timevalues.h"
#include "platform/windows/messagebox.h"
#include "resources/formcontrolids.h"

using namespace FormControl;

std::vector<int> CSUProfileEditorView::PlotKeys() const
{
    std::vector<int> keys;
    const int count = m_plotList.GetCount();
    keys.reserve(static_cast<size_t>(std::max(count, 0)));
    for (int entry = 0; entry < count; ++entry)
        keys.push_back(static_cast<int>(m_plotList.GetItemData(entry)));
    return keys;
}

PlotLayout CSUProfileEditorView::CurrentLayout() const
{
    return PlotLayout {m_profiles, m_xAxisKey, m_yAxisKey, PlotKeys(), m_is2DPlot != 0, m_yAxisIsTime != 0};
}

int CSUProfileEditorView::ClassifyPlotProfiles() const
{
    return ::ClassifyPlotProfiles(CurrentLayout());
}

void CSUProfileEditorView::ShowRuleMessage(const char* text)
{
    MessageBox(GetSafeHwnd(), text, MessageBoxTitle, MB_OK | MB_ICONEXCLAMATION | MB_TOPMOST);
}

int CSUProfileEditorView::ValidateDefinition()
{
    if (!CheckFocusedTimeField())
        return 0;
    const CString violation = PlotRuleViolation(CurrentLayout());
    if (!violation.IsEmpty()) {
        MessageBeep(MB_OK);
        ShowRuleMessage(violation);
        return 0;
    }
    CString interval = m_intervalEdit.GetWindowText();
    CString startTime = m_startTimeEdit.GetWindowText();
    interval.Trim();
    startTime.Trim();
    // An out-of-range value was told when its field lost the focus: the field
    // gets the focus back, so that leaving it tells again.
    switch (CheckTimeFields(interval, startTime)) {
    case TimeFieldsCheck::Pass:
        return 1;
    case TimeFieldsCheck::IntervalEmpty:
        m_intervalEdit.SetFocus();
        ShowRuleMessage("Time intervals must be greater than zero.");
        return 0;
    case TimeFieldsCheck::IntervalOutOfRange:
        m_intervalEdit.SetFocus();
        return 0;
    case TimeFieldsCheck::StartTimeEmpty:
        m_startTimeEdit.SetFocus();
        ShowRuleMessage("Times cannot be less than zero.");
        return 0;
    case TimeFieldsCheck::StartTimeOutOfRange:
        m_startTimeEdit.SetFocus();
        return 0;
    }
    return 0;
}
