// The row operations of an editable list as a person reaches them (clicks,
// Delete, Alt+arrows, the strip's commands) and what each does to the view:
// a profile-variables list keeps the current profile's variables equal to its
// rows, a plot list takes the plotted role away only when an entry goes.

#include "listboxextestview.h"
#include "support/projecttest.h"

#include "controls/listboxexbuddy.h"
#include "platform/core/invalidarg.h"
#include "support/scriptedmessageboxresponder.h"

#include <QHash>
#include <QRandomGenerator>

const QStringList Abc {"a", "b", "c"};

namespace {

// The rows without a running drag's sentinel, which is last and empty.
QStringList RealRows(ListForm<>& f)
{
    QStringList rows = f.Rows();
    if (f.list.IsDragging() && !rows.isEmpty() && rows.last().isEmpty())
        rows.removeLast();
    return rows;
}

} // namespace

class ListBoxExRowsTest : public QObject {
    Q_OBJECT
private slots:
    void deleteActsOnTheRowTheUserSeesSelected_data()
    {
        QTest::addColumn<int>("clicked"); // -1: the list has the focus, no row selected
        QTest::addColumn<QString>("action");
        QTest::addColumn<QStringList>("afterAction");
        QTest::addColumn<int>("selectedAfter");
        const QStringList abcd {"a", "b", "c", "d"};
        const QStringList moved {"a", "c", "b", "d"};
        QTest::newRow("clicked middle row") << 1 << "" << abcd << 1;
        QTest::newRow("clicked last row") << 3 << "" << abcd << 3;
        QTest::newRow("strip Move Up") << 2 << "strip up" << moved << 1;
        QTest::newRow("strip Move Down") << 1 << "strip down" << moved << 2;
        QTest::newRow("Alt+Up") << 2 << "alt up" << moved << 1;
        QTest::newRow("Alt+Down") << 1 << "alt down" << moved << 2;
        QTest::newRow("Alt+Left") << 2 << "alt left" << moved << 1;
        QTest::newRow("Alt+Right") << 1 << "alt right" << moved << 2;
        QTest::newRow("Alt+Up on the first row: nothing") << 0 << "alt up" << abcd << 0;
        QTest::newRow("Alt+Down on the last row: nothing") << 3 << "alt down" << abcd << 3;
        QTest::newRow("Alt+Down with no row selected: nothing") << -1 << "alt down" << abcd << -1;
        QTest::newRow("F2, new text, Enter") << 1 << "edit" << QStringList {"a", "x", "c", "d"} << 1;
    }

    void deleteActsOnTheRowTheUserSeesSelected()
    {
        QFETCH(int, clicked);
        QFETCH(QString, action);
        QFETCH(QStringList, afterAction);
        QFETCH(int, selectedAfter);
        ListForm<> f(ListBoxExRole::ProfileVariables, QStringList {"a", "b", "c", "d"});
        if (clicked >= 0)
            f.Click(clicked);
        else
            f.list.SetFocus();
        const QHash<QString, Qt::Key> altKeys {{"alt up", Qt::Key_Up}, {"alt down", Qt::Key_Down},
            {"alt left", Qt::Key_Left}, {"alt right", Qt::Key_Right}};
        if (action == "strip up")
            f.list.ButtonStripCommand(2);
        else if (action == "strip down")
            f.list.ButtonStripCommand(3);
        else if (altKeys.contains(action))
            f.Key(altKeys[action], Qt::AltModifier);
        else if (action == "edit") {
            f.Key(Qt::Key_F2);
            f.Type("x");
            f.Key(Qt::Key_Return);
        }
        QCOMPARE(f.Rows(), afterAction);
        QCOMPARE(f.Variables(), afterAction);
        if (action != "edit")
            QCOMPARE(f.RowsByData(), afterAction); // the row data travels with its row
        QCOMPARE(f.list.GetCurSel(), selectedAfter);
        // Delete after Delete: the next row is selected, or the new last one, until none is left.
        QStringList expected = afterAction;
        for (int selected = selectedAfter; selected >= 0 && !expected.isEmpty();) {
            QCOMPARE(f.list.GetCurrentIndex(), selected);
            expected.removeAt(selected);
            f.Key(Qt::Key_Delete);
            QCOMPARE(f.Rows(), expected);
            QCOMPARE(f.Variables(), expected);
            selected = std::min(selected, static_cast<int>(expected.size()) - 1);
            QCOMPARE(f.list.GetCurSel(), selected);
        }
    }

