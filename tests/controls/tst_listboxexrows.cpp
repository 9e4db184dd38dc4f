// The row operations of an editable list as a person reaches them (clicks,
// Delete, Alt+arrows, the strip's commands) and what each does to the view:
// a profile-variables list keeps the current profile's variables equal to its
// rows, a plot list takes the plotted role away only when an entry goes.
// Reordering by dragging a row onto the row to go before (or onto the sentinel
// row that follows the last one during a drag): the insertion mark and the
// sentinel never outlive the drag, and the variable moves with its row. And how
// the list looks: rows drawn by the list itself (the selected row in the
// caption colour, not the highlight colour) and the exclusive-or insertion
// mark that a second drawing erases. And editing rows in place as a person
// does it: double-click, F2 and the strip's add button open the edit; Enter
// stores the trimmed text; Escape cancels; an empty row is never kept; and the
// in-place edit and button on their own (the editor's lists show no button).

#include "listboxextestview.h"
#include "support/projecttest.h"

#include "controls/inplacebutton.h"
#include "controls/inplaceedit.h"
#include "controls/inplacenotify.h"
#include "controls/listboxexbuddy.h"
#include "host/sharedids/sharedids.h"
#include "platform/core/invalidarg.h"
#include "platform/drawing/syscolors.h"
#include "support/scriptedmessageboxresponder.h"

#include <QDialog>
#include <QImage>
#include <QLineEdit>
#include <QPushButton>
#include <QRandomGenerator>

#include <functional>
#include <memory>
#include <utility>
#include <vector>

const QStringList Abc {"a", "b", "c"};
const QStringList Abcd {"a", "b", "c", "d"};

namespace {

// The rows without a running drag's sentinel, which is last and empty.
QStringList RealRows(ListForm<>& f)
{
    QStringList rows = f.Rows();
    if (f.list.IsDragging() && !rows.isEmpty() && rows.last().isEmpty())
        rows.removeLast();
    return rows;
}

// The list's side: records every report and answers as told.
class RecordingOwner : public CWnd {
public:
    bool OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) override
    {
        if (CWnd::OnWndMsg(message, wParam, lParam, result))
            return true;
        if (message != SharedIds::InPlaceControlMessage())
            return false;
        reports.push_back(*reinterpret_cast<const InPlaceNotify*>(lParam));
        if (onReport)
            onReport(reports.back());
        *result = answer;
        return true;
    }

    std::vector<InPlaceNotify> reports;
    LRESULT answer = 1;
    std::function<void(const InPlaceNotify&)> onReport;
};

// A dialog whose default button accepts it, with the edit and button hidden in it.
struct DialogWithEdit {
    DialogWithEdit()
    {
        auto* ok = new QPushButton(QStringLiteral("OK"), dialog.get());
        ok->setDefault(true);
        QObject::connect(ok, &QPushButton::clicked, dialog.get(), &QDialog::accept);
        other = new QLineEdit(dialog.get());
        other->setGeometry(10, 80, 80, 24);
        owner.Attach(dialog.get());
        edit.Create(WS_BORDER, CRect(), &owner, 1);
        button.Create("...", 0, CRect(), &owner, 2);
        dialog->resize(300, 120);
        dialog->show();
        QApplication::setActiveWindow(dialog.get());
        QVERIFY(QTest::qWaitForWindowActive(dialog.get()));
    }

    QLineEdit* Edit() const { return qobject_cast<QLineEdit*>(edit.GetSafeHwnd()); }
    QWidget* Button() const { return button.GetSafeHwnd(); }
    // Shows the edit and its button, focuses one and forgets the reports that
    // caused: the focused widget, or null when the focus did not get there.
    QWidget* ShowWithFocusOn(bool onButton)
    {
        edit.ShowAt(CRect(10, 10, 150, 32));
        button.ShowAt(CRect(150, 10, 175, 32));
        QWidget* control = onButton ? Button() : static_cast<QWidget*>(Edit());
        control->setFocus();
        owner.reports.clear();
        return QApplication::focusWidget() == control ? control : nullptr;
    }

    std::unique_ptr<QDialog> dialog = std::make_unique<QDialog>();
    RecordingOwner owner;
    CInPlaceEdit edit;
    CInPlaceButton button;
    QLineEdit* other = nullptr;
};

} // namespace

