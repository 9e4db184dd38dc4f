// Writing the definition to the host's plot-definition object, and the three
// buttons that end or commit the editing: Apply, OK and Cancel.

#include "view/profileeditorview.h"

#include "host/frame/profileeditorframe.h"
#include "host/interfaces/formmodelsource.h"
#include "host/services/kbaseapp.h"
#include "host/services/ksudocument.h"
#include "host/services/luinstance.h"
#include "model/outgoingprofiles.h"
#include "model/timevalues.h"
#include "platform/windows/waitcursor.h"
#include "resources/formcontrolids.h"
#include "view/viewlogging.h"

#include <cstdlib>
#include <string>

using namespace FormControl;

namespace {

// The host reads at most nine characters of the maximum-points field.
constexpr int MaxTimePointsDigits = 9;

} // namespace

void CSUProfileEditorView::ApplyDefinition()
{
    if (!m_plotData)
        return;
    const CWaitCursor wait;
    m_plotData->SetIs3DPlot(m_is2DPlot ? 0 : 1);

    const OutgoingProfiles out = GatherOutgoingProfiles(m_profiles, PlotKeys());
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

    const CStringArray entries = WriteTimeEntries();
    m_plotData->SetTimes(entries);
    const std::string maxTimePoints = ControlText(MaxTimePointsField).GetString();
    m_plotData->SetMaxTimePoints(std::atoi(maxTimePoints.substr(0, MaxTimePointsDigits).c_str()));
    m_plotData->SetTimes(entries);
    m_plotData->SetYAxisIsTime(m_yAxisIsTime);

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

CStringArray CSUProfileEditorView::WriteTimeEntries()
{
    // The shown times are written back in the same display units, re-formatted.
    std::vector<double> rowValues;
    double startTime = 0;
    double interval = 0;
    if (m_timeMode == TimeMode::SpecifyTimes) {
        const int rows = m_timesList.GetItemCount();
        rowValues.reserve(static_cast<size_t>(rows));
        for (int row = 0; row < rows; ++row) {
            const double value = TimeTextValue(m_timesList.GetItemText(row, 0));
            rowValues.push_back(value);
            m_timesList.SetItemText(row, 0, FormatTime(value));
        }
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

CStringArray CSUProfileEditorView::WrittenObjectNames() const
{
    CStringArray names;
    names.Add(LuInstance(m_owner).StringPath(1));
    names.Add(m_contextName);
    return names;
}

void CSUProfileEditorView::OnApply()
{
    if (ValidateDefinition())
        ApplyDefinition();
}

void CSUProfileEditorView::OnOk()
{
    CDocument* document = CKBaseApp::GetCurrentDocument();
    if (ValidateDefinition()) {
        ApplyDefinition();
        if (m_plotHost)
            m_plotHost->NotifyEditorClosing();
        CStringArray written = WrittenObjectNames();
        // The view is destroyed while the frame closes: from here on only the
        // document and the names are used. A document that closes with its
        // last frame is deleted only after this handler returns.
        if (CSUProfileEditorFrame* frame = m_frame)
            frame->SendMessage(WM_CLOSE);
        if (document)
            document->UpdateAllViews(nullptr, HINT_DEFINITION_WRITTEN, &written);
    }
    if (document)
        document->UpdateAllViews(nullptr, 0, nullptr);
}

void CSUProfileEditorView::OnCancel()
{
    // Leaving a time field by clicking Cancel runs Cancel before the click
    // does: the host hears of the closing once, and one close is posted.
    if (IsClosing())
        return;
    if (m_plotHost)
        m_plotHost->NotifyEditorClosing();
    if (m_frame) {
        m_frame->SetClosing();
        m_frame->PostMessage(WM_CLOSE);
    }
}