    void insertAppendsAnEditedRowOnlyWithAnAddButton_data()
    {
        // Strips of two and four buttons have "Add"; a strip of three is the plot
        // list's (remove, up, down).
        QTest::addColumn<int>("buttons"); // 0: no strip
        QTest::addColumn<bool>("edits");
        QTest::newRow("no strip") << 0 << false;
        QTest::newRow("two buttons") << 2 << true;
        QTest::newRow("three buttons") << 3 << false;
        QTest::newRow("four buttons") << 4 << true;
    }

    void insertAppendsAnEditedRowOnlyWithAnAddButton()
    {
        QFETCH(int, buttons);
        QFETCH(bool, edits);
        CStringArray tooltips;
        for (int i = 0; i < buttons; ++i)
            tooltips.Add("button");
        CListBoxExBuddy strip(133, nullptr, static_cast<UINT>(buttons), tooltips);
        ListForm<> f(ListBoxExRole::ProfileVariables, Abc);
        if (buttons > 0)
            f.list.SetBuddy(&strip);
        f.Click(0);
        f.Key(Qt::Key_Insert);
        QCOMPARE(f.list.GetEditingIndex(), edits ? 3 : -1);
        QCOMPARE(f.Rows(), edits ? Abc + QStringList {""} : Abc);
        QCOMPARE(f.Variables(), f.Rows());
    }

    void stripCommandsAndCallsKeepTheProfileInStep()
    {
        ListForm<> f(ListBoxExRole::ProfileVariables, QStringList {"a", "b", "c", "d"});
        f.list.SetCurSel(2);
        f.list.ButtonStripCommand(2); // up
        QCOMPARE(f.Rows(), (QStringList {"a", "c", "b", "d"}));
        QCOMPARE(f.Variables(), f.Rows());
        f.list.ButtonStripCommand(1); // remove, the moved row still selected
        f.list.InsertItem(1, "x");
        f.list.AddItem("y");
        f.list.SetCurSel(0);
        f.list.SetItemText(0, "z");
        QCOMPARE(f.Rows(), (QStringList {"z", "x", "b", "d", "y"}));
        QCOMPARE(f.Variables(), f.Rows());
        QCOMPARE(f.list.GetCurSel(), 0); // a replaced row keeps its selection
    }

    void plotListEntryKeepsItsRoleUnlessRemoved()
    {
        ListForm<> f(ListBoxExRole::PlotList, Abc);
        // Moves and a replace leave the view alone; the data travels with its row.
        f.Click(0);
        f.Key(Qt::Key_Down, Qt::AltModifier);
        f.list.ButtonStripCommand(3);
        f.list.SetItemText(0, "renamed");
        QCOMPARE(f.Rows(), (QStringList {"renamed", "c", "a"}));
        QCOMPARE(f.RowsByData(), (QStringList {"b", "c", "a"}));
        QVERIFY(f.view.removals.empty());
        // Removing the clicked entry tells the view once, first, with the entry
        // selected again, though the selection had moved away from it.
        f.Click(2);
        f.list.SetCurSel(0);
        f.Key(Qt::Key_Delete);
        QCOMPARE(f.Rows(), (QStringList {"renamed", "c"}));
        QCOMPARE(f.view.removals.size(), size_t(1));
        QCOMPARE(f.view.removals[0].row, 2);
        QCOMPARE(f.view.removals[0].selection, 2);
    }

    void outOfRangeIndexIsReportedAndChangesNothing_data()
    {
        QTest::addColumn<bool>("rowsGone"); // else the profile lacks a row's variable
        QTest::addColumn<QString>("told"); // what the box says; none when nothing is asked of a missing row
        // The clicked row went with its row: Delete has no row to act on.
        QTest::newRow("Delete with a clicked row that went away") << true << QString();
        QTest::newRow("Delete of a row the profile does not have") << false << "no variable 3";
    }

    void outOfRangeIndexIsReportedAndChangesNothing()
    {
        QFETCH(bool, rowsGone);
        QFETCH(QString, told);
        ScriptedMessageBoxResponder boxes;
        ListForm<> f(ListBoxExRole::ProfileVariables, QStringList {"a", "b", "c", "d"});
        f.Click(3);
        if (rowsGone) {
            f.list.DeleteString(3); // the view takes rows away behind the list's back
            f.list.DeleteString(2);
        } else {
            f.view.variables.removeAt(3);
        }
        const QStringList rows = f.Rows();
        const QStringList variables = f.Variables();
        f.Key(Qt::Key_Delete);
        QCOMPARE(boxes.boxes().size(), size_t(told.isEmpty() ? 0 : 1));
        if (!told.isEmpty()) {
            const ScriptedMessageBoxResponder::Box& box = boxes.boxes().front();
            QCOMPARE(box.owner, f.form.get());
            QVERIFY2(box.text.ToQString().contains(told), box.text.GetString());
        }
        QCOMPARE(f.Rows(), rows);
        QCOMPARE(f.Variables(), variables);
    }

