// The form's controls as a person drives them, each made from a dialog
// template: the report list view (rows with parameters, sorting by a comparison
// that looks rows up by parameter, label editing, and the notifications that
// clicks, keys, drags and focus changes send the parent), the tab control, the
// up-down control with its buddy edit, auto radio buttons and a bitmap push
// button; and the template's dialog units, ids, geometry and styles. (The
// edits' focus-loss reports are the time-editing tests'.)

#include "notificationrecorder.h"
#include "support/projecttest.h"

#include "platform/controls/autoradiobutton.h"
#include "platform/controls/button.h"
#include "platform/controls/edit.h"
#include "platform/controls/listbox.h"
#include "platform/controls/listboxwidget.h"
#include "platform/controls/listctrl.h"
#include "platform/controls/listviewwidget.h"
#include "platform/controls/spinbuttonctrl.h"
#include "platform/controls/tabctrl.h"
#include "platform/controls/updownwidget.h"
#include "platform/core/invalidarg.h"
#include "platform/core/resources.h"
#include "platform/drawing/bitmap.h"
#include "platform/windows/dialogtemplate.h"

#include <QLineEdit>
#include <QTest>
#include <QToolButton>

#include <cstring>
#include <functional>

namespace {

constexpr DWORD Child = WS_CHILD | WS_VISIBLE;
constexpr int ListId = 1006;
constexpr int OtherId = 1028;
constexpr DWORD AutoRadio = 0x0009;

const DialogTemplate& Form()
{
    static const DialogTemplate dialog {380, 160, "Sans Serif", 8,
        {{1012, DialogControlKind::TabControl, "Tab1", Child, 100, 5, 110, 150},
            {1024, DialogControlKind::AutoRadioButton, "Continuous &update", Child | AutoRadio | WS_GROUP, 5, 5, 80,
                12},
            {1025, DialogControlKind::AutoRadioButton, "Specify times", Child | AutoRadio, 5, 20, 80, 12},
            {1026, DialogControlKind::AutoRadioButton, "Specify &interval", Child | AutoRadio, 5, 35, 80, 12},
            {1001, DialogControlKind::AutoRadioButton, "&2d plot", Child | AutoRadio | WS_GROUP, 5, 50, 40, 10},
            {1002, DialogControlKind::AutoRadioButton, "&3d plot", Child | AutoRadio, 50, 50, 40, 10},
            {1028, DialogControlKind::Edit, "", Child | WS_TABSTOP | WS_BORDER | WS_GROUP, 5, 65, 50, 12},
            {1039, DialogControlKind::Edit, "", Child | WS_TABSTOP | WS_BORDER | ES_NUMBER, 5, 85, 37, 12},
            {1041, DialogControlKind::UpDown, "Spin1",
                Child | UDS_SETBUDDYINT | UDS_ALIGNRIGHT | UDS_AUTOBUDDY | UDS_ARROWKEYS | UDS_NOTHOUSANDS, 37, 85, 8,
                14},
            {1048, DialogControlKind::BitmapButton, "", Child | WS_TABSTOP | BS_BITMAP, 5, 105, 12, 13},
            {1045, DialogControlKind::PushButton, "&Cancel", Child | WS_TABSTOP, 5, 125, 39, 14},
            {1040, DialogControlKind::Static, "&Max.", Child | WS_DISABLED, 50, 125, 20, 8},
            {ListId, DialogControlKind::ListView, "List2",
                Child | WS_TABSTOP | WS_BORDER | LVS_REPORT | LVS_SHOWSELALWAYS | LVS_EDITLABELS, 220, 5, 150, 100}}};
    return dialog;
}

// A 4 x 2 image: red on the left, grey on the right.
const char* const CrossXpm[] = {"4 2 2 1", "r c #800000", "g c #C0C0C0", "rrgg", "rrgg"};

// The row whose parameter is `param`, searching after row `after`.
int RowOf(const CListCtrl& list, LPARAM param, int after = -1)
{
    LVFINDINFO find;
    find.flags = LVFI_PARAM;
    find.lParam = param;
    return list.FindItem(&find, after);
}

// The editor's way of sorting: find both rows by parameter, compare their
// names byte-wise. (The directions and columns are the profile list tests'.)
int CompareNames(LPARAM first, LPARAM second, LPARAM list)
{
    const auto* rows = reinterpret_cast<const CListCtrl*>(list);
    return std::strcmp(rows->GetItemText(RowOf(*rows, first), 0), rows->GetItemText(RowOf(*rows, second), 0));
}

} // namespace

