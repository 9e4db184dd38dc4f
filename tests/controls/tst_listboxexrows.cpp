// The row operations of an editable list as a person reaches them (clicks,
// Delete, Alt+arrows, the strip's commands) and what each does to the view:
// a profile-variables list keeps the current profile's variables equal to its
// rows, a plot list takes the plotted role away only when an entry goes.

#include "listboxextestview.h"

#include "platform/messagebox.h"

class ListBoxExRowsTest : public QObject {
    Q_OBJECT
private slots:
    void deleteRemovesTheClickedRow_data();
    void deleteRemovesTheClickedRow();
    void deleteActsOnTheRowTheKeyboardMovedTo();
    void altArrowsMoveTheSelectedRow_data();
    void altArrowsMoveTheSelectedRow();
    void stripCommandsKeepTheProfileInStep();
    void plotListRemovalTakesTheRoleFromTheRemovedEntry();
    void plotListMovesAndEditsKeepTheRole();
    void outOfRangeIndexIsReportedAndChangesNothing_data();
    void outOfRangeIndexIsReportedAndChangesNothing();
};

namespace {

const QStringList Abc {"a", "b", "c"};

} // namespace

void ListBoxExRowsTest::deleteRemovesTheClickedRow_data()
{
    QTest::addColumn<QStringList>("rows");
    QTest::addColumn<int>("clicked");
    QTest::addColumn<QStringList>("expected");
    QTest::addColumn<int>("selected");

    QTest::newRow("middle row: the next row is selected") << Abc << 1 << QStringList {"a", "c"} << 1;
    QTest::newRow("last row: the new last row is selected") << Abc << 2 << QStringList {"a", "b"} << 1;
    QTest::newRow("only row: nothing is left to select") << QStringList {"a"} << 0 << QStringList {} << -1;
}

void ListBoxExRowsTest::deleteRemovesTheClickedRow()
{
    QFETCH(QStringList, rows);
    QFETCH(int, clicked);
    QFETCH(QStringList, expected);
    QFETCH(int, selected);
    ListForm<> f(ListBoxExRole::ProfileVariables, rows);
    QVERIFY(f.Ready());
    f.Click(clicked);
    QCOMPARE(f.list.GetCurrentIndex(), clicked);
    f.Key(Qt::Key_Delete);
    QCOMPARE(f.Rows(), expected);
    QCOMPARE(f.Variables(), expected);
    QCOMPARE(f.list.GetCurSel(), selected);
    QCOMPARE(f.list.GetCurrentIndex(), selected);
}

void ListBoxExRowsTest::deleteActsOnTheRowTheKeyboardMovedTo()
{
    ListForm<> f(ListBoxExRole::ProfileVariables, Abc);
    QVERIFY(f.Ready());
    f.Click(0);
    f.Key(Qt::Key_Down);
    QCOMPARE(f.list.GetCurSel(), 1);
    f.Key(Qt::Key_Delete);
    QCOMPARE(f.Rows(), (QStringList {"a", "c"}));
    QCOMPARE(f.Variables(), (QStringList {"a", "c"}));
}

void ListBoxExRowsTest::altArrowsMoveTheSelectedRow_data()
{
    QTest::addColumn<int>("selected"); // -1: nothing selected
    QTest::addColumn<int>("key");
    QTest::addColumn<QStringList>("expected");
    QTest::addColumn<int>("selectedAfter");

    QTest::newRow("Alt+Up on the middle row") << 1 << int(Qt::Key_Up) << QStringList {"b", "a", "c"} << 0;
    QTest::newRow("Alt+Left on the last row") << 2 << int(Qt::Key_Left) << QStringList {"a", "c", "b"} << 1;
    QTest::newRow("Alt+Down on the first row") << 0 << int(Qt::Key_Down) << QStringList {"b", "a", "c"} << 1;
    QTest::newRow("Alt+Right on the middle row") << 1 << int(Qt::Key_Right) << QStringList {"a", "c", "b"} << 2;
    QTest::newRow("Alt+Up on the first row: nothing") << 0 << int(Qt::Key_Up) << Abc << 0;
    QTest::newRow("Alt+Down on the last row: nothing") << 2 << int(Qt::Key_Down) << Abc << 2;
    QTest::newRow("Alt+Down with no selection: nothing") << -1 << int(Qt::Key_Down) << Abc << -1;
}

void ListBoxExRowsTest::altArrowsMoveTheSelectedRow()
{
    QFETCH(int, selected);
    QFETCH(int, key);
    QFETCH(QStringList, expected);
    QFETCH(int, selectedAfter);
    ListForm<> f(ListBoxExRole::ProfileVariables, Abc);
    QVERIFY(f.Ready());
    f.Click(selected == -1 ? 0 : selected);
    if (selected == -1)
        f.list.SetCurSel(-1);
    f.Key(static_cast<Qt::Key>(key), Qt::AltModifier);
    QCOMPARE(f.Rows(), expected);
    QCOMPARE(f.Variables(), expected);
    QCOMPARE(f.list.GetCurSel(), selectedAfter);
    // The row data travels with its row.
    QCOMPARE(f.RowsByData(), expected);
}

