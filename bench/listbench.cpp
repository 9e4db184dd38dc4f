// The profiles list of an open editor with N profiles: a click on each column
// header sorts the rows (first "Profile", ascending, then "Dim.", descending),
// printed beside Qt's own sort of the same rows in a plain QTreeWidget; then
// every other profile is selected and deleted with the Delete command, beside
// removing the same selected rows from the plain QTreeWidget; and, as the floor
// under both sorts, std::sort of the same texts. Each figure is the median and
// 90th percentile of rounds in which the sides take turns, each measured
// stretch starting with its data out of the caches. Run with the
// offscreen platform:
//   QT_QPA_PLATFORM=offscreen build/release/bench/listbench [N...] [--rounds R]

#include "host/frame/profileeditorframe.h"
#include "host/services/kbaseapp.h"
#include "host/services/kdoctemplate.h"
#include "host/services/ksudocument.h"
#include "hostlib/profileplotdataobject.h"
#include "platform/controls/listctrl.h"
#include "resources/formcontrolids.h"
#include "view/profileeditorview.h"

#include "benchhost.h"
#include "benchsupport.h"

#include <QHeaderView>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QTreeWidget>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <string>
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

// One run of a side: sort by name, sort by dimension, delete half.
using Figures = std::vector<Measurement>;

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
        ReportFault("The editor did not open.\n");
        std::exit(1);
    }
    auto* list = dynamic_cast<CListCtrl*>(view->GetDlgItem(static_cast<int>(FormControl::ProfilesList)));
    auto* tree = qobject_cast<QTreeView*>(list->GetSafeHwnd());
    QHeaderView* header = tree->header();
    Figures figures;
    Stopwatch stopwatch = Stopwatch::FromMemory();
    emit header->sectionClicked(0);
    figures.push_back(stopwatch.Read());
    stopwatch.startFromMemory();
    emit header->sectionClicked(1);
    figures.push_back(stopwatch.Read());
    SelectEveryOtherRow(tree);
    const int before = list->GetItemCount();
    stopwatch.startFromMemory();
    view->ProfilesPart().DeleteSelectedProfiles();
    figures.push_back(stopwatch.Read());
    if (list->GetItemCount() != before / 2 || view->ProfilesPart().Profiles().GetCount() != before / 2)
        ReportFault("The editor kept %d rows of %d.\n", list->GetItemCount(), before);
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
    Stopwatch stopwatch = Stopwatch::FromMemory();
    tree->sortItems(0, Qt::AscendingOrder);
    figures.push_back(stopwatch.Read());
    stopwatch.startFromMemory();
    tree->sortItems(1, Qt::DescendingOrder);
    figures.push_back(stopwatch.Read());
    SelectEveryOtherRow(tree);
    const int before = tree->topLevelItemCount();
    stopwatch.startFromMemory();
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
    figures.push_back(stopwatch.Read());
    if (tree->topLevelItemCount() != before / 2)
        ReportFault("The plain tree kept %d rows of %d.\n", tree->topLevelItemCount(), before);
    CloseAll(area);
    return figures;
}

// The floor under both sorts: std::sort of copies of the same texts, byte by
// byte, the names ascending and the dimensions descending.
Figures PlainSort(const std::vector<Row>& rows)
{
    std::vector<std::string> names;
    std::vector<std::string> dimensions;
    for (const Row& row : rows) {
        names.emplace_back(row.name.GetString());
        dimensions.push_back(std::to_string(row.dimension) + " D");
    }
    Figures figures;
    Stopwatch stopwatch = Stopwatch::FromMemory();
    std::sort(names.begin(), names.end());
    figures.push_back(stopwatch.Read());
    stopwatch.startFromMemory();
    std::sort(dimensions.begin(), dimensions.end(), std::greater<>());
    figures.push_back(stopwatch.Read());
    return figures;
}

} // namespace

int main(int argc, char** argv)
{
    KeepFreedMemory();
    BenchHost host(argc, argv);
    QMdiArea& area = host.area();
    const BenchArguments arguments = ArgumentsOf(argc, argv, {2500, 5000, 10000});
    PrintFiguresHeading(arguments);
    for (int count : arguments.sizes) {
        const std::vector<Row> rows = Rows(count);
        const PlotDefinition definition = Definition(rows);
        const auto samples = RunRounds(arguments.rounds,
            {
                [&] { return Editor(definition, area); },
                [&] { return PlainTree(rows, area); },
                [&] { return PlainSort(rows); },
            });
        const auto& editor = samples[0];
        const auto& tree = samples[1];
        const auto& floor = samples[2];
        std::printf("%d profiles\n", count);
        const char* const sorts[] = {"sort by \"Profile\"", "sort by \"Dim.\""};
        for (size_t sort = 0; sort < 2; ++sort) {
            const std::string name = sorts[sort];
            PrintSamples("editor " + name, editor[sort]);
            PrintSamples("QTreeWidget " + name, tree[sort]);
            PrintSamples("std::sort " + name, floor[sort]);
            PrintRatioAim("editor / QTreeWidget", editor[sort], tree[sort], 1);
            PrintRatioAim("editor / std::sort", editor[sort], floor[sort], 0);
        }
        const std::string deleted = "delete " + std::to_string(count / 2) + " selected";
        PrintSamples("editor " + deleted, editor[2]);
        PrintSamples("QTreeWidget " + deleted, tree[2]);
        PrintRatioAim("editor / QTreeWidget", editor[2], tree[2], 0.1);
    }
    return FaultCount() > 0 ? 1 : 0;
}