    // Many short random sequences of row operations, with indices in and out of
    // range, a drag running through some of them: after every step the rows are
    // the profile's variables, and an operation refused for its index changes nothing.
    void rowsAndVariablesStayEqualUnderRandomOperations()
    {
        ScriptedMessageBoxResponder boxes; // errors reported by the key handlers
        QRandomGenerator random(20261206);
        constexpr int Sequences = 120;
        constexpr int Steps = 25;
        int refused = 0;
        int draggedSteps = 0;
        for (int sequence = 0; sequence < Sequences; ++sequence) {
            ListForm<> f(ListBoxExRole::ProfileVariables, QStringList {"a", "b", "c"});
            int made = 0;
            const auto text = [&made] { return QByteArray("v") + QByteArray::number(made++); };
            for (int step = 0; step < Steps; ++step) {
                const int count = RealRows(f).size();
                // Indices from one below the first row to two past the last.
                const int index = random.bounded(-1, count + 2);
                const int other = random.bounded(-1, count + 2);
                const QStringList before = RealRows(f);
                const QStringList variablesBefore = f.Variables();
                const int operation = random.bounded(10);
                QString what;
                try {
                    switch (operation) {
                    case 0:
                        what = "AddItem";
                        f.list.AddItem(text());
                        break;
                    case 1:
                        what = QStringLiteral("InsertItem(%1)").arg(index);
                        f.list.InsertItem(index, text());
                        break;
                    case 2:
                        what = QStringLiteral("RemoveItem(%1)").arg(index);
                        f.list.RemoveItem(index);
                        break;
                    case 3:
                        what = QStringLiteral("SetItemText(%1)").arg(index);
                        f.list.SetItemText(index, text());
                        break;
                    case 4:
                        what = QStringLiteral("SwapItems(%1, %2)").arg(index).arg(other);
                        f.list.SwapItems(index, other);
                        break;
                    case 5:
                        what = QStringLiteral("MoveItemUp(%1)").arg(index);
                        f.list.MoveItemUp(index);
                        break;
                    case 6:
                        what = QStringLiteral("MoveItemDown(%1)").arg(index);
                        f.list.MoveItemDown(index);
                        break;
                    case 7:
                        what = QStringLiteral("strip %1 on row %2").arg(index & 3).arg(other);
                        if (other >= 0 && other < count)
                            f.list.SetCurSel(other);
                        f.list.ButtonStripCommand(index & 3);
                        if (f.list.GetEditingIndex() != -1)
                            f.list.EndEdit(random.bounded(2) == 0);
                        break;
                    case 8:
                        if (f.list.IsDragging() || count == 0)
                            continue;
                        what = QStringLiteral("drag from row %1").arg(index);
                        QTest::mousePress(f.Client(), Qt::LeftButton, {}, f.RowCentre(qBound(0, index, count - 1)));
                        QTest::mouseMove(f.Client(), f.RowCentre(0) - QPoint(0, 9));
                        QTest::mouseMove(f.Client(), f.RowCentre(0));
                        break;
                    default:
                        if (!f.list.IsDragging())
                            continue;
                        what = QStringLiteral("end the drag on row %1").arg(index);
                        if (random.bounded(2) == 0)
                            f.Key(Qt::Key_Escape);
                        QTest::mouseRelease(f.Client(), Qt::LeftButton, {}, f.RowCentre(qBound(0, index, count)));
                        break;
                    }
                } catch (const CInvalidArgException&) {
                    ++refused;
                    QVERIFY2(RealRows(f) == before && f.Variables() == variablesBefore,
                        qPrintable(QStringLiteral("sequence %1 step %2: refused %3 changed the list")
                                       .arg(sequence)
                                       .arg(step)
                                       .arg(what)));
                }
                if (f.list.IsDragging())
                    ++draggedSteps;
                QVERIFY2(RealRows(f) == f.Variables(),
                    qPrintable(QStringLiteral("sequence %1 step %2 after %3: rows %4, variables %5")
                                   .arg(sequence)
                                   .arg(step)
                                   .arg(what, RealRows(f).join(','), f.Variables().join(','))));
            }
            if (f.list.IsDragging()) {
                QTest::mouseRelease(f.Client(), Qt::LeftButton, {}, f.RowCentre(0));
                QCOMPARE(f.Rows(), f.Variables());
            }
        }
        // The sequences did reach both kinds of path.
        QVERIFY(refused > 0);
        QVERIFY(draggedSteps > 0);
    }
};

PE_TEST_MAIN(ListBoxExRowsTest)
#include "tst_listboxexrows.moc"
