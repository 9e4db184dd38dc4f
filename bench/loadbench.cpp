// Opens an editor on a definition of N profiles of 100 variables each (half
// plotted, half unassigned) and prints its load time beside the cost of the
// same data in plain form: the paths copied into N plain arrays, and N rows in
// a plain QTreeWidget; then the time Apply takes to write the same definition
// back, beside a plain copy of the paths into arrays such as the host's; all
// in processor time of this thread, the median and 90th percentile of rounds
// in which the sides take turns. Run with the offscreen platform:
//   QT_QPA_PLATFORM=offscreen build/release/bench/loadbench [N...] [--rounds R]

#include "host/frame/profileeditorframe.h"
#include "host/services/kbaseapp.h"
#include "host/services/kdoctemplate.h"
#include "host/services/ksudocument.h"
#include "hostlib/profileplotdataobject.h"
#include "hostlib/profileplothostobject.h"
#include "view/profileeditorview.h"

#include "benchhost.h"
#include "benchsupport.h"
#include "cputimer.h"
#include "plainplotdata.h"

#include <QMdiArea>
#include <QMdiSubWindow>
#include <QTreeWidget>

#include <cstdio>
#include <string>
#include <vector>

namespace {

constexpr int VariablesPerProfile = 100;

PlotDefinition LargeDefinition(int profiles)
{
    PlotDefinition definition;
    definition.timeEntries.Add("L");
    for (int p = 0; p < profiles; ++p) {
        CString name;
        name.Format("Profile %d", p + 1);
        const bool plotted = p % 2 == 0;
        (plotted ? definition.plottedNames : definition.unassignedNames).Add(name);
        (plotted ? definition.plottedDimensions : definition.unassignedDimensions).Add(1);
        (plotted ? definition.plottedCounts : definition.unassignedCounts).Add(VariablesPerProfile);
        for (int v = 0; v < VariablesPerProfile; ++v) {
            CString path;
            path.Format("Block%d.T(%d)", p, v + 1);
            (plotted ? definition.plottedVariables : definition.unassignedVariables).Add(path);
        }
    }
    return definition;
}

void CloseAll(QMdiArea& area)
{
    area.closeAllSubWindows();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

// The editor's load: document, frame and view made, the definition read and shown.
std::vector<Measurement> EditorLoad(const PlotDefinition& definition, QMdiArea& area)
{
    CKDocTemplate docTemplate(ProfileEditorDocumentType, ProfileEditorResourceId, RUNTIME_CLASS(CKSUDocument),
        RUNTIME_CLASS(CSUProfileEditorFrame), RUNTIME_CLASS(CSUProfileEditorView), nullptr);
    auto plotData = ProfilePlotDataObject::Create("plot:bench", definition, nullptr);
    auto plotHost = ProfilePlotHostObject::Create("plothost:bench", plotData.get());
    auto* document = dynamic_cast<CKSUDocument*>(docTemplate.CreateNewDocument());
    document->SetViewContext("Bench.Plot", static_cast<IProfilePlotHost*>(plotHost.get()));
    dynamic_cast<CKBaseApp*>(AfxGetApp())->SetCurrentDocument(document);
    const Stopwatch stopwatch;
    CFrameWnd* frame = docTemplate.OpenDocument(document);
    const Measurement elapsed = stopwatch.Read();
    if (!frame)
        ReportFault("The editor did not open.\n");
    CloseAll(area);
    return {elapsed};
}

// The same paths in plain arrays, one per profile, read from the host's arrays.
std::vector<Measurement> PlainCopy(const PlotDefinition& definition)
{
    const Stopwatch stopwatch;
    std::vector<std::vector<std::string>> profiles;
    const auto copyGroup = [&profiles](const CUIntArray& counts, const CStringArray& variables) {
        int position = 0;
        for (UINT count : counts) {
            std::vector<std::string>& paths = profiles.emplace_back();
            paths.reserve(count);
            for (UINT v = 0; v < count; ++v)
                paths.emplace_back(variables[position++].GetString());
        }
    };
    copyGroup(definition.plottedCounts, definition.plottedVariables);
    copyGroup(definition.unassignedCounts, definition.unassignedVariables);
    const Measurement elapsed = stopwatch.Read();
    if (profiles.empty())
        ReportFault("Nothing was copied.\n");
    return {elapsed};
}

// A plain two-column tree widget with one row per profile, shown.
std::vector<Measurement> PlainTree(int rows, QMdiArea& area)
{
    const Stopwatch stopwatch;
    auto* tree = new QTreeWidget;
    tree->setColumnCount(2);
    tree->setHeaderLabels({QStringLiteral("Profile"), QStringLiteral("Dim.")});
    QList<QTreeWidgetItem*> items;
    items.reserve(rows);
    for (int row = 0; row < rows; ++row)
        items << new QTreeWidgetItem({QStringLiteral("Profile %1").arg(row + 1), QStringLiteral("1 D")});
    tree->addTopLevelItems(items);
    area.addSubWindow(tree)->show();
    const Measurement elapsed = stopwatch.Read();
    CloseAll(area);
    return {elapsed};
}

// The editor's write of the whole definition, as Apply runs it once the checks
// have passed; the host object keeps what it is given and logs nothing.
std::vector<Measurement> EditorApply(const PlotDefinition& definition, QMdiArea& area)
{
    CKDocTemplate docTemplate(ProfileEditorDocumentType, ProfileEditorResourceId, RUNTIME_CLASS(CKSUDocument),
        RUNTIME_CLASS(CSUProfileEditorFrame), RUNTIME_CLASS(CSUProfileEditorView), nullptr);
    PlainPlotData plotData(definition);
    auto* document = dynamic_cast<CKSUDocument*>(docTemplate.CreateNewDocument());
    document->SetViewContext("Bench.Plot", &plotData);
    dynamic_cast<CKBaseApp*>(AfxGetApp())->SetCurrentDocument(document);
    CFrameWnd* frame = docTemplate.OpenDocument(document);
    auto* view = frame ? dynamic_cast<CSUProfileEditorView*>(frame->GetActiveView()) : nullptr;
    Measurement elapsed;
    if (view) {
        const Stopwatch stopwatch;
        view->DefinitionPart().ApplyDefinition();
        elapsed = stopwatch.Read();
    } else {
        ReportFault("The editor did not open.\n");
    }
    if (plotData.definition().plottedVariables.GetSize() != definition.plottedVariables.GetSize()
        || plotData.definition().unassignedVariables.GetSize() != definition.unassignedVariables.GetSize())
        ReportFault("The write did not give back every path.\n");
    CloseAll(area);
    return {elapsed};
}

// The same paths, held one array per profile, copied into the run-together
// arrays of the plotted and the unassigned profiles, which the host then keeps
// a copy of: the copies any write of the definition makes.
std::vector<Measurement> PlainWrite(const PlotDefinition& definition)
{
    std::vector<CStringArray> held;
    const auto holdGroup = [&held](const CUIntArray& counts, const CStringArray& variables) {
        int position = 0;
        for (UINT count : counts) {
            CStringArray& paths = held.emplace_back();
            for (UINT v = 0; v < count; ++v)
                paths.Add(variables[position++]);
        }
    };
    holdGroup(definition.plottedCounts, definition.plottedVariables);
    holdGroup(definition.unassignedCounts, definition.unassignedVariables);
    const Stopwatch stopwatch;
    const auto plottedProfiles = static_cast<size_t>(definition.plottedCounts.GetSize());
    CStringArray plotted;
    CStringArray unassigned;
    for (size_t p = 0; p < held.size(); ++p) {
        for (const CString& path : held[p])
            (p < plottedProfiles ? plotted : unassigned).Add(path);
    }
    PlotDefinition host;
    host.plottedVariables = plotted;
    host.unassignedVariables = unassigned;
    const Measurement elapsed = stopwatch.Read();
    if (host.plottedVariables.GetSize() + host.unassignedVariables.GetSize() == 0)
        ReportFault("Nothing was copied.\n");
    return {elapsed};
}

} // namespace

int main(int argc, char** argv)
{
    KeepFreedMemory();
    BenchHost host(argc, argv);
    QMdiArea& area = host.area();
    const BenchArguments arguments = ArgumentsOf(argc, argv, {2500, 5000, 10000});
    PrintFiguresHeading(arguments);
    for (int profiles : arguments.sizes) {
        const PlotDefinition definition = LargeDefinition(profiles);
        const auto samples = RunRounds(arguments.rounds,
            {
                [&] { return EditorLoad(definition, area); },
                [&] { return PlainCopy(definition); },
                [&] { return PlainTree(profiles, area); },
                [&] { return EditorApply(definition, area); },
                [&] { return PlainWrite(definition); },
            });
        const Samples& open = samples[0][0];
        const Samples& copy = samples[1][0];
        const Samples& tree = samples[2][0];
        const Samples& apply = samples[3][0];
        const Samples& write = samples[4][0];
        std::printf("%d profiles, %d paths\n", profiles, profiles * VariablesPerProfile);
        PrintSamples("editor open", open);
        PrintSamples("plain copy into arrays", copy);
        PrintSamples("plain QTreeWidget", tree);
        PrintSamples("editor Apply", apply);
        PrintSamples("plain copy as Apply writes", write);
        PrintRatioAim("open / (copy + tree)", open, Sum(copy, tree), 2.5);
        PrintRatioAim("open / copy", open, copy, 0);
        PrintRatioAim("Apply / plain copy", apply, write, 1.5);
    }
    return FaultCount() > 0 ? 1 : 0;
}
