// Reordering an editable list by dragging a row onto the row to go before (or onto the sentinel row
// that follows the last one during a drag): the insertion mark and the sentinel never outlive the
// drag, and a profile-variables list moves the variable with its row. And how the list looks: rows
// drawn by the list itself (the selected row in the caption colour, not the highlight colour) and
// the exclusive-or insertion mark that a second drawing erases.

#include "listboxextestview.h"
#include "support/projecttest.h"

#include "platform/drawing/syscolors.h"
#include "support/scriptedmessageboxresponder.h"

#include <QImage>

#include <utility>

const QStringList Abcd {"a", "b", "c", "d"};

class ListBoxExDragTest : public QObject {
    Q_OBJECT
private slots:
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
        QVERIFY(GetSysColor(COLOR_ACTIVECAPTION) != GetSysColor(COLOR_HIGHLIGHT));
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
};

PE_TEST_MAIN(ListBoxExDragTest)
#include "tst_listboxexdrag.moc"
