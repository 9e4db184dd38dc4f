// Opens an editor on a definition with N specified times in a scrambled order,
// ends an edit of one row (which sorts the times list by value and removes
// duplicates) and prints the time that takes beside Qt's own sort of a plain
// QTreeWidget holding the same N values. Run with the offscreen platform:
//   QT_QPA_PLATFORM=offscreen build/release/bench/timesbench [N...]

#include "host/frame/profileeditorframe.h"
#include "host/services/kbaseapp.h"
#include "host/services/kdoctemplate.h"
#include "host/services/ksudocument.h"
#include "platform/controls/listctrl.h"
#include "view/profileeditorview.h"
#include "workbench/hostlib/profileplotdataobject.h"
#include "workbench/hostlib/profileplothostobject.h"

#include "benchhost.h"
#include "benchsupport.h"
#include "cputimer.h"

#include <QMdiArea>
#include <QMdiSubWindow>
#include <QTreeWidget>

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
double EditorSort(int count, QMdiArea& area, bool& ordered)
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
    double elapsed = 0;
    ordered = false;
    if (list) {
        CEdit* label = list->EditLabel(0);
        if (label)
            label->SetWindowText("0.5");
        CpuTimer timer;
        timer.start();
        list->EditLabel(-1);
        elapsed = timer.Milliseconds();
        ordered = list->GetItemCount() == count && list->GetItemText(0, 0) == "0.5";
        for (int row = 1; ordered && row < list->GetItemCount(); ++row)
            ordered = std::atof(list->GetItemText(row - 1, 0)) < std::atof(list->GetItemText(row, 0));
    } else {
        std::fprintf(stderr, "The editor did not open.\n");
    }
    area.closeAllSubWindows();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    return elapsed;
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
double PlainSort(int count, QMdiArea& area)
{
    auto* tree = new QTreeWidget;
    QList<QTreeWidgetItem*> items;
    for (int value : ScrambledValues(count))
        items << new NumberItem(value);
    tree->addTopLevelItems(items);
    area.addSubWindow(tree)->show();
    CpuTimer timer;
    timer.start();
    tree->sortItems(0, Qt::AscendingOrder);
    const double elapsed = timer.Milliseconds();
    area.closeAllSubWindows();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    return elapsed;
}

} // namespace

int main(int argc, char** argv)
{
    BenchHost host(argc, argv);
    QMdiArea& area = host.area();
    const std::vector<int> sizes = SizesFromArguments(argc, argv, {2500, 5000, 10000});
    std::printf("%9s %12s %12s %7s\n", "rows", "editor ms", "qt sort ms", "ratio");
    for (int rows : sizes) {
        bool ordered = true;
        const double editor = BestOf(3, [&] {
            bool runOrdered = false;
            const double elapsed = EditorSort(rows, area, runOrdered);
            ordered = ordered && runOrdered;
            return elapsed;
        });
        const double plain = BestOf(3, [&] { return PlainSort(rows, area); });
        std::printf(
            "%9d %12.1f %12.1f %7.2f%s\n", rows, editor, plain, editor / plain, ordered ? "" : "  NOT IN ORDER");
    }
    return 0;
}
