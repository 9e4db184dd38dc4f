// Sorts and deletes the rows of a report list view as the editor's profiles
// list does, beside a plain QTreeWidget doing the same work:
// - 10,000 rows of a name and "1 D"/"2 D", keyed by their item parameters,
//   sorted by each column with a comparison that finds both rows by parameter
//   and compares their texts byte-wise, beside QTreeWidget::sortItems on the
//   same texts (Qt's own sort of the rows of its own list widget);
// - 5,000 selected rows of 10,000 (every other row) deleted, beside deleting
//   the selected items of a QTreeWidget (its selection cleared first, then
//   the items deleted from the last).
// Times are processor time of this thread. Run with the offscreen platform:
//   QT_QPA_PLATFORM=offscreen build/release/bench/listbench [ROWS]

#include "platform/controls/listctrl.h"
#include "platform/docview/dialogtemplate.h"
#include "platform/windows/wnd.h"

#include "cputimer.h"

#include <QApplication>
#include <QTreeWidget>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <vector>

namespace {

constexpr int ListId = 1006;

const DialogTemplate& ListForm()
{
    static const DialogTemplate dialog {
        300,
        250,
        "Sans Serif",
        8,
        {
            {ListId, DialogControlKind::ListView, "List2",
                WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_BORDER | LVS_REPORT | LVS_SHOWSELALWAYS | LVS_EDITLABELS, 5, 5,
                280, 230},
        },
    };
    return dialog;
}

struct Row {
    QByteArray name;
    QByteArray dimension;
};

// Names in no particular order, with repeats, and mixed dimensions.
std::vector<Row> Rows(int count)
{
    std::vector<Row> rows;
    rows.reserve(static_cast<size_t>(count));
    unsigned state = 12345;
    for (int row = 0; row < count; ++row) {
        state = state * 1103515245u + 12345u;
        const unsigned number = (state >> 8) % static_cast<unsigned>(count);
        rows.push_back({QByteArray("Profile ") + QByteArray::number(number), (state >> 20) % 3 ? "1 D" : "2 D"});
    }
    return rows;
}

// The best of a few runs, each on rows made afresh by `prepare`.
double Best(const std::function<void()>& prepare, const std::function<void()>& measured)
{
    constexpr int Runs = 3;
    double best = 0;
    for (int run = 0; run < Runs; ++run) {
        prepare();
        CpuTimer timer;
        timer.start();
        measured();
        const double elapsed = timer.Milliseconds();
        best = run == 0 ? elapsed : std::min(best, elapsed);
    }
    return best;
}

// The profiles list's comparison: both rows found by parameter, their texts
// in the sorted column compared byte-wise.
struct SortState {
    CListCtrl* list;
    int column;
};

int CompareByText(LPARAM first, LPARAM second, LPARAM data)
{
    const auto* state = reinterpret_cast<const SortState*>(data);
    LVFINDINFO find;
    find.flags = LVFI_PARAM;
    find.lParam = first;
    const int firstRow = state->list->FindItem(&find);
    find.lParam = second;
    const int secondRow = state->list->FindItem(&find);
    return std::strcmp(
        state->list->GetItemText(firstRow, state->column), state->list->GetItemText(secondRow, state->column));
}

void FillList(CListCtrl& list, const std::vector<Row>& rows)
{
    list.DeleteAllItems();
    for (const Row& row : rows) {
        const int added = list.InsertItem(list.GetItemCount(), row.name.constData());
        list.SetItemText(added, 1, row.dimension.constData());
        list.SetItemData(added, static_cast<DWORD_PTR>(added + 1));
    }
}

void FillTree(QTreeWidget& tree, const std::vector<Row>& rows)
{
    tree.clear();
    QList<QTreeWidgetItem*> items;
    items.reserve(static_cast<qsizetype>(rows.size()));
    for (const Row& row : rows)
        items << new QTreeWidgetItem({QString::fromLocal8Bit(row.name), QString::fromLocal8Bit(row.dimension)});
    tree.addTopLevelItems(items);
}

bool ListIsSorted(const CListCtrl& list, int column)
{
    for (int row = 1; row < list.GetItemCount(); ++row) {
        if (std::strcmp(list.GetItemText(row - 1, column), list.GetItemText(row, column)) > 0)
            return false;
    }
    return true;
}

void PrintRatio(const char* what, double ours, double plain)
{
    std::printf("%-34s %10.1f %10.1f %7.2f\n", what, ours, plain, ours / plain);
}

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    const int count = argc > 1 ? std::max(2, std::atoi(argv[1])) : 10000;
    const std::vector<Row> rows = Rows(count);

