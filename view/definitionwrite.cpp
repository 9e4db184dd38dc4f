// Writing the definition to the host's plot-definition object, and what the
// host hears when the editor closes.

#include "view/definitionexchange.h"

#include "host/interfaces/formmodelsource.h"
#include "host/services/kbaseapp.h"
#include "host/services/ksudocument.h"
#include "host/services/luinstance.h"
#include "model/outgoingprofiles.h"
#include "platform/windows/waitcursor.h"
#include "resources/formcontrolids.h"
#include "view/formaccess.h"
#include "view/plotassignment.h"
#include "view/plottypechoice.h"
#include "view/profilespanel.h"
#include "view/timesettingspage.h"
#include "view/viewlogging.h"

#include <cstdlib>
#include <string>

using namespace FormControl;

namespace {

// The host reads at most nine characters of the maximum-points field.
constexpr int MaxTimePointsDigits = 9;

} // namespace

void DefinitionExchange::ApplyDefinition()
{
    if (!m_plotData)
        return;
    const CWaitCursor wait;
    m_plotData->SetIs3DPlot(m_plotType.Is2DPlot() ? 0 : 1);

    const OutgoingProfiles out = GatherOutgoingProfiles(m_profiles.Profiles(), m_assignment.PlotKeys());
    for (int key : out.missingPlotKeys)
        qCWarning(
            lcView, "A plot-list entry names the profile key %d, which no profile holds; it is not written.", key);
    CString previousXAxisName;
    CString previousYAxisName;
    CStringArray previousPlottedNames;
    CUIntArray previousPlottedDimensions;
    m_plotData->GetPlotProfiles(previousXAxisName, previousYAxisName, previousPlottedNames, previousPlottedDimensions);
    m_plotData->SetPlotProfiles(out.xAxisName, out.yAxisName, out.plotted.names, out.plotted.dimensions);
    m_plotData->SetPlotProfileVariables(
        out.xAxisVariables, out.yAxisVariables, out.plotted.counts, out.plotted.variables);
    m_plotData->SetUnassignedProfiles(out.unassigned.names, out.unassigned.dimensions);
    m_plotData->SetUnassignedProfileVariables(out.unassigned.counts, out.unassigned.variables);

    const CStringArray entries = m_timePage.WriteTimeEntries();
    m_plotData->SetTimes(entries);
    const std::string maxTimePoints = m_form.ControlText(MaxTimePointsField).GetString();
    m_plotData->SetMaxTimePoints(std::atoi(maxTimePoints.substr(0, MaxTimePointsDigits).c_str()));
    m_plotData->SetTimes(entries);
    m_plotData->SetYAxisIsTime(m_plotType.YAxisIsTimeValue());

    void* source = nullptr;
    if (SUCCEEDED(m_plotData->QueryInterface(IID_IFormModelSource, &source)) && source) {
        auto* formModelSource = static_cast<IFormModelSource*>(source);
        formModelSource->NotifyDefinitionChanged();
        formModelSource->Release();
    }
    if (m_plotHost) {
        m_plotHost->NotifyDefinitionWritten();
        m_plotHost->NotifyPreviousPlotProfiles(previousPlottedNames, previousXAxisName);
    }
    if (CDocument* document = CKBaseApp::GetCurrentDocument()) {
        CStringArray written = WrittenObjectNames();
        document->UpdateAllViews(nullptr, HINT_DEFINITION_WRITTEN, &written);
    }
}

CStringArray DefinitionExchange::WrittenObjectNames() const
{
    CStringArray names;
    names.Add(LuInstance(m_owner).StringPath(1));
    names.Add(m_contextName);
    return names;
}

void DefinitionExchange::NotifyEditorClosing()
{
    if (m_plotHost)
        m_plotHost->NotifyEditorClosing();
}