class ListBoxExRowsTest : public QObject {
    Q_OBJECT
private slots:
    void deleteActsOnTheRowTheUserSeesSelected_data()
    {
        QTest::addColumn<int>("clicked"); // -1: the list has the focus, no row selected
        QTest::addColumn<int>("action"); // a strip command (2 up, 3 down) or a key, with Alt but F2
        QTest::addColumn<QStringList>("afterAction");
        QTest::addColumn<int>("selectedAfter");
        const QStringList moved {"a", "c", "b", "d"};
        QTest::newRow("clicked middle row") << 1 << 0 << Abcd << 1;
        QTest::newRow("strip Move Up") << 2 << 2 << moved << 1;
        QTest::newRow("Alt+Up") << 2 << int(Qt::Key_Up) << moved << 1;
        QTest::newRow("Alt+Down") << 1 << int(Qt::Key_Down) << moved << 2;
        QTest::newRow("Alt+Left") << 2 << int(Qt::Key_Left) << moved << 1;
        QTest::newRow("Alt+Right") << 1 << int(Qt::Key_Right) << moved << 2;
        QTest::newRow("Alt+Up on the first row: nothing") << 0 << int(Qt::Key_Up) << Abcd << 0;
        QTest::newRow("Alt+Down on the last row: nothing") << 3 << int(Qt::Key_Down) << Abcd << 3;
        QTest::newRow("Alt+Down with no row selected: nothing") << -1 << int(Qt::Key_Down) << Abcd << -1;
        QTest::newRow("F2, new text, Enter") << 1 << int(Qt::Key_F2) << QStringList {"a", "x", "c", "d"} << 1;
    }

