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

#include <QApplication>
#include <QElapsedTimer>
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

double Milliseconds(const QElapsedTimer& timer)
{
    return static_cast<double>(timer.nsecsElapsed()) / 1e6;
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
        QElapsedTimer timer;
        timer.start();
        list->EditLabel(-1);
        elapsed = Milliseconds(timer);
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
    QElapsedTimer timer;
    timer.start();
    tree->sortItems(0, Qt::AscendingOrder);
    const double elapsed = Milliseconds(timer);
    area.closeAllSubWindows();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    return elapsed;
}

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    CKBaseApp hostApp;
    QMdiArea area;
    area.resize(1400, 1000);
    area.show();
    hostApp.SetMdiArea(&area);
    std::vector<int> sizes;
    for (int i = 1; i < argc; ++i)
        sizes.push_back(std::atoi(argv[i]));
    if (sizes.empty())
        sizes = {2500, 5000, 10000};
    std::printf("%9s %12s %12s %7s\n", "rows", "editor ms", "qt sort ms", "ratio");
    for (int rows : sizes) {
        // The best of three runs of each, as the first also pays for memory
        // the process has not touched yet.
        bool ordered = true;
        double editor = 0;
        double plain = 0;
        for (int run = 0; run < 3; ++run) {
            bool runOrdered = false;
            const double editorRun = EditorSort(rows, area, runOrdered);
            const double plainRun = PlainSort(rows, area);
            ordered = ordered && runOrdered;
            editor = run == 0 ? editorRun : std::min(editor, editorRun);
            plain = run == 0 ? plainRun : std::min(plain, plainRun);
        }
        std::printf(
            "%9d %12.1f %12.1f %7.2f%s\n", rows, editor, plain, editor / plain, ordered ? "" : "  NOT IN ORDER");
    }
    return 0;
}
