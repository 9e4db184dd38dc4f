// The form's other controls as a person drives them: the tab control, the
// up-down control with its buddy edit, auto radio buttons, edit notifications
// and a bitmap push button, each made from a dialog template.

#include "notificationrecorder.h"
#include "support/projecttest.h"

#include "platform/controls/autoradiobutton.h"
#include "platform/controls/button.h"
#include "platform/controls/edit.h"
#include "platform/controls/listbox.h"
#include "platform/controls/listboxwidget.h"
#include "platform/controls/spinbuttonctrl.h"
#include "platform/controls/tabctrl.h"
#include "platform/controls/tabctrlwidget.h"
#include "platform/controls/updownwidget.h"
#include "platform/core/invalidarg.h"
#include "platform/core/resources.h"
#include "platform/drawing/bitmap.h"
#include "platform/windows/dialogtemplate.h"

#include <QLineEdit>
#include <QTabBar>
#include <QTest>
#include <QToolButton>

namespace {

constexpr DWORD Child = WS_CHILD | WS_VISIBLE;
constexpr DWORD AutoRadio = 0x0009;

const DialogTemplate& Form()
{
    static const DialogTemplate dialog {220, 160, "Sans Serif", 8,
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
            {1045, DialogControlKind::PushButton, "&Cancel", Child | WS_TABSTOP, 5, 125, 39, 14}}};
    return dialog;
}

// A 4 x 2 image: red on the left, grey on the right.
const char* const CrossXpm[] = {"4 2 2 1", "r c #800000", "g c #C0C0C0", "rrgg", "rrgg"};

} // namespace

