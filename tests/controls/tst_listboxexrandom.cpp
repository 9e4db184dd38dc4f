// Many short random sequences of row operations on a profile-variables list,
// with indices in and out of range, a drag running through some of them:
// after every step the rows are the profile's variables, and an operation
// refused for its index changes nothing.

#include "listboxextestview.h"
#include "support/projecttest.h"
#include "support/scriptedmessageboxresponder.h"

#include "platform/core/invalidarg.h"

#include <QRandomGenerator>

class ListBoxExRandomTest : public QObject {
    Q_OBJECT
private slots:
    void rowsAndVariablesStayEqualUnderRandomOperations();
};

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

void ListBoxExRandomTest::rowsAndVariablesStayEqualUnderRandomOperations()
{
    ScriptedMessageBoxResponder boxes; // errors reported by the key handlers
    QRandomGenerator random(20261206);
    constexpr int Sequences = 120;
    constexpr int Steps = 25;
    int refused = 0;
    int draggedSteps = 0;
    for (int sequence = 0; sequence < Sequences; ++sequence) {
        ListForm<> f(ListBoxExRole::ProfileVariables, QStringList {"a", "b", "c"});
        QVERIFY(f.Ready());
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

PE_TEST_MAIN(ListBoxExRandomTest)
#include "tst_listboxexrandom.moc"
