// The definition between the host's plot-definition object and the editor:
// loading when the view opens, and reloading when the host asks.

#include "view/profileeditorview.h"

#include "model/profilearrays.h"
#include "model/profileroles.h"
#include "platform/core/invalidarg.h"
#include "platform/windows/messagebox.h"
#include "platform/windows/waitcursor.h"
#include "resources/formcontrolids.h"
#include "view/viewlogging.h"

#include <utility>

using namespace FormControl;

void CSUProfileEditorView::LoadDefinition()
{
    if (!m_plotData)
        return;
    const CWaitCursor wait;
    try {
        int32_t is3DPlot = 0;
        m_plotData->GetIs3DPlot(&is3DPlot);
        m_is2DPlot = is3DPlot == 0 ? 1 : 0;
        if (m_is2DPlot) {
            CheckRadio(Radio2DPlot, true);
            On2DPlot();
        } else {
            CheckRadio(Radio3DPlot, true);
            On3DPlot();
        }
        LoadProfiles();
        LoadTimeSettings();
    } catch (const CInvalidArgException& error) {
        // What was read up to here stays; the rest of the definition is not read.
        ReportLoadError(error.what());
    }
}

void CSUProfileEditorView::LoadProfiles()
{
    CString xAxisName;
    CString yAxisName;
    ProfileArrays plotted;
    ProfileArrays unassigned;
    CStringArray xAxisVariables;
    CStringArray yAxisVariables;
    m_plotData->GetPlotProfiles(xAxisName, yAxisName, plotted.names, plotted.dimensions);
    m_plotData->GetUnassignedProfiles(unassigned.names, unassigned.dimensions);
    m_plotData->GetPlotProfileVariables(xAxisVariables, yAxisVariables, plotted.counts, plotted.variables);
    m_plotData->GetUnassignedProfileVariables(unassigned.counts, unassigned.variables);

    // Axis profiles carry no dimension of their own: they are one-dimensional.
    const auto addAxis = [this](const CString& name, const CStringArray& variables, ProfileRole role) {
        if (name.IsEmpty())
            return;
        auto profile = std::make_unique<CSUPEProfile>(name);
        profile->role = static_cast<int16_t>(role);
        profile->variables = variables;
        AddLoadedProfile(std::move(profile));
    };
    addAxis(xAxisName, xAxisVariables, ProfileRole::XAxis);
    addAxis(yAxisName, yAxisVariables, ProfileRole::YAxis);
    const auto add = [this](std::unique_ptr<CSUPEProfile> profile) { AddLoadedProfile(std::move(profile)); };
    SplitProfileArrays(std::move(plotted), static_cast<int16_t>(ProfileRole::Plotted), "plotted", add);
    SplitProfileArrays(std::move(unassigned), static_cast<int16_t>(ProfileRole::Unassigned), "unassigned", add);
}

void CSUProfileEditorView::AddLoadedProfile(std::unique_ptr<CSUPEProfile> profile)
{
    // Role, dimension and variables are set before the row is made, so that
    // the row shows the right dimension.
    CSUPEProfile* added = profile.release();
    AddProfileRow(added);
    ShowAssignedProfile(added, true);
}

void CSUProfileEditorView::LoadTimeSettings()
{
    int32_t maxTimePoints = 0;
    m_plotData->GetMaxTimePoints(&maxTimePoints);
    int32_t mode = 0;
    if (m_plotHost)
        m_plotHost->GetTimeMode(&mode);
    m_timeMode = static_cast<TimeMode>(mode);
    CString text;
    text.Format("%d", maxTimePoints);
    SetControlText(MaxTimePointsField, text);
    CStringArray entries;
    m_plotData->GetTimes(entries);
    ShowTimesList(ShowTimeEntries(m_timeMode, entries, m_timeFactor));
    m_plotData->GetYAxisIsTime(&m_yAxisIsTime);
    CheckRadio(m_yAxisIsTime ? RadioYAxisTime : RadioYAxisProfile, true);
    UpdateMaxTimePointsControls();
}

void CSUProfileEditorView::ReportLoadError(const char* what)
{
    qCWarning(
        lcView, "The plot definition of \"%s\" could not be read completely: %s", m_contextName.GetString(), what);
    CString text;
    text.Format("The plot definition could not be read completely:\n\n%s\n\nThe editor shows what was read before "
                "this point.",
        what);
    MessageBox(GetSafeHwnd(), text, MessageBoxTitle, MB_ICONEXCLAMATION | MB_TOPMOST);
    // The y-axis choice was not read: the form shows the view's own, so that
    // exactly one y-axis radio is checked and the page rules hold.
    if (!IsChecked(RadioYAxisTime) && !IsChecked(RadioYAxisProfile))
        CheckRadio(m_yAxisIsTime ? RadioYAxisTime : RadioYAxisProfile, true);
    UpdateMaxTimePointsControls();
}

void CSUProfileEditorView::ReloadDefinition()
{
    if (!m_plotData)
        return;
    EndOpenEdits();
    const CWaitCursor wait;
    RemoveAllProfiles();
    for (const UINT* id = FormControlList::DefinitionRadioIds; *id; ++id)
        CheckRadio(*id, false);
    m_timesList.DeleteAllItems();
    ShowProfileVariables();
    LoadDefinition();
    UpdateTimeModeControls(true);
}