class CommonControlsTest : public QObject {
    Q_OBJECT
private slots:
    void init()
    {
        m_form = new QWidget;
        m_wnd = new NotificationRecorder;
        m_wnd->Attach(m_form);
        m_formSize = CreateDialogControls(Form(), m_form);
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

    void tabsChangedFromCodeTellNoOne()
    {
        CTabCtrl tabs;
        QVERIFY(tabs.SubclassDlgItem(1012, m_wnd));
        QCOMPARE(tabs.InsertItem(0, "Profiles"), 0);
        QCOMPARE(tabs.InsertItem(1, "Time settings"), 1);
        // Selecting from code tells no one (a click does: the editor's page tests
        // follow it), nor does removing the page the form does not use.
        QCOMPARE(tabs.SetCurSel(1), 0);
        QCOMPARE(tabs.SetCurSel(0), 1);
        QVERIFY(tabs.DeleteItem(1));
        QVERIFY(m_wnd->received.empty());

        // Indexes past the tabs are refused.
        QVERIFY_THROWS_EXCEPTION(CInvalidArgException, tabs.DeleteItem(1));
        QVERIFY_THROWS_EXCEPTION(CInvalidArgException, tabs.InsertItem(3, "Later"));
        QVERIFY_THROWS_EXCEPTION(CInvalidArgException, tabs.GetItemText(-1));
        QTest::ignoreMessage(QtWarningMsg, "SetCurSel: the tab control has no tab 4 (it has 1).");
        QCOMPARE(tabs.SetCurSel(4), -1);
        QCOMPARE(tabs.GetCurSel(), 0);
        tabs.Detach();
    }

    void upDownStepsWithinItsRange_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("input"); // U: up arrow button, D: down arrow button, u/d: Up/Down key in the buddy
        QTest::addColumn<QString>("shown");
        const auto row = [](const char* name, const char* typed, const char* input, const char* shown) {
            QTest::newRow(name) << QString(typed) << QString(input) << QString(shown);
        };
        row("up from the start", "", "UU", "3");
        row("down stops at the lower end", "", "DDd", "1");
        row("keys in the buddy", "41", "uuud", "43");
        row("up stops at the upper end, no separators", "9999", "UUu", "10000");
        row("typed past the end is brought back first", "20000", "d", "9999");
        row("the buddy takes digits only", "1a2.3-", "", "123");
    }

    void upDownStepsWithinItsRange()
    {
        QFETCH(QString, typed);
        QFETCH(QString, input);
        QFETCH(QString, shown);
        CSpinButtonCtrl spin;
        QVERIFY(spin.SubclassDlgItem(1041, m_wnd));
        spin.SetRange(1, 10000);
        QCOMPARE(spin.SetPos(0), 1); // the range moved the position to 1; 0 is brought back to 1
        auto* buddy = qobject_cast<QLineEdit*>(Item(1039));
        if (!typed.isEmpty()) {
            buddy->setFocus();
            buddy->selectAll();
            QTest::keyClicks(buddy, typed);
        }
        auto* upDown = qobject_cast<UpDownWidget*>(spin.GetSafeHwnd());
        const auto buttons = upDown->findChildren<QToolButton*>();
        for (const QChar step : input) {
            if (step == 'U' || step == 'D') {
                QTest::mouseClick(buttons[step == 'U' ? 0 : 1], Qt::LeftButton);
            } else {
                buddy->setFocus();
                QTest::keyClick(buddy, step == 'u' ? Qt::Key_Up : Qt::Key_Down);
            }
        }
        QCOMPARE(buddy->text(), shown);
        QCOMPARE(spin.GetPos(), shown.toInt());
        spin.Detach();
    }

    void dialogUnitsScaleByTheFontsBaseUnits()
    {
        const RECT r = DialogUnitsToPixels(RECT {4, 8, 328, 249}, DialogBaseUnits {6, 13});
        QCOMPARE(r.left, 6);
        QCOMPARE(r.top, 13);
        QCOMPARE(r.right, 492);
        QCOMPARE(r.bottom, 405); // 249 * 13 / 8 = 404.6, rounded
        QCOMPARE(m_formSize.cx, DialogUnitsToPixels(RECT {0, 0, 380, 160}, DialogBaseUnitsOf(m_form->font())).right);
        QVERIFY(!Item(1040)->isEnabled());
        QCOMPARE(CWnd::FromHandle(Item(1045))->GetWindowText(), CString("&Cancel"));

        // The up-down control sits on its buddy's right edge.
        const RECT buddyArea = DialogUnitsToPixels(RECT {5, 85, 42, 97}, DialogBaseUnitsOf(m_form->font()));
        const QRect buddy = Item(1039)->geometry();
        const QRect upDown = Item(1041)->geometry();
        QCOMPARE(buddy.left(), buddyArea.left);
        QCOMPARE(upDown.left() + upDown.width(), buddyArea.right);
        QCOMPARE(buddy.left() + buddy.width(), upDown.left());
        QCOMPARE(upDown.top(), buddy.top());
        QCOMPARE(upDown.height(), buddy.height());
    }