class CommonControlsTest : public QObject {
    Q_OBJECT
private slots:
    void init()
    {
        m_form = new QWidget;
        m_wnd = new NotificationRecorder;
        m_wnd->Attach(m_form);
        CreateDialogControls(Form(), m_form);
        m_form->show();
        m_form->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(m_form));
        m_wnd->received.clear();
    }

    void cleanup()
    {
        delete m_form;
        delete m_wnd;
    }

    void tabChosenByTheUserIsReported()
    {
        CTabCtrl tabs;
        QVERIFY(tabs.SubclassDlgItem(1012, m_wnd));
        QCOMPARE(tabs.InsertItem(0, "Profiles"), 0);
        QCOMPARE(tabs.InsertItem(1, "Time settings"), 1);
        QCOMPARE(tabs.GetItemCount(), 2);
        QCOMPARE(tabs.GetCurSel(), 0);
        QCOMPARE(tabs.GetItemText(1), CString("Time settings"));
        // Selecting from code tells no one.
        QCOMPARE(tabs.SetCurSel(1), 0);
        QCOMPARE(tabs.SetCurSel(0), 1);
        QVERIFY(m_wnd->received.empty());

        int selectionSeen = -1;
        m_wnd->onNotification = [&](const RecordedNotification&) { selectionSeen = tabs.GetCurSel(); };
        QTabBar* bar = qobject_cast<TabCtrlWidget*>(tabs.GetSafeHwnd())->tabBar();
        QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(1).center());
        QCOMPARE(m_wnd->received.size(), size_t(1));
        QCOMPARE(m_wnd->received[0].message, WM_NOTIFY);
        QCOMPARE(m_wnd->received[0].id, 1012);
        QCOMPARE(m_wnd->received[0].code, TCN_SELCHANGE);
        QCOMPARE(selectionSeen, 1);
        // Clicking the selected tab again changes nothing.
        QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(1).center());
        QCOMPARE(m_wnd->received.size(), size_t(1));

        // Removing the page the form does not use leaves one tab and no notification.
        tabs.SetCurSel(0);
        QVERIFY(tabs.DeleteItem(1));
        QCOMPARE(tabs.GetItemCount(), 1);
        QCOMPARE(m_wnd->received.size(), size_t(1));

        // Indexes past the tabs are refused.
        QVERIFY_THROWS_EXCEPTION(CInvalidArgException, tabs.DeleteItem(1));
        QVERIFY_THROWS_EXCEPTION(CInvalidArgException, tabs.InsertItem(3, "Later"));
        QVERIFY_THROWS_EXCEPTION(CInvalidArgException, tabs.GetItemText(-1));
        QTest::ignoreMessage(QtWarningMsg, "SetCurSel: the tab control has no tab 4 (it has 1).");
        QCOMPARE(tabs.SetCurSel(4), -1);
        QCOMPARE(tabs.GetCurSel(), 0);
        QCOMPARE(tabs.GetItemCount(), 1);
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
    }

    void upDownStepsWithinItsRange()
    {
        QFETCH(QString, typed);
        QFETCH(QString, input);
        QFETCH(QString, shown);
        CSpinButtonCtrl spin;
        QVERIFY(spin.SubclassDlgItem(1041, m_wnd));
        QCOMPARE(spin.GetBuddy()->GetSafeHwnd(), Item(1039));
        spin.SetRange(1, 10000);
        QCOMPARE(spin.SetPos(0), 1); // the range moved the position to 1; 0 is brought back to 1
        auto* buddy = qobject_cast<QLineEdit*>(Item(1039));
        QCOMPARE(buddy->text(), QString("1"));
        if (!typed.isEmpty()) {
            buddy->setFocus();
            buddy->selectAll();
            QTest::keyClicks(buddy, typed);
        }
        auto* upDown = qobject_cast<UpDownWidget*>(spin.GetSafeHwnd());
        const auto buttons = upDown->findChildren<QToolButton*>();
        QCOMPARE(buttons.size(), 2);
        for (const QChar step : input) {
            if (step == 'U' || step == 'D') {
                QToolButton* button = buttons[step == 'U' ? 0 : 1];
                QTest::mouseClick(button, Qt::LeftButton);
            } else {
                buddy->setFocus();
                QTest::keyClick(buddy, step == 'u' ? Qt::Key_Up : Qt::Key_Down);
            }
        }
        QCOMPARE(buddy->text(), shown);
        QCOMPARE(spin.GetPos(), shown.toInt());
        spin.Detach();
    }

    void upDownSitsOnItsBuddysRightEdge()
    {
        const DialogBaseUnits base = DialogBaseUnitsOf(m_form->font());
        const RECT buddyArea = DialogUnitsToPixels(RECT {5, 85, 42, 97}, base);
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
        QVERIFY(qobject_cast<AutoRadioButton*>(Item(1024)));
        m_wnd->CheckDlgButton(1001, BST_CHECKED);
        QTest::mouseClick(Item(1025), Qt::LeftButton);
        QCOMPARE(m_wnd->IsDlgButtonChecked(1025), BST_CHECKED);
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
        // The handler sees the state the click left, as the time-mode commands do.
        UINT seen = 99;
        m_wnd->onNotification = [&](const RecordedNotification& n) { seen = m_wnd->IsDlgButtonChecked(n.id); };
        QTest::mouseClick(Item(1024), Qt::LeftButton);
        QCOMPARE(seen, BST_CHECKED);

        m_wnd->CheckDlgButton(1026, BST_CHECKED);
        QCOMPARE(m_wnd->IsDlgButtonChecked(1024), BST_CHECKED);
        QCOMPARE(m_wnd->IsDlgButtonChecked(1026), BST_CHECKED);
        CButton radio;
        radio.SubclassDlgItem(1025, m_wnd);
        radio.SetCheck(BST_CHECKED);
        QCOMPARE(radio.GetCheck(), BST_CHECKED);
        QCOMPARE(m_wnd->IsDlgButtonChecked(1024), BST_CHECKED);
        radio.Detach();

        // A whole group may be left unchecked, as a reload does before checking one.
        for (int id : {1024, 1025, 1026, 1001, 1002})
            m_wnd->CheckDlgButton(id, BST_UNCHECKED);
        for (int id : {1024, 1025, 1026, 1001, 1002})
            QCOMPARE(m_wnd->IsDlgButtonChecked(id), BST_UNCHECKED);
        QCOMPARE(m_wnd->WithCode(BN_CLICKED).size(), size_t(1)); // the program's checks are no clicks

        QTest::ignoreMessage(QtWarningMsg, "CheckDlgButton: button 1045 cannot be checked.");
        m_wnd->CheckDlgButton(1045, BST_CHECKED);
        QCOMPARE(m_wnd->IsDlgButtonChecked(1045), BST_UNCHECKED);
        QTest::ignoreMessage(QtWarningMsg, "IsDlgButtonChecked: there is no button 1028.");
        QCOMPARE(m_wnd->IsDlgButtonChecked(1028), BST_UNCHECKED);
    }

    void editReportsChangesAndFocusLoss()
    {
        QWidget* start = Item(1028);
        start->setFocus();
        QTRY_VERIFY(start->hasFocus());
        QTest::keyClicks(start, "2,5");
        CWnd::FromHandle(start)->SetWindowText("0.0");
        auto changes = m_wnd->WithCode(EN_CHANGE);
        QCOMPARE(changes.size(), size_t(4)); // three keys and the program's text
        QCOMPARE(changes[0].id, 1028);
        QCOMPARE(changes[0].message, WM_COMMAND);

        // When the focus leaves for Cancel, the parent can see where it went.
        QTest::mouseClick(Item(1045), Qt::LeftButton);
        const auto losses = m_wnd->WithCode(EN_KILLFOCUS);
        QCOMPARE(losses.size(), size_t(1));
        QCOMPARE(losses[0].id, 1028);
        QCOMPARE(losses[0].focus, Item(1045));
        QCOMPARE(m_wnd->received.back().code, BN_CLICKED); // the loss comes before the click
    }

    void numberEditTakesDigitsOnly()
    {
        QWidget* points = Item(1039);
        points->setFocus();
        QTest::keyClick(points, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(points, "1a2.3-");
        QCOMPARE(qobject_cast<QLineEdit*>(points)->text(), QString("123"));
    }

    void bitmapButtonShowsItsBitmapAndReportsClicks()
    {
        ResourceModule module("controls test");
        module.AddBitmap(136, CrossXpm);
        CButton clear;
        QVERIFY(clear.SubclassDlgItem(1048, m_wnd));
        const QPixmap bitmap = LoadImageBitmap(&module, 136, LR_DEFAULTCOLOR);
        QVERIFY(!bitmap.isNull());
        QVERIFY(clear.SetBitmap(bitmap).isNull());
        QCOMPARE(clear.GetBitmap().size(), QSize(4, 2));
        auto* button = qobject_cast<QAbstractButton*>(Item(1048));
        QCOMPARE(button->iconSize(), QSize(4, 2));
        QVERIFY(button->text().isEmpty());
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

        QTest::mouseClick(button, Qt::LeftButton);
        QCOMPARE(m_wnd->WithCode(BN_CLICKED).size(), size_t(1));
        QCOMPARE(m_wnd->WithCode(BN_CLICKED)[0].id, 1048);
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

private:
    QWidget* Item(int id) const { return m_wnd->GetDlgItemHandle(id); }

    QWidget* m_form = nullptr;
    NotificationRecorder* m_wnd = nullptr;
};

PE_TEST_MAIN(CommonControlsTest)
#include "tst_commoncontrols.moc"
