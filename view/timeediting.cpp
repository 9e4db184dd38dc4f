// Editing the time settings: the checks of the start-time and interval fields
// when they lose the focus, and the times list's rows, which are edited in
// place, kept in ascending order without duplicates, added and deleted from
// the times strip or with the Insert and Delete keys.

#include "view/timesettingspage.h"

#include "model/plotrules.h"
#include "model/timevalues.h"
#include "platform/windows/messagebox.h"
#include "resources/formcontrolids.h"
#include "view/formaccess.h"
#include "view/formhost.h"

#include <algorithm>
#include <vector>

using namespace FormControl;

namespace {

// Each row's value by the row's parameter. Parameters come from one counter,
// so those of the rows lie close together and index a vector directly: the
// comparison costs two array reads.
class TimeRowValues {
public:
    TimeRowValues(const std::vector<LPARAM>& params, const std::vector<double>& values)
    {
        if (params.empty())
            return;
        const auto [lowest, highest] = std::minmax_element(params.begin(), params.end());
        m_first = *lowest;
        m_values.assign(static_cast<size_t>(*highest - *lowest) + 1, 0.0);
        for (size_t i = 0; i < params.size(); ++i)
            m_values[static_cast<size_t>(params[i] - m_first)] = values[i];
    }
    double operator[](LPARAM param) const { return m_values.at(static_cast<size_t>(param - m_first)); }

private:
    LPARAM m_first = 0;
    std::vector<double> m_values;
};

// The sort's comparison: each row's value, looked up by its parameter.
int CompareTimeRows(LPARAM first, LPARAM second, LPARAM sortData)
{
    const auto& values = *reinterpret_cast<const TimeRowValues*>(sortData);
    return CompareTimeValues(values[first], values[second]);
}

} // namespace

bool TimeSettingsPage::FocusIsOnCancel() const
{
    const CWnd* focus = CWnd::GetFocus();
    return focus && focus->GetSafeHwnd() == m_form.Window().GetDlgItemHandle(static_cast<int>(Cancel));
}

int TimeSettingsPage::ValidateTimeValue(const char* text, bool interval)
{
    if (m_host.IsClosing())
        return 0;
    if (const char* problem = TimeValueProblem(text, interval ? TimeRule::Interval : TimeRule::Time)) {
        ShowRuleMessage(problem);
        return 0;
    }
    return 1;
}

bool TimeSettingsPage::CheckTimeFieldOnFocusLoss(CEdit& field, bool interval)
{
    if (m_host.IsClosing())
        return false;
    if (m_checkingField)
        return true;
    // Leaving a field by clicking Cancel cancels: the check below then fails
    // silently, as the editor is closing.
    if (FocusIsOnCancel())
        m_host.CancelEditing();
    CString text = field.GetWindowText();
    text.Trim();
    if (text.IsEmpty())
        return true;
    if (!ValidateTimeValue(text, interval)) {
        m_checkingField = true;
        field.SetFocus();
        m_checkingField = false;
        return false;
    }
    double value = 0;
    ReadLeadingReal(text, value);
    field.SetWindowText(FormatFieldTime(value));
    return true;
}

bool TimeSettingsPage::CheckFocusedTimeField()
{
    // A button pressed by its mnemonic leaves the focus in the field, so the
    // field's own check has not run.
    const CWnd* focus = CWnd::GetFocus();
    const HWND focused = focus ? focus->GetSafeHwnd() : nullptr;
    if (!focused)
        return true;
    if (focused == m_startTimeEdit.GetSafeHwnd())
        return CheckTimeFieldOnFocusLoss(m_startTimeEdit, false);
    if (focused == m_intervalEdit.GetSafeHwnd())
        return CheckTimeFieldOnFocusLoss(m_intervalEdit, true);
    return true;
}

void TimeSettingsPage::OnStartTimeKillFocus()
{
    CheckTimeFieldOnFocusLoss(m_startTimeEdit, false);
}

void TimeSettingsPage::OnIntervalKillFocus()
{
    CheckTimeFieldOnFocusLoss(m_intervalEdit, true);
}

void TimeSettingsPage::OnEndLabelEdit(const NMHDR* header)
{
    if (m_host.IsClosing())
        return;
    if (FocusIsOnCancel())
        m_host.CancelEditing();
    const auto* info = reinterpret_cast<const NMLVDISPINFO*>(header);
    const int row = info->item.iItem;
    // The label editor's text, whatever ended the edit (Escape included).
    const CEdit* editor = m_timesList.GetEditControl();
    CString text = editor ? editor->GetWindowText() : CString();
    text.Trim();
    if (!ValidateTimeValue(text, false)) {
        // The message ran a message loop in which the host may have reloaded
        // the times: the row is found again by its parameter, if it is left.
        LVFINDINFO find;
        find.flags = LVFI_PARAM;
        find.lParam = info->item.lParam;
        const int refused = m_timesList.FindItem(&find);
        if (refused >= 0)
            m_timesList.DeleteItem(refused);
        return;
    }
    double value = 0;
    ReadLeadingReal(text, value);
    m_timesList.SetItemText(row, 0, FormatEditedTime(value));
    SortAndThinTimeRows();
}

