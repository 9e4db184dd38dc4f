// The profiles list of an open editor with N profiles: a click on each column
// header sorts the rows (first "Profile", ascending, then "Dim.", descending),
// printed beside Qt's own sort of the same rows in a plain QTreeWidget; then
// every other profile is selected and deleted with the Delete command, beside
// removing the same selected rows from the plain QTreeWidget. Each figure is
// the best of five runs, the two sides taking turns. Run with the offscreen platform:
//   QT_QPA_PLATFORM=offscreen build/release/bench/listbench [N]

#include "host/frame/profileeditorframe.h"
#include "host/services/kbaseapp.h"
#include "host/services/kdoctemplate.h"
#include "host/services/ksudocument.h"
#include "platform/controls/listctrl.h"
#include "view/formcontrols.h"
#include "view/profileeditorview.h"
#include "workbench/hostlib/profileplotdataobject.h"

#include "benchhost.h"
#include "cputimer.h"

#include <QHeaderView>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QTreeWidget>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <vector>

namespace {

struct Row {
    CString name;
    int dimension;
};

// Names in no particular order (a fixed permutation), dimensions mixed.
std::vector<Row> Rows(int count)
{
    std::vector<Row> rows;
    rows.reserve(static_cast<size_t>(count));
    unsigned state = 12345;
    for (int i = 0; i < count; ++i) {
        state = state * 1103515245u + 12345u;
        CString name;
        name.Format("Profile %u", (state >> 8) % 1000000u);
        rows.push_back({name, (state >> 20) % 2 ? 2 : 1});
    }
    return rows;
}

PlotDefinition Definition(const std::vector<Row>& rows)
{
    PlotDefinition definition;
    definition.timeEntries.Add("L");
    for (const Row& row : rows) {
        definition.unassignedNames.Add(row.name);
        definition.unassignedDimensions.Add(static_cast<UINT>(row.dimension));
        definition.unassignedCounts.Add(1);
        definition.unassignedVariables.Add("T(*)");
    }
    return definition;
}

// Selects every other row in one go (a row at a time would make Qt merge
// selections for minutes before anything is measured).
void SelectEveryOtherRow(QTreeView* tree)
{
    const QAbstractItemModel* model = tree->model();
    QItemSelection selection;
    for (int row = 0; row < model->rowCount(); row += 2)
        selection.select(model->index(row, 0), model->index(row, model->columnCount() - 1));
    tree->selectionModel()->select(selection, QItemSelectionModel::ClearAndSelect);
}

struct Figures {
    double sortName = 0;
    double sortDimension = 0;
    double deleteHalf = 0;
};

void KeepBest(Figures& best, const Figures& next)
{
    best.sortName = std::min(best.sortName, next.sortName);
    best.sortDimension = std::min(best.sortDimension, next.sortDimension);
    best.deleteHalf = std::min(best.deleteHalf, next.deleteHalf);
}

void CloseAll(QMdiArea& area)
{
    area.closeAllSubWindows();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

// The editor: column clicks as the header sends them, then the Delete command.
Figures Editor(const PlotDefinition& definition, QMdiArea& area)
{
    CKDocTemplate docTemplate(ProfileEditorDocumentType, ProfileEditorResourceId, RUNTIME_CLASS(CKSUDocument),
        RUNTIME_CLASS(CSUProfileEditorFrame), RUNTIME_CLASS(CSUProfileEditorView), nullptr);
    auto plotData = ProfilePlotDataObject::Create("plot:bench", definition, nullptr);
    auto* document = dynamic_cast<CKSUDocument*>(docTemplate.CreateNewDocument());
    document->SetViewContext("Bench.Plot", static_cast<IProfilePlotData*>(plotData.get()));
    dynamic_cast<CKBaseApp*>(AfxGetApp())->SetCurrentDocument(document);
    CFrameWnd* frame = docTemplate.OpenDocument(document);
    auto* view = frame ? dynamic_cast<CSUProfileEditorView*>(frame->GetActiveView()) : nullptr;
    if (!view) {
        std::fprintf(stderr, "The editor did not open.\n");
        std::exit(1);
    }
    auto* list = dynamic_cast<CListCtrl*>(view->GetDlgItem(static_cast<int>(FormControl::ProfilesList)));
    auto* tree = qobject_cast<QTreeView*>(list->GetSafeHwnd());
    QHeaderView* header = tree->header();
    Figures figures;
    CpuTimer timer;
    timer.start();
    emit header->sectionClicked(0);
    figures.sortName = timer.Milliseconds();
    timer.start();
    emit header->sectionClicked(1);
    figures.sortDimension = timer.Milliseconds();
    SelectEveryOtherRow(tree);
    const int before = list->GetItemCount();
    timer.start();
    view->DeleteSelectedProfiles();
    figures.deleteHalf = timer.Milliseconds();
    if (list->GetItemCount() != before / 2 || view->Profiles().GetCount() != before / 2)
        std::fprintf(stderr, "The editor kept %d rows of %d.\n", list->GetItemCount(), before);
    CloseAll(area);
    return figures;
}

// A plain two-column tree with the same rows, sorted and cut by Qt alone.
Figures PlainTree(const std::vector<Row>& rows, QMdiArea& area)
{
    auto* tree = new QTreeWidget;
    tree->setColumnCount(2);
    tree->setHeaderLabels({QStringLiteral("Profile"), QStringLiteral("Dim.")});
    tree->setSelectionMode(QAbstractItemView::ExtendedSelection);
    QList<QTreeWidgetItem*> items;
    items.reserve(static_cast<int>(rows.size()));
    for (const Row& row : rows)
        items << new QTreeWidgetItem({row.name.ToQString(), QStringLiteral("%1 D").arg(row.dimension)});
    tree->addTopLevelItems(items);
    area.addSubWindow(tree)->show();
    Figures figures;
    CpuTimer timer;
    timer.start();
    tree->sortItems(0, Qt::AscendingOrder);
    figures.sortName = timer.Milliseconds();
    timer.start();
    tree->sortItems(1, Qt::DescendingOrder);
    figures.sortDimension = timer.Milliseconds();
    SelectEveryOtherRow(tree);
    const int before = tree->topLevelItemCount();
    timer.start();
    QModelIndexList selected = tree->selectionModel()->selectedRows();
    std::sort(
        selected.begin(), selected.end(), [](const QModelIndex& a, const QModelIndex& b) { return a.row() > b.row(); });
    std::vector<int> doomed;
    doomed.reserve(static_cast<size_t>(selected.size()));
    for (const QModelIndex& index : selected)
        doomed.push_back(index.row());
    // Cleared first: with the selection alive, each removal makes Qt's
    // selection model walk every remaining selected range.
    tree->clearSelection();
    for (const int row : doomed)
        delete tree->takeTopLevelItem(row);
    figures.deleteHalf = timer.Milliseconds();
    if (tree->topLevelItemCount() != before / 2)
        std::fprintf(stderr, "The plain tree kept %d rows of %d.\n", tree->topLevelItemCount(), before);
    CloseAll(area);
    return figures;
}

} // namespace

int main(int argc, char** argv)
{
    BenchHost host(argc, argv);
    QMdiArea& area = host.area();
    const int count = argc > 1 ? std::atoi(argv[1]) : 10000;
    const std::vector<Row> rows = Rows(count);
    const PlotDefinition definition = Definition(rows);
    // Both sides take turns, so that a busy moment of the machine does not
    // fall on one side only; each keeps its best of five runs.
    Figures editor = Editor(definition, area);
    Figures plain = PlainTree(rows, area);
    for (int run = 1; run < 5; ++run) {
        KeepBest(editor, Editor(definition, area));
        KeepBest(plain, PlainTree(rows, area));
    }
    std::printf("%d profiles\n%-28s %12s %12s %7s\n", count, "", "editor ms", "QTreeWidget ms", "ratio");
    const auto line = [](const char* what, double ours, double theirs) {
        std::printf("%-28s %12.1f %14.1f %7.2f\n", what, ours, theirs, ours / theirs);
    };
    line("sort by \"Profile\"", editor.sortName, plain.sortName);
    line("sort by \"Dim.\"", editor.sortDimension, plain.sortDimension);
    CString deleted;
    deleted.Format("delete %d selected", count / 2);
    line(deleted, editor.deleteHalf, plain.deleteHalf);
    return 0;
}