    void autoRadioChecksItselfAndUnchecksItsGroup()
    {
        m_wnd->CheckDlgButton(1001, BST_CHECKED);
        QTest::mouseClick(Item(1025), Qt::LeftButton);
        QTest::mouseClick(Item(1026), Qt::LeftButton);
        QCOMPARE(m_wnd->IsDlgButtonChecked(1025), BST_UNCHECKED);
        QCOMPARE(m_wnd->IsDlgButtonChecked(1026), BST_CHECKED);
        // Clicking the checked radio keeps it checked; the other group is untouched.
        QTest::mouseClick(Item(1026), Qt::LeftButton);
        QCOMPARE(m_wnd->IsDlgButtonChecked(1026), BST_CHECKED);
        QCOMPARE(m_wnd->IsDlgButtonChecked(1001), BST_CHECKED);

        std::vector<int> clicked;
        for (const RecordedNotification& n : m_wnd->WithCode(BN_CLICKED))
            clicked.push_back(n.id);
        QCOMPARE(clicked, (std::vector<int> {1025, 1026, 1026}));
    }

    void checkingFromCodeUnchecksNothing()
    {
        // (That a click's handler sees the state the click left is the editor's
        // time-mode tests': its time-mode commands read it.)
        m_wnd->CheckDlgButton(1024, BST_CHECKED);
        m_wnd->CheckDlgButton(1026, BST_CHECKED);
        QCOMPARE(m_wnd->IsDlgButtonChecked(1024), BST_CHECKED);
        CButton radio;
        radio.SubclassDlgItem(1025, m_wnd);
        radio.SetCheck(BST_CHECKED);
        QCOMPARE(m_wnd->IsDlgButtonChecked(1024), BST_CHECKED);
        radio.Detach();

        // A whole group may be left unchecked, as a reload does before checking one.
        for (int id : {1024, 1025, 1026, 1001, 1002})
            m_wnd->CheckDlgButton(id, BST_UNCHECKED);
        for (int id : {1024, 1025, 1026, 1001, 1002})
            QCOMPARE(m_wnd->IsDlgButtonChecked(id), BST_UNCHECKED);
        QVERIFY(m_wnd->WithCode(BN_CLICKED).empty()); // the program's checks are no clicks

        QTest::ignoreMessage(QtWarningMsg, "CheckDlgButton: button 1045 cannot be checked.");
        m_wnd->CheckDlgButton(1045, BST_CHECKED);
        QCOMPARE(m_wnd->IsDlgButtonChecked(1045), BST_UNCHECKED);
        QTest::ignoreMessage(QtWarningMsg, "IsDlgButtonChecked: there is no button 1028.");
        QCOMPARE(m_wnd->IsDlgButtonChecked(1028), BST_UNCHECKED);
    }

    void bitmapButtonShowsItsBitmap()
    {
        ResourceModule module("controls test");
        module.AddBitmap(136, CrossXpm);
        CButton clear;
        QVERIFY(clear.SubclassDlgItem(1048, m_wnd));
        const QPixmap bitmap = LoadImageBitmap(&module, 136, LR_DEFAULTCOLOR);
        QVERIFY(clear.SetBitmap(bitmap).isNull());
        auto* button = qobject_cast<QAbstractButton*>(Item(1048));
        QCOMPARE(button->iconSize(), QSize(4, 2));
        // The bitmap is what the button shows: its red half is on screen.
        const QImage shown = button->grab().toImage();
        bool red = false;
        for (int y = 0; y < shown.height() && !red; ++y) {
            for (int x = 0; x < shown.width() && !red; ++x)
                red = shown.pixelColor(x, y) == QColor(0x80, 0, 0);
        }
        QVERIFY(red);

        QTest::ignoreMessage(QtWarningMsg, "SetBitmap: button 1048 was given an empty bitmap; it keeps its image.");
        QCOMPARE(clear.SetBitmap(QPixmap()).size(), QSize(4, 2));
        QCOMPARE(clear.GetBitmap().size(), QSize(4, 2));
        clear.Detach();
    }