    QWidget form;
    CWnd formWnd;
    formWnd.Attach(&form);
    CreateDialogControls(ListForm(), &form);
    CListCtrl list;
    if (!list.SubclassDlgItem(ListId, &formWnd)) {
        std::fprintf(stderr, "The list view was not made.\n");
        return 1;
    }
    list.InsertColumn(0, "Profile", LVCFMT_LEFT, 300);
    list.InsertColumn(1, "Dim.", LVCFMT_LEFT, 60);
    form.show();

    QTreeWidget tree;
    tree.setColumnCount(2);
    tree.setHeaderLabels({QStringLiteral("Profile"), QStringLiteral("Dim.")});
    tree.setSelectionMode(QAbstractItemView::ExtendedSelection);
    tree.resize(form.size());
    tree.show();

    std::printf("%d rows; processor time in ms, the best of three runs.\n%-34s %10s %10s %7s\n", count, "", "list ms",
        "Qt ms", "ratio");
    bool sorted = true;
    for (int column = 0; column < 2; ++column) {
        SortState state {&list, column};
        const double ours = Best(
            [&] { FillList(list, rows); }, [&] { list.SortItems(&CompareByText, reinterpret_cast<LPARAM>(&state)); });
        sorted = sorted && ListIsSorted(list, column);
        const double plain = Best([&] { FillTree(tree, rows); }, [&] { tree.sortItems(column, Qt::AscendingOrder); });
        PrintRatio(column == 0 ? "sort by name" : "sort by dimension", ours, plain);
    }

    // Every other row selected, as the user could with Ctrl and clicks.
    const auto selectHalf = [&] {
        FillList(list, rows);
        for (int row = 0; row < count; row += 2)
            list.SetItemState(row, LVIS_SELECTED, LVIS_SELECTED);
    };
    const auto selectedRows = [&list] {
        std::vector<int> selected;
        for (int row = list.GetNextItem(-1, LVNI_SELECTED); row >= 0; row = list.GetNextItem(row, LVNI_SELECTED))
            selected.push_back(row);
        return selected;
    };
    const double together = Best(selectHalf, [&] { list.DeleteItems(selectedRows()); });
    const bool deleted = list.GetItemCount() == count / 2 && list.GetSelectedCount() == 0;
    const double oneByOne = Best(selectHalf, [&] {
        const std::vector<int> selected = selectedRows();
        for (auto row = selected.rbegin(); row != selected.rend(); ++row)
            list.DeleteItem(*row);
    });
    const double plain = Best(
        [&] {
            FillTree(tree, rows);
            for (int row = 0; row < count; row += 2)
                tree.topLevelItem(row)->setSelected(true);
        },
        [&] {
            // Deleting selected items one by one makes Qt's selection model
            // adjust every remaining selected range per item; clearing the
            // selection first is the plain Qt way that avoids it.
            const QList<QTreeWidgetItem*> selected = tree.selectedItems();
            tree.clearSelection();
            for (auto item = selected.rbegin(); item != selected.rend(); ++item)
                delete *item;
        });
    PrintRatio("delete every other row", together, plain);
    PrintRatio("  the same, one DeleteItem per row", oneByOne, plain);

    if (!sorted || !deleted || tree.topLevelItemCount() != count / 2) {
        std::fprintf(stderr, "The rows were not sorted or deleted as asked.\n");
        return 1;
    }
    return 0;
}