void ListBoxExRowsTest::stripCommandsKeepTheProfileInStep()
{
    ListForm<> f(ListBoxExRole::ProfileVariables, QStringList {"a", "b", "c", "d"});
    QVERIFY(f.Ready());
    f.list.SetCurSel(1);
    f.list.ButtonStripCommand(3); // down
    QCOMPARE(f.Rows(), (QStringList {"a", "c", "b", "d"}));
    QCOMPARE(f.Variables(), f.Rows());
    f.list.ButtonStripCommand(2); // up again
    f.list.ButtonStripCommand(2); // and once more
    QCOMPARE(f.Rows(), (QStringList {"b", "a", "c", "d"}));
    QCOMPARE(f.Variables(), f.Rows());
    f.list.ButtonStripCommand(1); // remove
    QCOMPARE(f.Rows(), (QStringList {"a", "c", "d"}));
    QCOMPARE(f.Variables(), f.Rows());
    f.list.InsertItem(1, "x");
    f.list.AddItem("y");
    f.list.SetCurSel(0);
    f.list.SetItemText(0, "z");
    QCOMPARE(f.Rows(), (QStringList {"z", "x", "c", "d", "y"}));
    QCOMPARE(f.Variables(), f.Rows());
    // A replaced row keeps its selection.
    QCOMPARE(f.list.GetCurSel(), 0);
}

void ListBoxExRowsTest::plotListRemovalTakesTheRoleFromTheRemovedEntry()
{
    ListForm<> f(ListBoxExRole::PlotList, Abc);
    QVERIFY(f.Ready());
    f.Click(2);
    // The selection moved away from the clicked entry without the keyboard.
    f.list.SetCurSel(0);
    f.Key(Qt::Key_Delete);
    QCOMPARE(f.Rows(), (QStringList {"a", "b"}));
    QCOMPARE(f.view.commands.size(), size_t(1));
    QCOMPARE(f.view.commands[0].button, 0);
    QCOMPARE(f.view.commands[0].stripId, UINT(1018));
    // When the view acted, the entry going away was the selected one.
    QCOMPARE(f.view.commands[0].plotSelection, 2);
}

void ListBoxExRowsTest::plotListMovesAndEditsKeepTheRole()
{
    ListForm<> f(ListBoxExRole::PlotList, Abc);
    QVERIFY(f.Ready());
    f.Click(0);
    f.Key(Qt::Key_Down, Qt::AltModifier);
    f.list.ButtonStripCommand(3);
    f.list.SetItemText(0, "renamed");
    QCOMPARE(f.Rows(), (QStringList {"renamed", "c", "a"}));
    QCOMPARE(f.list.GetItemData(2), DWORD_PTR(11));
    QCOMPARE(f.list.GetItemData(0), DWORD_PTR(12));
    QVERIFY(f.view.commands.empty());
}

void ListBoxExRowsTest::outOfRangeIndexIsReportedAndChangesNothing_data()
{
    QTest::addColumn<QString>("how");
    QTest::newRow("Delete with a clicked row that went away") << "stale current index";
    QTest::newRow("Delete of a row the profile does not have") << "short profile";
    QTest::newRow("the view inserts past the end") << "insert past the end";
}

void ListBoxExRowsTest::outOfRangeIndexIsReportedAndChangesNothing()
{
    QFETCH(QString, how);
    ScriptedMessageBoxResponder boxes;
    ListForm<> f(ListBoxExRole::ProfileVariables, QStringList {"a", "b", "c", "d"});
    QVERIFY(f.Ready());
    QStringList rows = f.Rows();
    QStringList variables = f.Variables();
    bool thrown = false;
    if (how == "stale current index") {
        f.Click(3);
        f.list.DeleteString(3); // the view takes rows away behind the list's back
        f.list.DeleteString(2);
        rows = f.Rows();
        f.Key(Qt::Key_Delete);
    } else if (how == "short profile") {
        f.profile.variables.RemoveAt(3);
        variables = f.Variables();
        f.Click(3);
        f.Key(Qt::Key_Delete);
    } else {
        try {
            f.list.InsertItem(5, "x");
        } catch (const CInvalidArgException&) {
            thrown = true;
        }
        QVERIFY2(thrown, "the caller learns of the error");
    }
    QCOMPARE(f.Rows(), rows);
    QCOMPARE(f.Variables(), variables);
    if (!thrown) {
        QCOMPARE(boxes.boxes().size(), size_t(1));
        const ScriptedMessageBoxResponder::Box& box = boxes.boxes().front();
        QCOMPARE(box.title, CString("Profile Editor"));
        QCOMPARE(box.style, MB_OK | MB_ICONEXCLAMATION);
        QCOMPARE(box.owner, f.form.get());
        QVERIFY2(box.text.Find("no row 3") >= 0 || box.text.Find("no variable 3") >= 0, box.text.GetString());
    }
}

QTEST_MAIN(ListBoxExRowsTest)
#include "tst_listboxexrows.moc"
