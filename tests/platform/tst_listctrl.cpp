// The report list view as the form uses it: rows with parameters, sorting by a
// comparison that looks rows up by parameter, label editing, and the
// notifications that clicks, keys, drags and focus changes send the parent.

#include "notificationrecorder.h"
#include "support/projecttest.h"

#include "platform/controls/listctrl.h"
#include "platform/controls/listviewwidget.h"
#include "platform/core/invalidarg.h"
#include "platform/windows/dialogtemplate.h"

#include <QHeaderView>
#include <QLineEdit>
#include <QTest>

#include <cstring>
#include <functional>

namespace {

constexpr int ListId = 1006;
constexpr int OtherId = 1028;

const DialogTemplate& ListForm()
{
    static const DialogTemplate dialog {200, 150, "Sans Serif", 8,
        {{ListId, DialogControlKind::ListView, "List2",
             WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_BORDER | LVS_REPORT | LVS_SHOWSELALWAYS | LVS_EDITLABELS, 5, 5,
             150, 100},
            {OtherId, DialogControlKind::Edit, "", WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_BORDER, 5, 110, 60, 12}}};
    return dialog;
}

// The row whose parameter is `param`, searching after row `after`.
int RowOf(const CListCtrl& list, LPARAM param, int after = -1)
{
    LVFINDINFO find;
    find.flags = LVFI_PARAM;
    find.lParam = param;
    return list.FindItem(&find, after);
}

// The editor's way of sorting: find both rows by parameter, compare the texts
// of the sorted column byte-wise.
struct SortState {
    CListCtrl* list;
    int column;
    int direction;
};

int CompareByText(LPARAM first, LPARAM second, LPARAM data)
{
    const auto* state = reinterpret_cast<const SortState*>(data);
    const int firstRow = RowOf(*state->list, first);
    const int secondRow = RowOf(*state->list, second);
    const CString a = state->list->GetItemText(firstRow, state->column);
    const CString b = state->list->GetItemText(secondRow, state->column);
    return std::strcmp(a, b) * state->direction;
}

} // namespace

