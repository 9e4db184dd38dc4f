// Opens an editor on a definition with N specified times in a scrambled order,
// ends an edit of one row (which sorts the times list by value and removes
// duplicates) and prints the time that takes beside Qt's own sort of a plain
// QTreeWidget holding the same N values and std::sort of the N numbers, the
// floor under both: the median and 90th percentile of rounds in which the
// sides take turns, each sort starting with its data out of the caches. Run
// with the offscreen platform:
//   QT_QPA_PLATFORM=offscreen build/release/bench/timesbench [N...] [--rounds R]

#include "host/frame/profileeditorframe.h"
#include "host/services/kbaseapp.h"
#include "host/services/kdoctemplate.h"
#include "host/services/ksudocument.h"
#include "hostlib/profileplotdataobject.h"
#include "hostlib/profileplothostobject.h"
#include "platform/controls/listctrl.h"
#include "view/profileeditorview.h"

#include "benchhost.h"
#include "benchsupport.h"

#include <QMdiArea>
#include <QMdiSubWindow>
#include <QTreeWidget>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

constexpr int FormTimesList = 1038;

// 0, 1, ... N-1 in a scrambled order (a step prime to N visits each once).
std::vector<int> ScrambledValues(int count)
{
    std::vector<int> values;
    values.reserve(static_cast<size_t>(count));
    const int step = 7919;
    for (int i = 0; i < count; ++i)
        values.push_back(static_cast<int>((static_cast<long long>(i) * step) % count));
    return values;
}

// The editor: the first row (0) edited to 0.5, then the rows sorted and thinned.
std::vector<Measurement> EditorSort(int count, QMdiArea& area)
{
    PlotDefinition definition;
    definition.timeMode = 1;
    for (int value : ScrambledValues(count))
        definition.timeEntries.Add(CString(std::to_string(value).c_str()));
    CKDocTemplate docTemplate(ProfileEditorDocumentType, ProfileEditorResourceId, RUNTIME_CLASS(CKSUDocument),
        RUNTIME_CLASS(CSUProfileEditorFrame), RUNTIME_CLASS(CSUProfileEditorView), nullptr);
    auto plotData = ProfilePlotDataObject::Create("plot:bench", definition, nullptr);
    auto plotHost = ProfilePlotHostObject::Create("plothost:bench", plotData.get());
    auto* document = dynamic_cast<CKSUDocument*>(docTemplate.CreateNewDocument());
    document->SetViewContext("Bench.Times", static_cast<IProfilePlotHost*>(plotHost.get()));
    dynamic_cast<CKBaseApp*>(AfxGetApp())->SetCurrentDocument(document);
    CFrameWnd* frame = docTemplate.OpenDocument(document);
    auto* view = frame ? dynamic_cast<CSUProfileEditorView*>(frame->GetActiveView()) : nullptr;
    auto* list = view ? dynamic_cast<CListCtrl*>(view->GetDlgItem(FormTimesList)) : nullptr;
    Measurement elapsed;
    bool ordered = false;
    if (list) {
        CEdit* label = list->EditLabel(0);
        if (label)
            label->SetWindowText("0.5");
        const Stopwatch stopwatch = Stopwatch::FromMemory();
        list->EditLabel(-1);
        elapsed = stopwatch.Read();
        ordered = list->GetItemCount() == count && list->GetItemText(0, 0) == "0.5";
        for (int row = 1; ordered && row < list->GetItemCount(); ++row)
            ordered = std::atof(list->GetItemText(row - 1, 0)) < std::atof(list->GetItemText(row, 0));
    } else {
        ReportFault("The editor did not open.\n");
    }
    if (!ordered)
        ReportFault("The times list is not in order after the edit.\n");
    area.closeAllSubWindows();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    return {elapsed};
}

// A row that sorts by its number.
class NumberItem : public QTreeWidgetItem {
public:
    explicit NumberItem(int value) : QTreeWidgetItem({QString::number(value)}), m_value(value) { }
    bool operator<(const QTreeWidgetItem& other) const override
    {
        return m_value < static_cast<const NumberItem&>(other).m_value;
    }

private:
    int m_value;
};

// Qt's own sort of a plain tree widget with the same values.
std::vector<Measurement> QtSort(int count, QMdiArea& area)
{
    auto* tree = new QTreeWidget;
    QList<QTreeWidgetItem*> items;
    for (int value : ScrambledValues(count))
        items << new NumberItem(value);
    tree->addTopLevelItems(items);
    area.addSubWindow(tree)->show();
    const Stopwatch stopwatch = Stopwatch::FromMemory();
    tree->sortItems(0, Qt::AscendingOrder);
    const Measurement elapsed = stopwatch.Read();
    area.closeAllSubWindows();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    return {elapsed};
}

// The floor: std::sort of the same numbers.
std::vector<Measurement> PlainSort(int count)
{
    std::vector<double> values;
    for (int value : ScrambledValues(count))
        values.push_back(value);
    const Stopwatch stopwatch = Stopwatch::FromMemory();
    std::sort(values.begin(), values.end());
    return {stopwatch.Read()};
}

} // namespace

int main(int argc, char** argv)
{
    KeepFreedMemory();
    BenchHost host(argc, argv);
    QMdiArea& area = host.area();
    // Sorts of a few thousand rows take well under a millisecond, where the
    // caches that other programs share with this one move a round by half;
    // bigger lists and more rounds give figures that repeat.
    const BenchArguments arguments = ArgumentsOf(argc, argv, {10000, 20000, 40000}, 31);
    PrintFiguresHeading(arguments);
    for (int rows : arguments.sizes) {
        const auto samples = RunRounds(arguments.rounds,
            {
                [&] { return EditorSort(rows, area); },
                [&] { return QtSort(rows, area); },
                [&] { return PlainSort(rows); },
            });
        const Samples& editor = samples[0][0];
        const Samples& qt = samples[1][0];
        const Samples& floor = samples[2][0];
        std::printf("%d rows\n", rows);
        PrintSamples("editor: edit ends, rows sort", editor);
        PrintSamples("QTreeWidget::sortItems", qt);
        PrintSamples("std::sort", floor);
        PrintRatioAim("editor / QTreeWidget", editor, qt, 1);
        PrintRatioAim("editor / std::sort", editor, floor, 0);
    }
    return FaultCount() > 0 ? 1 : 0;
}