void TimeSettingsPage::SortAndThinTimeRows()
{
    // Each row's value is read once, before the sort.
    const std::vector<DWORD_PTR> data = m_timesList.GetAllItemData();
    const std::vector<LPARAM> params(data.begin(), data.end());
    const TimeRowValues values(params, TimeTextValues(m_timesList.GetColumnTexts(0)));
    m_timesList.SortItems(CompareTimeRows, reinterpret_cast<LPARAM>(&values));
    std::vector<double> sorted;
    sorted.reserve(params.size());
    for (DWORD_PTR param : m_timesList.GetAllItemData())
        sorted.push_back(values[static_cast<LPARAM>(param)]);
    const std::vector<int> duplicates = DuplicateTimeRows(sorted);
    for (auto row = duplicates.rbegin(); row != duplicates.rend(); ++row)
        m_timesList.DeleteItem(*row);
}

void TimeSettingsPage::RunCommand(TimesCommand command)
{
    if (command == TimesCommand::New)
        NewTimeRow();
    else
        DeleteSelectedTimeRows();
}

void TimeSettingsPage::NewTimeRow()
{
    // The row stays only if its edit ends with a valid time.
    const int row = AppendTimeRow(FormatZeroRow());
    m_timesList.SetFocus();
    m_timesList.EditLabel(row);
    RepaintTimesList();
}

void TimeSettingsPage::DeleteSelectedTimeRows()
{
    // No row before a deleted one is selected: the search goes on from there.
    for (int row = m_timesList.GetNextItem(-1, LVNI_SELECTED); row >= 0;
         row = m_timesList.GetNextItem(row - 1, LVNI_SELECTED)) {
        if (!m_timesList.DeleteItem(row))
            break;
    }
}

void TimeSettingsPage::RepaintTimesList()
{
    // The frame is part of the widget's painting here.
    m_timesList.Invalidate(true);
}

void TimeSettingsPage::OnClick(const NMHDR* header)
{
    // A click on no row passes -1, which ends any open edit.
    m_timesList.EditLabel(reinterpret_cast<const NMITEMACTIVATE*>(header)->iItem);
}

void TimeSettingsPage::OnKeyDown(const NMHDR* header)
{
    const WORD key = reinterpret_cast<const NMLVKEYDOWN*>(header)->wVKey;
    if (key != VK_DELETE && key != VK_INSERT)
        return;
    m_host.EndOpenEdits();
    RunCommand(key == VK_DELETE ? TimesCommand::Delete : TimesCommand::New);
}

void TimeSettingsPage::EndLabelEdit()
{
    if (m_timesList.GetSafeHwnd() && m_timesList.GetEditControl())
        m_timesList.EditLabel(-1);
}

void TimeSettingsPage::OnFocusChange(const NMHDR* /*header*/)
{
    RepaintTimesList();
}

void TimeSettingsPage::ShowRuleMessage(const char* text)
{
    m_form.ShowMessage(text, MB_OK | MB_ICONEXCLAMATION | MB_TOPMOST);
}

bool TimeSettingsPage::ValidateTimeFields()
{
    CString interval = m_intervalEdit.GetWindowText();
    CString startTime = m_startTimeEdit.GetWindowText();
    interval.Trim();
    startTime.Trim();
    // An out-of-range value was told when its field lost the focus: the field
    // gets the focus back, so that leaving it tells again.
    switch (CheckTimeFields(interval, startTime)) {
    case TimeFieldsCheck::Pass:
        return true;
    case TimeFieldsCheck::IntervalEmpty:
        m_intervalEdit.SetFocus();
        ShowRuleMessage("Time intervals must be greater than zero.");
        return false;
    case TimeFieldsCheck::IntervalOutOfRange:
        m_intervalEdit.SetFocus();
        return false;
    case TimeFieldsCheck::StartTimeEmpty:
        m_startTimeEdit.SetFocus();
        ShowRuleMessage("Times cannot be less than zero.");
        return false;
    case TimeFieldsCheck::StartTimeOutOfRange:
        m_startTimeEdit.SetFocus();
        return false;
    }
    return false;
}