class ListCtrlTest : public QObject {
    Q_OBJECT
private slots:
    void init()
    {
        m_form = new QWidget;
        m_wnd = new NotificationRecorder;
        m_wnd->Attach(m_form);
        CreateDialogControls(ListForm(), m_form);
        m_list = new CListCtrl;
        QVERIFY(m_list->SubclassDlgItem(ListId, m_wnd));
        m_widget = qobject_cast<ListViewWidget*>(m_list->GetSafeHwnd());
        QCOMPARE(m_list->InsertColumn(0, "Profile", LVCFMT_LEFT, 120), 0);
        QCOMPARE(m_list->InsertColumn(1, "Dim.", LVCFMT_LEFT, 40), 1);
        const char* const names[] = {"Temperatures", "Flows", "Pressures"};
        for (int row = 0; row < 3; ++row) {
            m_list->InsertItem(row, names[row]);
            m_list->SetItemText(row, 1, row == 1 ? "2 D" : "1 D");
            m_list->SetItemData(row, static_cast<DWORD_PTR>(10 + row));
        }
        m_form->show();
        m_form->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(m_form));
        m_wnd->received.clear();
    }

    void cleanup()
    {
        delete m_list;
        delete m_form;
        delete m_wnd;
    }

    void rowsKeepTextAndParameters()
    {
        QCOMPARE(m_list->GetItemCount(), 3);
        QCOMPARE(m_list->GetColumnCount(), 2);
        QCOMPARE(m_list->GetItemText(1, 0), CString("Flows"));
        QCOMPARE(m_list->GetItemText(1, 1), CString("2 D"));
        // Narrow text with a byte above 127 comes back exactly as written.
        m_list->SetItemText(2, 0, "Dr\374cke");
        QCOMPARE(m_list->GetItemText(2, 0), CString("Dr\374cke"));

        QCOMPARE(RowOf(*m_list, 12), 2);
        QCOMPARE(RowOf(*m_list, 12, 2), -1);
        QCOMPARE(RowOf(*m_list, 99), -1);
        // Inserting moves the rows below, and the lookup follows.
        m_list->InsertItem(0, "New Profile");
        m_list->SetItemData(0, 99);
        QCOMPARE(RowOf(*m_list, 99), 0);
        QCOMPARE(RowOf(*m_list, 12), 3);
        m_list->DeleteItem(0);
        QCOMPARE(RowOf(*m_list, 12), 2);
        // A row added at the end and given its parameter is found at once; a
        // parameter changed is found in its new row only.
        m_list->InsertItem(3, "Levels");
        m_list->SetItemData(3, 13);
        QCOMPARE(RowOf(*m_list, 13), 3);
        m_list->SetItemData(1, 13);
        QCOMPARE(RowOf(*m_list, 13), 1);
        QCOMPARE(RowOf(*m_list, 13, 1), 3);
        QCOMPARE(RowOf(*m_list, 11), -1);
    }

    void outOfRangeRaisesInvalidArgument_data()
    {
        using Operation = std::function<void(CListCtrl*)>;
        QTest::addColumn<Operation>("operation");
        QTest::newRow("GetItemText of row 3") << Operation([](CListCtrl* list) { list->GetItemText(3, 0); });
        QTest::newRow("GetItemText of column 2") << Operation([](CListCtrl* list) { list->GetItemText(0, 2); });
        QTest::newRow("SetItemData of row -1") << Operation([](CListCtrl* list) { list->SetItemData(-1, 1); });
        QTest::newRow("DeleteItem of row 3") << Operation([](CListCtrl* list) { list->DeleteItem(3); });
        QTest::newRow("InsertItem at row 5") << Operation([](CListCtrl* list) { list->InsertItem(5, "x"); });
        QTest::newRow("EditLabel of row 3") << Operation([](CListCtrl* list) { list->EditLabel(3); });
        QTest::newRow("SetItemState of row 7")
            << Operation([](CListCtrl* list) { list->SetItemState(7, LVIS_SELECTED, LVIS_SELECTED); });
    }

    void outOfRangeRaisesInvalidArgument()
    {
        QFETCH(std::function<void(CListCtrl*)>, operation);
        const auto run = [this, &operation] { operation(m_list); };
        QVERIFY_THROWS_EXCEPTION(CInvalidArgException, run());
        QCOMPARE(m_list->GetItemCount(), 3);
        QCOMPARE(m_list->GetItemText(2, 0), CString("Pressures"));
    }

    void sortUsesTheComparisonAndKeepsSelection()
    {
        m_list->SetItemState(0, LVIS_SELECTED, LVIS_SELECTED); // "Temperatures", parameter 10
        SortState state {m_list, 0, 1};
        QVERIFY(m_list->SortItems(&CompareByText, reinterpret_cast<LPARAM>(&state)));
        QCOMPARE(m_list->GetItemText(0, 0), CString("Flows"));
        QCOMPARE(m_list->GetItemText(1, 0), CString("Pressures"));
        QCOMPARE(m_list->GetItemText(2, 0), CString("Temperatures"));
        QCOMPARE(m_list->GetItemData(2), DWORD_PTR(10));
        QCOMPARE(m_list->GetItemText(0, 1), CString("2 D")); // cells move with their row
        QCOMPARE(m_list->GetNextItem(-1, LVNI_SELECTED), 2);
        QCOMPARE(RowOf(*m_list, 10), 2);

        state.direction = -1;
        m_list->SortItems(&CompareByText, reinterpret_cast<LPARAM>(&state));
        QCOMPARE(m_list->GetItemText(0, 0), CString("Temperatures"));
        state = SortState {m_list, 1, 1};
        m_list->SortItems(&CompareByText, reinterpret_cast<LPARAM>(&state));
        QCOMPARE(m_list->GetItemText(2, 1), CString("2 D"));
        // Sorting changes no selection, so it tells the parent nothing.
        QVERIFY(m_wnd->WithCode(LVN_ITEMCHANGED).size() == 1);
    }

    void sortWithFailingComparisonKeepsEveryRow()
    {
        const auto compare = [](LPARAM first, LPARAM, LPARAM data) -> int {
            auto* list = reinterpret_cast<CListCtrl*>(data);
            return list->GetItemText(static_cast<int>(first), 0).GetLength(); // parameters 10.. are no rows
        };
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("SortItems: the comparison failed"));
        QVERIFY_THROWS_EXCEPTION(CInvalidArgException, m_list->SortItems(+compare, reinterpret_cast<LPARAM>(m_list)));
        QCOMPARE(m_list->GetItemCount(), 3);
        QStringList names;
        for (int row = 0; row < 3; ++row)
            names << m_list->GetItemText(row, 0).ToQString();
        names.sort();
        QCOMPARE(names, (QStringList {"Flows", "Pressures", "Temperatures"}));
    }

    void labelEditEndsOnceAndReportsTheText_data()
    {
        QTest::addColumn<int>("ending"); // 0 Enter, 1 Escape, 2 focus to another control
        QTest::addColumn<int>("answer");
        QTest::addColumn<bool>("textPassed");
        QTest::addColumn<QString>("rowText");
        QTest::newRow("Enter, parent takes the text itself") << 0 << 0 << true << "Temperatures";
        QTest::newRow("Enter, parent lets the row take it") << 0 << 1 << true << "  Reactor ";
        QTest::newRow("Escape passes no text") << 1 << 1 << false << "Temperatures";
        QTest::newRow("focus loss accepts") << 2 << 1 << true << "  Reactor ";
    }

    void labelEditEndsOnceAndReportsTheText()
    {
        QFETCH(int, ending);
        QFETCH(int, answer);
        QFETCH(bool, textPassed);
        QFETCH(QString, rowText);
        m_wnd->endLabelEditAnswer = answer;
        m_list->SetItemState(1, LVIS_SELECTED, LVIS_SELECTED);
        m_widget->setFocus();
        CEdit* edit = m_list->EditLabel(0);
        QVERIFY(edit);
        QCOMPARE(m_list->GetEditControl(), edit);
        QCOMPARE(edit->GetWindowText(), CString("Temperatures"));
        // Editing a row makes it the only selected row.
        QCOMPARE(m_list->GetSelectedCount(), 1u);
        QCOMPARE(m_list->GetNextItem(-1, LVNI_SELECTED), 0);
        QWidget* editor = edit->GetSafeHwnd();
        QTRY_VERIFY(editor->hasFocus());
        QTest::keyClick(editor, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(editor, "  Reactor ");
        if (ending == 0)
            QTest::keyClick(editor, Qt::Key_Return);
        else if (ending == 1)
            QTest::keyClick(editor, Qt::Key_Escape);
        else
            QTest::mouseClick(m_wnd->GetDlgItemHandle(OtherId), Qt::LeftButton);

        const auto ends = m_wnd->WithCode(LVN_ENDLABELEDIT);
        QCOMPARE(ends.size(), size_t(1));
        QCOMPARE(ends[0].id, ListId);
        QCOMPARE(ends[0].item, 0);
        QCOMPARE(ends[0].param, LPARAM(10));
        QCOMPARE(ends[0].hasText, textPassed);
        if (textPassed)
            QCOMPARE(ends[0].text, CString("  Reactor "));
        // Whatever ended the edit, the edit control still held the typed text.
        QCOMPARE(ends[0].editText, CString("  Reactor "));
        QCOMPARE(m_list->GetItemText(0, 0).ToQString(), rowText);
        QVERIFY(!m_list->GetEditControl());
        if (ending != 2)
            QVERIFY(m_widget->hasFocus());
    }

    void labelEditOnNoRowEndsTheOpenEdit()
    {
        m_widget->setFocus();
        m_list->EditLabel(2);
        QVERIFY(!m_list->EditLabel(-1));
        QCOMPARE(m_wnd->WithCode(LVN_ENDLABELEDIT).size(), size_t(1));
        QVERIFY(!m_list->GetEditControl());
        // A second edit on another row ends the first one first.
        m_list->EditLabel(0);
        m_list->EditLabel(1);
        QCOMPARE(m_wnd->WithCode(LVN_ENDLABELEDIT).size(), size_t(2));
        QCOMPARE(m_wnd->WithCode(LVN_ENDLABELEDIT).back().item, 0);
        QCOMPARE(m_list->GetEditControl()->GetWindowText(), CString("Flows"));
    }

    void keysArriveAsKeyDown_data()
    {
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("modifiers");
        QTest::addColumn<int>("virtualKey");
        QTest::addColumn<bool>("control");
        QTest::newRow("Insert") << int(Qt::Key_Insert) << int(Qt::NoModifier) << int(VK_INSERT) << false;
        QTest::newRow("Delete") << int(Qt::Key_Delete) << int(Qt::NoModifier) << int(VK_DELETE) << false;
        QTest::newRow("F2") << int(Qt::Key_F2) << int(Qt::NoModifier) << int(VK_F2) << false;
        QTest::newRow("Ctrl+D") << int(Qt::Key_D) << int(Qt::ControlModifier) << int('D') << true;
    }

    void keysArriveAsKeyDown()
    {
        QFETCH(int, key);
        QFETCH(int, modifiers);
        QFETCH(int, virtualKey);
        QFETCH(bool, control);
        m_widget->setFocus();
        QTest::keyClick(m_widget, static_cast<Qt::Key>(key), static_cast<Qt::KeyboardModifiers>(modifiers));
        // The Control key itself arrives first, as its own key-down.
        const auto keys = m_wnd->WithCode(LVN_KEYDOWN);
        QCOMPARE(keys.size(), size_t(control ? 2 : 1));
        QCOMPARE(int(keys.back().key), virtualKey);
        QCOMPARE(keys.back().controlDown, control);
        // None of these keys edits a label by itself.
        QVERIFY(!m_list->GetEditControl());
    }

    void clicksReportRowColumnAndPosition_data()
    {
        QTest::addColumn<int>("kind"); // 0 left click, 1 double-click, 2 right click
        QTest::addColumn<int>("row");
        QTest::addColumn<int>("column");
        QTest::addColumn<int>("code");
        QTest::newRow("click on a name") << 0 << 1 << 0 << int(NM_CLICK);
        QTest::newRow("click below the rows") << 0 << -1 << 0 << int(NM_CLICK);
        QTest::newRow("double-click on Dim.") << 1 << 2 << 1 << int(NM_DBLCLK);
        QTest::newRow("double-click on empty space") << 1 << -1 << 0 << int(NM_DBLCLK);
        QTest::newRow("right click on a name") << 2 << 0 << 0 << int(NM_RCLICK);
    }

    void clicksReportRowColumnAndPosition()
    {
        QFETCH(int, kind);
        QFETCH(int, row);
        QFETCH(int, column);
        QFETCH(int, code);
        const QPoint point = row >= 0 ? CellCentre(row, column) : QPoint(10, viewport()->height() - 5);
        // The parent hit-tests the message position, as the editor does.
        LVHITTESTINFO hit;
        m_wnd->onNotification = [&](const RecordedNotification& n) {
            if (n.code != static_cast<UINT>(code))
                return;
            hit.pt = GetCurrentMessagePoint();
            m_list->ScreenToClient(&hit.pt);
            m_list->SubItemHitTest(&hit);
        };
        if (kind == 0) {
            QTest::mouseClick(viewport(), Qt::LeftButton, {}, point);
        } else if (kind == 1) {
            QTest::mouseClick(viewport(), Qt::LeftButton, {}, point);
            QTest::mouseDClick(viewport(), Qt::LeftButton, {}, point);
        } else {
            QTest::mouseClick(viewport(), Qt::RightButton, {}, point);
        }
        const auto found = m_wnd->WithCode(static_cast<UINT>(code));
        QCOMPARE(found.size(), size_t(1));
        QCOMPARE(found[0].id, ListId);
        QCOMPARE(found[0].item, row);
        QCOMPARE(found[0].subItem, row >= 0 ? column : 0);
        QCOMPARE(found[0].point.x, point.x());
        QCOMPARE(found[0].point.y, point.y());
        QCOMPARE(hit.iItem, row);
        QCOMPARE(hit.flags, row >= 0 ? LVHT_ONITEMLABEL : LVHT_NOWHERE);
        if (row >= 0)
            QCOMPARE(hit.iSubItem, column);
        // A double-click is one click and one double-click, not two clicks.
        QCOMPARE(m_wnd->WithCode(NM_CLICK).size(), size_t(kind == 2 ? 0 : 1));
    }

    void selectionChangesReportOldAndNewStates()
    {
        m_list->SetItemState(1, LVIS_SELECTED, LVIS_SELECTED);
        auto changes = m_wnd->WithCode(LVN_ITEMCHANGED);
        QCOMPARE(changes.size(), size_t(1));
        QCOMPARE(changes[0].item, 1);
        QCOMPARE(changes[0].param, LPARAM(11));
        QVERIFY(changes[0].newState & LVIS_SELECTED);
        QVERIFY(!(changes[0].oldState & LVIS_SELECTED));

        // The user adds row 2 with Ctrl, then clicks row 0 alone.
        m_wnd->received.clear();
        QTest::mouseClick(viewport(), Qt::LeftButton, Qt::ControlModifier, CellCentre(2, 0));
        QCOMPARE(m_list->GetSelectedCount(), 2u);
        QCOMPARE(m_list->GetNextItem(-1, LVNI_SELECTED), 1);
        QCOMPARE(m_list->GetNextItem(1, LVNI_SELECTED), 2);
        QTest::mouseClick(viewport(), Qt::LeftButton, {}, CellCentre(0, 0));
        changes = m_wnd->WithCode(LVN_ITEMCHANGED);
        QCOMPARE(m_list->GetSelectedCount(), 1u);
        int deselected = 0;
        int selected = 0;
        for (const RecordedNotification& n : changes) {
            if ((n.oldState & LVIS_SELECTED) && !(n.newState & LVIS_SELECTED))
                ++deselected;
            if (!(n.oldState & LVIS_SELECTED) && (n.newState & LVIS_SELECTED))
                ++selected;
        }
        QCOMPARE(selected, 2); // row 2, then row 0
        QCOMPARE(deselected, 2); // rows 1 and 2
        QCOMPARE(changes.back().item, 0);

        // Deleting a selected row is no selection change.
        m_wnd->received.clear();
        m_list->DeleteItem(0);
        QVERIFY(m_wnd->WithCode(LVN_ITEMCHANGED).empty());
        m_list->SetItemState(-1, LVIS_SELECTED, LVIS_SELECTED);
        QCOMPARE(m_list->GetSelectedCount(), 2u);
    }

    void deletingManyRowsKeepsTheOthersAsOneByOne()
    {
        // Rows 10..17; 13 edited, 11 and 14 selected with it, the focus on 14;
        // 12, 13 and 14 go.
        for (int row = 3; row < 8; ++row) {
            m_list->InsertItem(row, "More");
            m_list->SetItemData(row, static_cast<DWORD_PTR>(10 + row));
        }
        m_widget->setFocus();
        m_list->EditLabel(3);
        m_list->SetItemState(1, LVIS_SELECTED, LVIS_SELECTED);
        m_list->SetItemState(4, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
        m_wnd->received.clear();
        QVERIFY(m_list->DeleteItems({4, 2, 3, 4}));
        // The edit of a deleted row is cancelled; deleting is no selection change.
        QVERIFY(!m_list->GetEditControl());
        QCOMPARE(m_wnd->WithCode(LVN_ENDLABELEDIT).size(), size_t(1));
        QVERIFY(!m_wnd->WithCode(LVN_ENDLABELEDIT)[0].hasText);
        QVERIFY(m_wnd->WithCode(LVN_ITEMCHANGED).empty());
        QCOMPARE(m_list->GetItemCount(), 5);
        std::vector<LPARAM> params;
        for (int row = 0; row < m_list->GetItemCount(); ++row)
            params.push_back(static_cast<LPARAM>(m_list->GetItemData(row)));
        QCOMPARE(params, (std::vector<LPARAM> {10, 11, 15, 16, 17}));
        QCOMPARE(m_list->GetItemText(2, 0), CString("More"));
        // Row 11 stays the only selected row; the focus moves up to it.
        QCOMPARE(m_list->GetSelectedCount(), 1u);
        QCOMPARE(m_list->GetNextItem(-1, LVNI_SELECTED), 1);
        QCOMPARE(m_list->GetNextItem(-1, LVNI_FOCUSED), 1);
        QCOMPARE(RowOf(*m_list, 16), 3);
        QCOMPARE(RowOf(*m_list, 13), -1);

        // The focus on the first row, deleted with the rows after it, moves to
        // the first row left below; a row that does not exist deletes nothing.
        m_list->SetItemState(0, LVIS_FOCUSED, LVIS_FOCUSED);
        QVERIFY_THROWS_EXCEPTION(CInvalidArgException, m_list->DeleteItems({0, 5}));
        QCOMPARE(m_list->GetItemCount(), 5);
        m_list->DeleteItems({0, 1});
        QCOMPARE(m_list->GetItemData(0), DWORD_PTR(15));
        QCOMPARE(m_list->GetNextItem(-1, LVNI_FOCUSED), 0);
        QCOMPARE(m_list->GetSelectedCount(), 0u);
        // The focused row 1 goes while row 0 stays: the focus moves up to row 0.
        m_list->SetItemState(0, LVIS_SELECTED, LVIS_SELECTED);
        m_list->SetItemState(1, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
        m_list->DeleteItems({1});
        QCOMPARE(m_list->GetNextItem(-1, LVNI_FOCUSED), 0);
    }

    void headerClickReportsTheColumn()
    {
        QHeaderView* header = m_widget->header();
        const QPoint dim(header->sectionViewportPosition(1) + 5, header->height() / 2);
        QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, dim);
        const auto clicks = m_wnd->WithCode(LVN_COLUMNCLICK);
        QCOMPARE(clicks.size(), size_t(1));
        QCOMPARE(clicks[0].item, -1);
        QCOMPARE(clicks[0].subItem, 1);
        // The header does not sort by itself: that is the parent's business.
        QCOMPARE(m_list->GetItemText(0, 0), CString("Temperatures"));
    }

    void draggingARowBeginsADragAndKeepsTheSelection()
    {
        m_list->SetItemState(0, LVIS_SELECTED, LVIS_SELECTED);
        m_list->SetItemState(2, LVIS_SELECTED, LVIS_SELECTED);
        const QPoint start = CellCentre(2, 0);
        QTest::mousePress(viewport(), Qt::LeftButton, {}, start);
        QTest::mouseMove(viewport(), start + QPoint(QApplication::startDragDistance() + 5, 0));
        QTest::mouseMove(viewport(), start + QPoint(QApplication::startDragDistance() + 25, 0));
        QTest::mouseRelease(viewport(), Qt::LeftButton, {}, start + QPoint(QApplication::startDragDistance() + 25, 0));
        const auto drags = m_wnd->WithCode(LVN_BEGINDRAG);
        QCOMPARE(drags.size(), size_t(1));
        QCOMPARE(drags[0].item, 2);
        QCOMPARE(drags[0].param, LPARAM(12));
        QCOMPARE(drags[0].point.x, start.x());
        QCOMPARE(m_list->GetSelectedCount(), 2u);
        QVERIFY(m_wnd->WithCode(NM_CLICK).empty());
    }

    void focusChangesAreReported()
    {
        m_wnd->GetDlgItemHandle(OtherId)->setFocus();
        QTRY_VERIFY(!m_widget->hasFocus());
        m_wnd->received.clear();
        m_widget->setFocus();
        QTRY_COMPARE(m_wnd->WithCode(NM_SETFOCUS).size(), size_t(1));
        m_wnd->GetDlgItemHandle(OtherId)->setFocus();
        QTRY_COMPARE(m_wnd->WithCode(NM_KILLFOCUS).size(), size_t(1));
        QCOMPARE(m_wnd->WithCode(NM_KILLFOCUS)[0].id, ListId);
    }

private:
    QPoint CellCentre(int row, int column) const
    {
        return m_widget->visualRect(m_widget->model()->index(row, column)).center();
    }
    QWidget* viewport() const { return m_widget->viewport(); }

    QWidget* m_form = nullptr;
    NotificationRecorder* m_wnd = nullptr;
    CListCtrl* m_list = nullptr;
    ListViewWidget* m_widget = nullptr;
};

PE_TEST_MAIN(ListCtrlTest)
#include "tst_listctrl.moc"
