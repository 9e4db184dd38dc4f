// What the time settings page shows and enables, and the change of the
// display unit.

#include "view/profileeditorview.h"

#include "resources/formcontrolids.h"

#include <string>

using namespace FormControl;
using namespace FormControlList;

int CSUProfileEditorView::AppendTimeRow(const CString& text)
{
    // Every row gets a parameter of its own for the life of the view: the sort
    // finds rows by it.
    const int row = m_timesList.InsertItem(m_timesList.GetItemCount(), text);
    m_timesList.SetItemData(row, static_cast<DWORD_PTR>(++m_timeRowCounter));
    return row;
}

void CSUProfileEditorView::ShowTimesList(const ShownTimes& shown)
{
    if (shown.hasStartAndInterval) {
        m_startTimeEdit.SetWindowText(shown.startTime);
        m_intervalEdit.SetWindowText(shown.interval);
    }
    for (const CString& row : shown.rows)
        AppendTimeRow(row);
}

void CSUProfileEditorView::UpdateTimeModeControls(bool checkRadio)
{
    switch (m_timeMode) {
    case TimeMode::ContinuousUpdate:
        EnableControls(TimesListIds, false);
        EnableControls(IntervalIds, false);
        if (checkRadio)
            CheckRadio(RadioContinuousUpdate, true);
        break;
    case TimeMode::SpecifyTimes:
        EnableControls(TimesListIds, true);
        EnableControls(IntervalIds, false);
        if (checkRadio)
            CheckRadio(RadioSpecifyTimes, true);
        break;
    case TimeMode::SpecifyInterval:
        EnableControls(TimesListIds, false);
        EnableControls(IntervalIds, true);
        if (checkRadio)
            CheckRadio(RadioSpecifyInterval, true);
        UpdateMaxTimePointsControls();
        break;
    }
}

void CSUProfileEditorView::UpdateMaxTimePointsControls()
{
    if (!m_is2DPlot && !m_yAxisIsTime) {
        // One time point: the y axis of a 3-d plot is a profile, not time.
        EnableControls(MaxTimePointsIds, false);
        SetControlText(MaxTimePointsField, "1");
        EnableControls(YAxisProfileIds, true);
    } else {
        EnableControls(MaxTimePointsIds, IsChecked(RadioSpecifyInterval));
        EnableControls(YAxisProfileIds, false);
    }
}

void CSUProfileEditorView::RescaleTimes(double ratio)
{
    m_startTimeEdit.SetWindowText(RescaleTimeText(m_startTimeEdit.GetWindowText(), ratio));
    m_intervalEdit.SetWindowText(RescaleTimeText(m_intervalEdit.GetWindowText(), ratio));
    for (int row = 0; row < m_timesList.GetItemCount(); ++row)
        m_timesList.SetItemText(row, 0, RescaleTimeText(m_timesList.GetItemText(row, 0), ratio));
    std::string heading = TimesColumnHeading(m_displayUnit).GetString();
    LVCOLUMN column;
    column.mask = LVCF_TEXT;
    column.pszText = heading.data();
    m_timesList.SetColumn(0, &column);
}

void CSUProfileEditorView::OnContinuousUpdate()
{
    if (IsChecked(RadioContinuousUpdate)) {
        m_timeMode = TimeMode::ContinuousUpdate;
        UpdateTimeModeControls(false);
    }
}

void CSUProfileEditorView::OnSpecifyTimes()
{
    if (IsChecked(RadioSpecifyTimes)) {
        m_timeMode = TimeMode::SpecifyTimes;
        UpdateTimeModeControls(false);
    }
}

void CSUProfileEditorView::OnSpecifyInterval()
{
    if (IsChecked(RadioSpecifyInterval)) {
        m_timeMode = TimeMode::SpecifyInterval;
        UpdateTimeModeControls(false);
    }
}