    void deleteActsOnTheRowTheUserSeesSelected()
    {
        QFETCH(int, clicked);
        QFETCH(int, action);
        QFETCH(QStringList, afterAction);
        QFETCH(int, selectedAfter);
        ListForm<> f(ListBoxExRole::ProfileVariables, Abcd);
        if (clicked >= 0)
            f.Click(clicked);
        else
            f.list.SetFocus();
        if (action == 2 || action == 3)
            f.list.ButtonStripCommand(action);
        else if (action == Qt::Key_F2) {
            f.Key(Qt::Key_F2);
            f.Type("x");
            f.Key(Qt::Key_Return);
        } else if (action)
            f.Key(static_cast<Qt::Key>(action), Qt::AltModifier);
        QCOMPARE(f.Rows(), afterAction);
        QCOMPARE(f.Variables(), afterAction);
        if (action != Qt::Key_F2)
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
        ListForm<> f(ListBoxExRole::ProfileVariables, Abcd);
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
                const QString what = QString::asprintf(
                    "sequence %d step %d: operation %d (index %d, other %d)", sequence, step, operation, index, other);
                try {
                    switch (operation) {
                    case 0:
                        f.list.AddItem(text());
                        break;
                    case 1:
                        f.list.InsertItem(index, text());
                        break;
                    case 2:
                        f.list.RemoveItem(index);
                        break;
                    case 3:
                        f.list.SetItemText(index, text());
                        break;
                    case 4:
                        f.list.SwapItems(index, other);
                        break;
                    case 5:
                        f.list.MoveItemUp(index);
                        break;
                    case 6:
                        f.list.MoveItemDown(index);
                        break;
                    case 7:
                        if (other >= 0 && other < count)
                            f.list.SetCurSel(other);
                        f.list.ButtonStripCommand(index & 3);
                        if (f.list.GetEditingIndex() != -1)
                            f.list.EndEdit(random.bounded(2) == 0);
                        break;
                    case 8:
                        if (f.list.IsDragging() || count == 0)
                            continue;
                        QTest::mousePress(f.Client(), Qt::LeftButton, {}, f.RowCentre(qBound(0, index, count - 1)));
                        QTest::mouseMove(f.Client(), f.RowCentre(0) - QPoint(0, 9));
                        QTest::mouseMove(f.Client(), f.RowCentre(0));
                        break;
                    default:
                        if (!f.list.IsDragging())
                            continue;
                        if (random.bounded(2) == 0)
                            f.Key(Qt::Key_Escape);
                        QTest::mouseRelease(f.Client(), Qt::LeftButton, {}, f.RowCentre(qBound(0, index, count)));
                        break;
                    }
                } catch (const CInvalidArgException&) {
                    ++refused;
                    QVERIFY2(RealRows(f) == before && f.Variables() == variablesBefore, qPrintable("refused " + what));
                }
                if (f.list.IsDragging())
                    ++draggedSteps;
                QVERIFY2(RealRows(f) == f.Variables(), qPrintable(what));
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

    void dropMovesTheRowBeforeTheTarget_data()
    {
        QTest::addColumn<int>("from");
        QTest::addColumn<int>("to");
        QTest::addColumn<QStringList>("expected");
        QTest::addColumn<int>("selected");

        QTest::newRow("onto itself: nothing") << 1 << 1 << Abcd << 1;
        QTest::newRow("onto the row below: nothing") << 1 << 2 << Abcd << 1;
        QTest::newRow("up to the top") << 2 << 0 << QStringList {"c", "a", "b", "d"} << 0;
        QTest::newRow("down two rows") << 0 << 3 << QStringList {"b", "c", "a", "d"} << 2;
        QTest::newRow("onto the sentinel: to the end") << 0 << 4 << QStringList {"b", "c", "d", "a"} << 3;
        QTest::newRow("last row onto the sentinel: nothing") << 3 << 4 << Abcd << 3;
    }

    void dropMovesTheRowBeforeTheTarget()
    {
        QFETCH(int, from);
        QFETCH(int, to);
        QFETCH(QStringList, expected);
        QFETCH(int, selected);
        ListForm<> f(ListBoxExRole::ProfileVariables, Abcd);
        Drag(f, from, to);
        QVERIFY(!f.list.IsDragging());
        QCOMPARE(f.Rows(), expected);
        QCOMPARE(f.Variables(), expected);
        QCOMPARE(f.list.GetCurSel(), selected);
        QCOMPARE(f.RowsByData(), expected);
        // Delete then removes the dropped row.
        f.Key(Qt::Key_Delete);
        expected.removeAt(selected);
        QCOMPARE(f.Rows(), expected);
        QCOMPARE(f.Variables(), expected);
    }

    void escapeCancelsTheDragLeavingNoTrace()
    {
        ListForm<> f(ListBoxExRole::ProfileVariables, Abcd);
        QTest::mousePress(f.Client(), Qt::LeftButton, {}, f.RowCentre(0));
        const QImage pressed = Grab(f.Client());
        QTest::mouseMove(f.Client(), f.RowCentre(2));
        QVERIFY(f.list.IsDragging());
        QCOMPARE(f.list.GetCount(), 5); // with the sentinel
        QVERIFY(Grab(f.Client()) != pressed);
        f.Key(Qt::Key_Escape);
        QVERIFY(!f.list.IsDragging());
        QCOMPARE(Grab(f.Client()), pressed);
        QTest::mouseRelease(f.Client(), Qt::LeftButton, {}, f.RowCentre(2));
        QCOMPARE(f.Rows(), Abcd);
        QCOMPARE(f.Variables(), Abcd);
    }

    void listScrollsWhileTheCursorRestsBelowIt()
    {
        QStringList rows;
        for (int i = 0; i < 40; ++i)
            rows << QStringLiteral("Block%1.T").arg(i);
        ListForm<> f(ListBoxExRole::ProfileVariables, rows, 80);
        QTest::mousePress(f.Client(), Qt::LeftButton, {}, f.RowCentre(0));
        QTest::mouseMove(f.Client(), f.RowCentre(1));
        const QPoint below(f.RowCentre(0).x(), f.Client()->height() + 10);
        QTest::mouseMove(f.Client(), below);
        // Resting there, the list goes on scrolling a row at a time.
        QTRY_VERIFY(f.list.GetTopIndex() >= 3);
        QTest::mouseRelease(f.Client(), Qt::LeftButton, {}, below);
        const int top = f.list.GetTopIndex();
        QTest::qWait(4 * AutoScrollIntervalMs);
        QCOMPARE(f.list.GetTopIndex(), top);
        // Dropped outside the rows: nothing moved, no sentinel left.
        QCOMPARE(f.Rows(), rows);
        QCOMPARE(f.Variables(), rows);
    }

    void rowsTheProfileDoesNotHaveAreReported()
    {
        ScriptedMessageBoxResponder boxes;
        ListForm<> f(ListBoxExRole::ProfileVariables, Abcd);
        // The profile lost its last variable behind the list's back: dragging the row it lacks is refused, and
        // so is moving a row it has while the list shows more rows than the profile has variables.
        f.view.variables.removeAt(3);
        for (const auto& [from, to] : {std::pair {3, 0}, std::pair {0, 2}}) {
            boxes.Clear();
            Drag(f, from, to);
            QCOMPARE(f.Rows(), Abcd);
            QCOMPARE(f.Variables(), (QStringList {"a", "b", "c"}));
            QCOMPARE(boxes.boxes().size(), size_t(1));
            QCOMPARE(boxes.boxes().front().owner, f.form.get());
        }
    }

    void rowAddedDuringADragStaysInStepWithTheProfile_data()
    {
        QTest::addColumn<bool>("dropped"); // else cancelled with Escape
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("dropped on the first row") << true << QStringList {"c", "a", "b", "d", "e"};
        QTest::newRow("cancelled") << false << QStringList {"a", "b", "c", "d", "e"};
    }

    void rowAddedDuringADragStaysInStepWithTheProfile()
    {
        QFETCH(bool, dropped);
        QFETCH(QStringList, expected);
        ListForm<> f(ListBoxExRole::ProfileVariables, Abcd);
        QTest::mousePress(f.Client(), Qt::LeftButton, {}, f.RowCentre(2));
        QTest::mouseMove(f.Client(), f.RowCentre(2) - QPoint(0, 8));
        QTest::mouseMove(f.Client(), f.RowCentre(1));
        QVERIFY(f.list.IsDragging());
        // A variable arrives while the drag runs (a drop from the host, say).
        f.list.AddItem("e");
        QTest::mouseMove(f.Client(), f.RowCentre(0));
        if (!dropped)
            f.Key(Qt::Key_Escape);
        QTest::mouseRelease(f.Client(), Qt::LeftButton, {}, f.RowCentre(0));
        QVERIFY(!f.list.IsDragging());
        QCOMPARE(f.Rows(), expected);
        QCOMPARE(f.Variables(), expected);
    }

    void insertionMarkDrawnTwiceRestoresThePixels_data()
    {
        QTest::addColumn<QList<int>>("marks");
        QTest::newRow("moved down, then none") << QList<int> {1, 3, -1};
        QTest::newRow("first row (clipped above), then none") << QList<int> {0, -1};
        QTest::newRow("same row twice, then none") << QList<int> {2, 2, -1};
    }

    void insertionMarkDrawnTwiceRestoresThePixels()
    {
        QFETCH(QList<int>, marks);
        ListForm<> f(ListBoxExRole::Plain, {"Reactor.T", "Reactor.P", "Feed.F[1]", "Feed.F[2]", "Column.x[*]"});
        f.Click(1); // a dark row under part of the marks
        const QImage before = Grab(f.Client());
        // The selected row in the caption colour, left of the text inside the focus rectangle's dots.
        QCOMPARE(before.pixel(3, f.RowCentre(1).y()), GetSysColor(COLOR_ACTIVECAPTION).rgb());
        QCOMPARE(before.pixel(3, f.RowCentre(2).y()), GetSysColor(COLOR_WINDOW).rgb());
        for (int i = 0; i < marks.size() - 1; ++i) {
            f.list.DrawInsert(marks[i]);
            const QImage marked = Grab(f.Client());
            QVERIFY2(marked != before, "a mark shows");
            // Exclusive-or with white: every pixel the mark touches is inverted.
            for (int y = 0; y < marked.height(); ++y) {
                for (int x = 0; x < marked.width(); ++x) {
                    if (marked.pixel(x, y) != before.pixel(x, y))
                        QCOMPARE(marked.pixel(x, y), before.pixel(x, y) ^ 0x00FFFFFFu);
                }
            }
        }
        f.list.DrawInsert(marks.last());
        QCOMPARE(Grab(f.Client()), before);
    }

    void endingTheEdit_data()
    {
        QTest::addColumn<int>("role");
        QTest::addColumn<int>("row"); // -1: a row appended by the strip's add button
        QTest::addColumn<QString>("typed"); // replaces the row's selected text
        QTest::addColumn<int>("key");
        QTest::addColumn<QStringList>("expected"); // the rows, and the variables too
        const int plain = int(ListBoxExRole::Plain);
        const int variables = int(ListBoxExRole::ProfileVariables);
        const int enter = Qt::Key_Return;
        const int escape = Qt::Key_Escape;
        QTest::newRow("appended, Enter: trimmed text stored")
            << variables << -1 << "  Reactor.T \t" << enter << QStringList {"a", "b", "c", "Reactor.T"};
        QTest::newRow("appended, plain list, Escape: removed") << plain << -1 << "" << escape << Abc;
        QTest::newRow("appended, Escape: removed with its variable") << variables << -1 << "" << escape << Abc;
        QTest::newRow("appended, text typed, Escape: removed") << variables << -1 << "Feed.F" << escape << Abc;
        QTest::newRow("cleared, Escape: removed") << variables << 1 << "   " << escape << QStringList {"a", "c"};
        QTest::newRow("cleared, Enter: removed") << variables << 1 << "" << enter << QStringList {"a", "c"};
        QTest::newRow("changed, Escape: kept as it was") << variables << 1 << "x" << escape << Abc;
        QTest::newRow("changed, Enter: replaced") << variables << 1 << " x " << enter << QStringList {"a", "x", "c"};
    }

    void endingTheEdit()
    {
        QFETCH(int, role);
        QFETCH(int, row);
        QFETCH(QString, typed);
        QFETCH(int, key);
        QFETCH(QStringList, expected);
        ListForm<> f(static_cast<ListBoxExRole>(role), Abc);
        if (row < 0) {
            f.list.ButtonStripCommand(0);
            // A profile-variables list adds the row's variable at once, empty.
            QCOMPARE(f.Variables(), role == int(ListBoxExRole::Plain) ? Abc : Abc + QStringList {""});
        } else {
            f.Click(row);
            f.Key(Qt::Key_F2);
            QCOMPARE(Edit(f.list)->selectedText(), Abc[row]);
            f.Key(Qt::Key_Backspace);
        }
        f.Type(typed.toLatin1().constData());
        f.Key(static_cast<Qt::Key>(key));
        QVERIFY(!Edit(f.list)->isVisible());
        QCOMPARE(f.list.GetEditingIndex(), -1);
        QCOMPARE(f.Rows(), expected);
        QCOMPARE(f.Variables(), expected);
        QCOMPARE(QApplication::focusWidget(), f.list.GetSafeHwnd());
    }

    void doubleClickOnARowOrF2AfterAClickOpensTheEdit()
    {
        ListForm<> f(ListBoxExRole::Plain, Abc);
        const auto doubleClick = [&f](QPoint at) {
            QTest::mouseClick(f.Client(), Qt::LeftButton, {}, at);
            QTest::mouseDClick(f.Client(), Qt::LeftButton, {}, at);
            QTest::mouseRelease(f.Client(), Qt::LeftButton, {}, at);
        };
        // F2 edits the row last clicked, not one selected from outside.
        f.list.SetCurSel(1);
        f.list.SetFocus();
        f.Key(Qt::Key_F2);
        QCOMPARE(f.list.GetEditingIndex(), -1);
        doubleClick(f.RowCentre(2) + QPoint(0, 3 * f.list.GetItemHeight(0))); // below the last row
        QCOMPARE(f.list.GetEditingIndex(), -1);
        doubleClick(f.RowCentre(1));
        QCOMPARE(f.list.GetEditingIndex(), 1);
        f.Key(Qt::Key_Return);
        // Enter gives the focus back to the list on the edited row: F2 edits it again.
        f.Key(Qt::Key_F2);
        QCOMPARE(f.list.GetEditingIndex(), 1);
    }

    void whileARowIsEditedNoKeyOrDragReachesTheList()
    {
        ListForm<> f(ListBoxExRole::ProfileVariables, Abc);
        f.Click(0);
        f.Key(Qt::Key_F2);
        f.Key(Qt::Key_Down, Qt::AltModifier);
        const QPoint centre = f.Client()->mapToGlobal(f.RowCentre(2));
        DRAGLISTINFO info {DL_BEGINDRAG, f.list.GetSafeHwnd(), POINT {centre.x(), centre.y()}};
        QCOMPARE(f.view.SendMessage(DragListMessage(), 1004, reinterpret_cast<LPARAM>(&info)), LRESULT(0));
        info.uNotification = DL_DRAGGING;
        QCOMPARE(f.view.SendMessage(DragListMessage(), 1004, reinterpret_cast<LPARAM>(&info)), LRESULT(0));
        QVERIFY(!f.list.IsDragging());
        QCOMPARE(f.Rows(), Abc);
        QCOMPARE(f.list.GetEditingIndex(), 0);
        QVERIFY(Edit(f.list)->isVisible());
    }

    void editOfARowThatWentAwayCloses()
    {
        ListForm<> f(ListBoxExRole::Plain, Abc);
        f.Click(2);
        f.Key(Qt::Key_F2);
        // The view takes the edited row away without ending the edit first: the
        // edit closes with it (and says so), rather than stay open over no row.
        QTest::ignoreMessage(
            QtWarningMsg, "The in-place edit of row 2 closes without storing its text: its row was removed.");
        f.list.DeleteString(2);
        QCOMPARE(f.list.GetEditingIndex(), -1);
        QVERIFY(!Edit(f.list)->isVisible());
        f.list.DeleteString(1);
        f.Type("x");
        f.Key(Qt::Key_Return);
        QCOMPARE(f.Rows(), QStringList {"a"});
    }

    // The in-place edit and button on their own: the focus moved away while
    // the owner handles a click, a hidden edit, and Enter and Escape in a dialog.
    void focusLossIsNotReportedDuringAClickNorWhenHiddenAndKeysStopAtTheOwner()
    {
        DialogWithEdit d;
        d.owner.answer = 0;
        QCOMPARE(d.ShowWithFocusOn(false), d.Edit());
        // The owner moves the focus away while it handles the click.
        d.owner.onReport = [&d](const InPlaceNotify& report) {
            if (report.reason == InPlaceNotify::ButtonClick)
                d.other->setFocus();
        };
        QTest::mouseClick(d.Button(), Qt::LeftButton);
        // The edit told of the focus going to its button and stayed open; the
        // button told of its click and not of losing the focus.
        QCOMPARE(d.owner.reports.size(), size_t(2));
        QCOMPARE(d.owner.reports[0].FocusWindow(), d.Button());
        QVERIFY(d.Edit()->isVisible());
        QCOMPARE(d.owner.reports[1].reason, UINT(InPlaceNotify::ButtonClick));
        QCOMPARE(QApplication::focusWidget(), d.other);

        // Hiding gives the focus to the owner; the hidden edit reports nothing.
        QVERIFY(d.ShowWithFocusOn(false));
        d.edit.Hide();
        QVERIFY(!d.Edit()->isVisible());
        QCOMPARE(QApplication::focusWidget(), static_cast<QWidget*>(d.dialog.get()));
        QVERIFY(d.owner.reports.empty());
        // Enter and Escape go to the owner and stop there: the dialog never sees them.
        for (const bool onButton : {false, true}) {
            QWidget* control = d.ShowWithFocusOn(onButton);
            QVERIFY(control);
            QTest::keyClick(control, onButton ? Qt::Key_Escape : Qt::Key_Return);
            QCOMPARE(d.owner.reports.back().KeyCode(), onButton ? VK_ESCAPE : VK_RETURN);
            QVERIFY(d.dialog->isVisible());
        }
    }

private:
    static void Drag(ListForm<>& f, int from, int to)
    {
        QTest::mousePress(f.Client(), Qt::LeftButton, {}, f.RowCentre(from));
        // Out of the press's reach first, so that the drag starts.
        QTest::mouseMove(f.Client(), f.RowCentre(from) + QPoint(0, from < to ? 8 : -8));
        // The row list has the sentinel row now: `to` may name it.
        QTest::mouseMove(f.Client(), f.RowCentre(to));
        QTest::mouseRelease(f.Client(), Qt::LeftButton, {}, f.RowCentre(to));
    }
    static QImage Grab(QWidget* widget) { return widget->grab().toImage().convertToFormat(QImage::Format_RGB32); }
    static QLineEdit* Edit(const CListBoxEx& list)
    {
        return qobject_cast<QLineEdit*>(list.GetInPlaceEdit()->GetSafeHwnd());
    }
};

PE_TEST_MAIN(ListBoxExRowsTest)
#include "tst_listboxexrows.moc"