    void listBoxShowsItsRowsNarrowText()
    {
        auto* widget = new ListBoxWidget(Child | WS_VSCROLL, 0, m_form);
        CListBox list;
        QVERIFY(list.SubclassWindow(widget));
        const QByteArray name("Dr\303\274cke");
        list.AddString(name.constData());
        list.SetItemData(0, 7);
        list.InsertString(0, "T(1)");
        // The row shows its text converted, and gives it back byte for byte.
        QCOMPARE(widget->item(0)->text(), QStringLiteral("T(1)"));
        QCOMPARE(widget->item(1)->text(), QString::fromLocal8Bit(name));
        QCOMPARE(QByteArray(list.GetText(1).GetString()), name);
        QCOMPARE(list.GetItemData(1), DWORD_PTR(7));
    }

    void rowsKeepTextAndParameters()
    {
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
        QVERIFY(m_list->SortItems(&CompareNames, reinterpret_cast<LPARAM>(m_list)));
        QCOMPARE(m_list->GetItemText(0, 0), CString("Flows"));
        QCOMPARE(m_list->GetItemText(0, 1), CString("2 D")); // cells move with their row
        QCOMPARE(m_list->GetItemText(1, 0), CString("Pressures"));
        QCOMPARE(m_list->GetItemData(2), DWORD_PTR(10));
        QCOMPARE(m_list->GetNextItem(-1, LVNI_SELECTED), 2);
        QCOMPARE(RowOf(*m_list, 10), 2);
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

    // Insert, Delete and Ctrl+D reach the editor's handlers in the profile list tests.
    void keysArriveAsKeyDownAndEditNoLabelByThemselves()
    {
        m_widget->setFocus();
        QTest::keyClick(m_widget, Qt::Key_F2);
        const auto keys = m_wnd->WithCode(LVN_KEYDOWN);
        QCOMPARE(keys.size(), size_t(1));
        QCOMPARE(int(keys[0].key), int(VK_F2));
        QVERIFY(!keys[0].controlDown);
        QVERIFY(!m_list->GetEditControl());
    }

    void clicksReportRowColumnAndPosition_data()
    {
        // Double-clicks elsewhere and right clicks reach the editor's handlers in the profile list tests.
        QTest::addColumn<bool>("twice"); // a double-click
        QTest::addColumn<int>("row");
        QTest::addColumn<int>("column");
        QTest::addColumn<int>("code");
        QTest::newRow("click on a name") << false << 1 << 0 << int(NM_CLICK);
        QTest::newRow("click below the rows") << false << -1 << 0 << int(NM_CLICK);
        QTest::newRow("double-click on Dim.") << true << 2 << 1 << int(NM_DBLCLK);
    }

    void clicksReportRowColumnAndPosition()
    {
        QFETCH(bool, twice);
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
        QTest::mouseClick(viewport(), Qt::LeftButton, {}, point);
        if (twice)
            QTest::mouseDClick(viewport(), Qt::LeftButton, {}, point);
        const auto found = m_wnd->WithCode(static_cast<UINT>(code));
        QCOMPARE(found.size(), size_t(1));
        QCOMPARE(found[0].item, row);
        QCOMPARE(found[0].subItem, row >= 0 ? column : 0);
        QCOMPARE(found[0].point.x, point.x());
        QCOMPARE(found[0].point.y, point.y());
        QCOMPARE(hit.iItem, row);
        QCOMPARE(hit.flags, row >= 0 ? LVHT_ONITEMLABEL : LVHT_NOWHERE);
        if (row >= 0)
            QCOMPARE(hit.iSubItem, column);
        // A double-click is one click and one double-click, not two clicks.
        QCOMPARE(m_wnd->WithCode(NM_CLICK).size(), size_t(1));
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

        // Clicks' selection changes reach the editor's current profile in the random editor test.
        // Deleting a selected row is no selection change.
        m_wnd->received.clear();
        m_list->DeleteItem(0);
        QVERIFY(m_wnd->WithCode(LVN_ITEMCHANGED).empty());
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
        std::vector<LPARAM> params;
        for (int row = 0; row < m_list->GetItemCount(); ++row)
            params.push_back(static_cast<LPARAM>(m_list->GetItemData(row)));
        QCOMPARE(params, (std::vector<LPARAM> {10, 11, 15, 16, 17}));
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
    QWidget* Item(int id) const { return m_wnd->GetDlgItemHandle(id); }

    QPoint CellCentre(int row, int column) const
    {
        return m_widget->visualRect(m_widget->model()->index(row, column)).center();
    }
    QWidget* viewport() const { return m_widget->viewport(); }

    QWidget* m_form = nullptr;
    SIZE m_formSize {};
    NotificationRecorder* m_wnd = nullptr;
    CListCtrl* m_list = nullptr;
    ListViewWidget* m_widget = nullptr;
};

PE_TEST_MAIN(CommonControlsTest)
#include "tst_commoncontrols.moc"
