// What the time settings page shows and enables, its set-up, the change of
// the display unit, and the times as read and as written.

#include "view/timesettingspage.h"

#include "controls/listboxexbuddy.h"
#include "host/services/ksudocument.h"
#include "model/timevalues.h"
#include "platform/docview/formview.h"
#include "resources/bitmaps.h"
#include "resources/formcontrolids.h"
#include "view/formaccess.h"
#include "view/plottypechoice.h"
#include "view/viewlogging.h"

#include <cmath>
#include <string>
#include <vector>

using namespace FormControl;
using namespace FormControlList;

namespace {

constexpr int MaxTimePointsLowest = 1;
constexpr int MaxTimePointsHighest = 10000;

} // namespace

TimeSettingsPage::TimeSettingsPage(const FormAccess& form, IFormHost& host, const PlotTypeChoice& plotType)
    : m_form(form), m_host(host), m_plotType(plotType)
{
}

TimeSettingsPage::~TimeSettingsPage() = default;

void TimeSettingsPage::Bind(CDataExchange* pDX)
{
    DDX_Control(pDX, StartTimeField, m_startTimeEdit);
    DDX_Control(pDX, IntervalField, m_intervalEdit);
    DDX_Control(pDX, MaxTimePointsUpDown, m_maxTimePointsUpDown);
    DDX_Control(pDX, TimesList, m_timesList);
}

void TimeSettingsPage::CreateStrip()
{
    m_timesStrip = m_form.MakeStrip(TimesStrip, IDB_TIMES_STRIP, {"New", "Delete"});
}

void TimeSettingsPage::SetUp(const CKSUDocument* document)
{
    if (document) {
        const double factor = document->CommunicationToDisplayTime(1.0);
        // Every shown time is divided by the factor on its way to the host.
        if (std::isfinite(factor) && factor > 0)
            m_timeFactor = factor;
        else
            qCWarning(lcView,
                "The document's display time factor %g is not a positive number; times are shown in "
                "communication units.",
                factor);
        m_displayUnit = document->GetDisplayUnit();
    }
    RECT rect;
    m_timesList.GetWindowRect(&rect);
    m_timesList.InsertColumn(0, TimesColumnHeading(m_displayUnit), LVCFMT_LEFT, rect.right - rect.left - 20);
    m_startTimeEdit.SetWindowText(FormatZeroRow());
    m_intervalEdit.SetWindowText(FormatDefaultInterval(document ? document->GetDefaultTimeInterval() : 1.0));
    m_maxTimePointsUpDown.SetRange(MaxTimePointsLowest, MaxTimePointsHighest);
}

void TimeSettingsPage::OnDisplayUnitChanged(const CKSUDocument& document)
{
    const double factor = document.CommunicationToDisplayTime(1.0);
    if (!std::isfinite(factor) || factor <= 0) {
        qCWarning(lcView, "The new display time factor %g is not a positive number; the times stay as shown.", factor);
        return;
    }
    m_displayUnit = document.GetDisplayUnit();
    RescaleTimes(factor / m_timeFactor);
    m_timeFactor = factor;
}

int TimeSettingsPage::AppendTimeRow(const CString& text)
{
    // Every row gets a parameter of its own for the life of the view: the sort
    // finds rows by it.
    const int row = m_timesList.InsertItem(m_timesList.GetItemCount(), text);
    m_timesList.SetItemData(row, static_cast<DWORD_PTR>(++m_timeRowCounter));
    return row;
}

void TimeSettingsPage::ShowMaxTimePoints(int32_t maxTimePoints)
{
    CString text;
    text.Format("%d", maxTimePoints);
    m_form.SetControlText(MaxTimePointsField, text);
}

void TimeSettingsPage::ShowTimes(const CStringArray& entries)
{
    const ShownTimes shown = ShowTimeEntries(m_timeMode, entries, m_timeFactor);
    if (shown.hasStartAndInterval) {
        m_startTimeEdit.SetWindowText(shown.startTime);
        m_intervalEdit.SetWindowText(shown.interval);
    }
    for (const CString& row : shown.rows)
        AppendTimeRow(row);
}

CStringArray TimeSettingsPage::WriteTimeEntries()
{
    // The shown times are written back in the same display units, re-formatted.
    std::vector<double> rowValues;
    double startTime = 0;
    double interval = 0;
    if (m_timeMode == TimeMode::SpecifyTimes) {
        rowValues = TimeTextValues(m_timesList.GetColumnTexts(0));
        for (size_t row = 0; row < rowValues.size(); ++row)
            m_timesList.SetItemText(static_cast<int>(row), 0, FormatTime(rowValues[row]));
    } else if (m_timeMode == TimeMode::SpecifyInterval) {
        startTime = TimeTextValue(m_startTimeEdit.GetWindowText());
        interval = TimeTextValue(m_intervalEdit.GetWindowText());
    }
    CStringArray entries = MakeTimeEntries(m_timeMode, rowValues, startTime, interval, m_timeFactor);
    if (m_timeMode == TimeMode::SpecifyInterval) {
        m_startTimeEdit.SetWindowText(FormatTime(startTime));
        m_intervalEdit.SetWindowText(FormatTime(interval));
    }
    return entries;
}

void TimeSettingsPage::UpdateTimeModeControls(bool checkRadio)
{
    switch (m_timeMode) {
    case TimeMode::ContinuousUpdate:
        m_form.EnableControls(TimesListIds, false);
        m_form.EnableControls(IntervalIds, false);
        if (checkRadio)
            m_form.CheckRadio(RadioContinuousUpdate, true);
        break;
    case TimeMode::SpecifyTimes:
        m_form.EnableControls(TimesListIds, true);
        m_form.EnableControls(IntervalIds, false);
        if (checkRadio)
            m_form.CheckRadio(RadioSpecifyTimes, true);
        break;
    case TimeMode::SpecifyInterval:
        m_form.EnableControls(TimesListIds, false);
        m_form.EnableControls(IntervalIds, true);
        if (checkRadio)
            m_form.CheckRadio(RadioSpecifyInterval, true);
        UpdateMaxTimePointsControls();
        break;
    }
}

void TimeSettingsPage::UpdateMaxTimePointsControls()
{
    if (!m_plotType.Is2DPlot() && !m_plotType.YAxisIsTime()) {
        // One time point: the y axis of a 3-d plot is a profile, not time.
        m_form.EnableControls(MaxTimePointsIds, false);
        m_form.SetControlText(MaxTimePointsField, "1");
        m_form.EnableControls(YAxisProfileIds, true);
    } else {
        m_form.EnableControls(MaxTimePointsIds, m_form.IsChecked(RadioSpecifyInterval));
        m_form.EnableControls(YAxisProfileIds, false);
    }
}

void TimeSettingsPage::RescaleTimes(double ratio)
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

void TimeSettingsPage::OnModeRadio(TimeMode mode)
{
    const UINT radio = mode == TimeMode::ContinuousUpdate ? RadioContinuousUpdate
        : mode == TimeMode::SpecifyTimes                  ? RadioSpecifyTimes
                                                          : RadioSpecifyInterval;
    if (m_form.IsChecked(radio)) {
        m_timeMode = mode;
        UpdateTimeModeControls(false);
    }
}
