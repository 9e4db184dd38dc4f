// The definition between the host's plot-definition object and the editor:
// the host objects, loading when the view opens, and reloading when the host
// asks.

#include "view/definitionexchange.h"

#include "host/interfaces/formmodelsource.h"
#include "host/services/viewcontext.h"
#include "model/profilearrays.h"
#include "model/profileroles.h"
#include "platform/core/invalidarg.h"
#include "platform/windows/messagebox.h"
#include "platform/windows/waitcursor.h"
#include "resources/formcontrolids.h"
#include "view/formaccess.h"
#include "view/plotassignment.h"
#include "view/plottypechoice.h"
#include "view/profilespanel.h"
#include "view/timesettingspage.h"
#include "view/viewlogging.h"

#include <utility>

using namespace FormControl;

DefinitionExchange::DefinitionExchange(const FormAccess& form, ProfilesPanel& profiles, PlotAssignment& assignment,
    PlotTypeChoice& plotType, TimeSettingsPage& timePage)
    : m_form(form), m_profiles(profiles), m_assignment(assignment), m_plotType(plotType), m_timePage(timePage)
{
}

DefinitionExchange::~DefinitionExchange()
{
    if (m_plotHost)
        m_plotHost->Release();
    if (m_plotData)
        m_plotData->Release();
    if (m_owner)
        m_owner->Release();
}

bool DefinitionExchange::ObtainHostObjects(const tag_VarnelViewContext* context)
{
    if (context && context->contextName)
        m_contextName = context->contextName;
    m_plotHost = nullptr;
    IUnknown* edited = context ? context->editedObject : nullptr;
    if (!edited) {
        qCInfo(lcView, "The view context \"%s\" names no object to edit.", m_contextName.GetString());
        return false;
    }
    void* plotData = nullptr;
    if (SUCCEEDED(edited->QueryInterface(IID_IProfilePlotData, &plotData)) && plotData) {
        m_plotData = static_cast<IProfilePlotData*>(plotData);
        void* source = nullptr;
        if (SUCCEEDED(m_plotData->QueryInterface(IID_IFormModelSource, &source)) && source) {
            auto* formModelSource = static_cast<IFormModelSource*>(source);
            formModelSource->GetOwnerObject(&m_owner);
            formModelSource->Release();
        }
        return false;
    }
    void* host = nullptr;
    if (SUCCEEDED(edited->QueryInterface(IID_IProfilePlotHost, &host)) && host) {
        m_plotHost = static_cast<IProfilePlotHost*>(host);
        m_plotHost->GetPlotDataObjects(&m_plotData, &m_owner);
        return true;
    }
    // Neither interface: there is no time page to show either.
    return false;
}

void DefinitionExchange::LoadDefinition()
{
    if (!m_plotData)
        return;
    const CWaitCursor wait;
    try {
        int32_t is3DPlot = 0;
        m_plotData->GetIs3DPlot(&is3DPlot);
        m_plotType.ShowPlotType(is3DPlot != 0);
        LoadProfiles();
        LoadTimeSettings();
    } catch (const CInvalidArgException& error) {
        // What was read up to here stays; the rest of the definition is not read.
        ReportLoadError(error.what());
    }
}

void DefinitionExchange::LoadProfiles()
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
        m_profiles.AddProfile(std::move(profile));
    };
    addAxis(xAxisName, xAxisVariables, ProfileRole::XAxis);
    addAxis(yAxisName, yAxisVariables, ProfileRole::YAxis);
    const auto add = [this](std::unique_ptr<CSUPEProfile> profile) { m_profiles.AddProfile(std::move(profile)); };
    SplitProfileArrays(std::move(plotted), static_cast<int16_t>(ProfileRole::Plotted), "plotted", add);
    SplitProfileArrays(std::move(unassigned), static_cast<int16_t>(ProfileRole::Unassigned), "unassigned", add);
}

void DefinitionExchange::LoadTimeSettings()
{
    int32_t maxTimePoints = 0;
    m_plotData->GetMaxTimePoints(&maxTimePoints);
    int32_t mode = 0;
    if (m_plotHost)
        m_plotHost->GetTimeMode(&mode);
    m_timePage.ShowTimeMode(static_cast<TimeMode>(mode));
    m_timePage.ShowMaxTimePoints(maxTimePoints);
    CStringArray entries;
    m_plotData->GetTimes(entries);
    m_timePage.ShowTimes(entries);
    int32_t yAxisIsTime = m_plotType.YAxisIsTimeValue();
    m_plotData->GetYAxisIsTime(&yAxisIsTime);
    m_plotType.ShowYAxisIsTime(yAxisIsTime);
    m_timePage.UpdateMaxTimePointsControls();
}

void DefinitionExchange::ReportLoadError(const char* what)
{
    qCWarning(
        lcView, "The plot definition of \"%s\" could not be read completely: %s", m_contextName.GetString(), what);
    CString text;
    text.Format("The plot definition could not be read completely:\n\n%s\n\nThe editor shows what was read before "
                "this point.",
        what);
    m_form.ShowMessage(text, MB_ICONEXCLAMATION | MB_TOPMOST);
    // The y-axis choice was not read: the form shows the view's own, so that
    // exactly one y-axis radio is checked and the page rules hold.
    m_plotType.CheckOneYAxisRadio();
    m_timePage.UpdateMaxTimePointsControls();
}

void DefinitionExchange::ReloadDefinition()
{
    if (!m_plotData)
        return;
    const CWaitCursor wait;
    m_profiles.RemoveAllProfiles();
    for (const UINT* id = FormControlList::DefinitionRadioIds; *id; ++id)
        m_form.CheckRadio(*id, false);
    m_timePage.RemoveAllTimes();
    m_profiles.ShowProfileVariables();
    LoadDefinition();
    m_timePage.UpdateTimeModeControls(true);
}
