// Editing rows in place as a person does it: double-click, F2, Insert and the
// strip's add button open the edit; Enter stores the trimmed text; Escape
// cancels; an empty row is never kept; focus moving to the edit's own button
// keeps the edit open, anywhere else ends it.

#include "listboxextestview.h"

#include "controls/inplacebutton.h"
#include "controls/inplaceedit.h"
#include "controls/listboxexbuddy.h"
#include "platform/messagebox.h"
#include "platform/resources.h"

#include <QLineEdit>

class ListBoxExEditingTest : public QObject {
    Q_OBJECT
private slots:
    void enterStoresTheTrimmedText();
    void escapeOnAnAppendedRowRemovesIt_data();
    void escapeOnAnAppendedRowRemovesIt();
    void endingTheEditOfAnExistingRow_data();
    void endingTheEditOfAnExistingRow();
    void doubleClickEditsTheRowUnderTheMouseOnly_data();
    void doubleClickEditsTheRowUnderTheMouseOnly();
    void f2EditsOnlyAfterARowWasClicked();
    void insertAppendsOnlyWithATwoOrFourButtonStrip_data();
    void insertAppendsOnlyWithATwoOrFourButtonStrip();
    void editStaysOpenWhileTheFocusIsOnItsOwnButton();
    void keysInTheEditDoNotReachTheList();
    void noDragStartsWhileARowIsEdited();
    void editOfARowThatWentAwayIsReported();

private:
    static QLineEdit* Edit(const CListBoxEx& list)
    {
        return qobject_cast<QLineEdit*>(list.GetInPlaceEdit()->GetSafeHwnd());
    }
};

namespace {

const QStringList Abc {"a", "b", "c"};

} // namespace

void ListBoxExEditingTest::enterStoresTheTrimmedText()
{
    ListForm<> f(ListBoxExRole::ProfileVariables, Abc);
    QVERIFY(f.Ready());
    f.list.ButtonStripCommand(0);
    QVERIFY(Edit(f.list)->isVisible());
    QCOMPARE(QApplication::focusWidget(), Edit(f.list));
    QCOMPARE(f.Variables(), (QStringList {"a", "b", "c", ""}));
    f.Type("  Reactor.T \t");
    f.Key(Qt::Key_Return);
    QVERIFY(!Edit(f.list)->isVisible());
    QCOMPARE(f.list.GetEditingIndex(), -1);
    QCOMPARE(f.Rows(), (QStringList {"a", "b", "c", "Reactor.T"}));
    QCOMPARE(f.Variables(), f.Rows());
    QCOMPARE(f.list.GetCurSel(), 3);
    QCOMPARE(QApplication::focusWidget(), f.list.GetSafeHwnd());
}

void ListBoxExEditingTest::escapeOnAnAppendedRowRemovesIt_data()
{
    QTest::addColumn<int>("role");
    QTest::addColumn<QString>("typed");
    QTest::newRow("plain list, nothing typed") << int(ListBoxExRole::Plain) << "";
    QTest::newRow("variables, nothing typed") << int(ListBoxExRole::ProfileVariables) << "";
    QTest::newRow("variables, text typed") << int(ListBoxExRole::ProfileVariables) << "Feed.F";
}

void ListBoxExEditingTest::escapeOnAnAppendedRowRemovesIt()
{
    QFETCH(int, role);
    QFETCH(QString, typed);
    ListForm<> f(static_cast<ListBoxExRole>(role), Abc);
    QVERIFY(f.Ready());
    const QStringList variables = f.Variables();
    f.list.ButtonStripCommand(0);
    QCOMPARE(f.list.GetCount(), 4);
    f.Type(typed.toLatin1().constData());
    f.Key(Qt::Key_Escape);
    QVERIFY(!Edit(f.list)->isVisible());
    QCOMPARE(f.Rows(), Abc);
    QCOMPARE(f.Variables(), variables);
}

void ListBoxExEditingTest::endingTheEditOfAnExistingRow_data()
{
    QTest::addColumn<QString>("typed"); // replaces the selected text
    QTest::addColumn<int>("key");
    QTest::addColumn<QStringList>("expected");
    QTest::newRow("cleared, Escape: removed") << "   " << int(Qt::Key_Escape) << QStringList {"a", "c"};
    QTest::newRow("cleared, Enter: removed") << "" << int(Qt::Key_Return) << QStringList {"a", "c"};
    QTest::newRow("changed, Escape: kept as it was") << "x" << int(Qt::Key_Escape) << Abc;
    QTest::newRow("changed, Enter: replaced") << " x " << int(Qt::Key_Return) << QStringList {"a", "x", "c"};
}

void ListBoxExEditingTest::endingTheEditOfAnExistingRow()
{
    QFETCH(QString, typed);
    QFETCH(int, key);
    QFETCH(QStringList, expected);
    ListForm<> f(ListBoxExRole::ProfileVariables, Abc);
    QVERIFY(f.Ready());
    f.Click(1);
    f.Key(Qt::Key_F2);
    QCOMPARE(f.list.GetEditingIndex(), 1);
    QCOMPARE(Edit(f.list)->selectedText(), QStringLiteral("b"));
    f.Key(Qt::Key_Backspace);
    f.Type(typed.toLatin1().constData());
    f.Key(static_cast<Qt::Key>(key));
    QCOMPARE(f.list.GetEditingIndex(), -1);
    QCOMPARE(f.Rows(), expected);
    QCOMPARE(f.Variables(), expected);
}

void ListBoxExEditingTest::doubleClickEditsTheRowUnderTheMouseOnly_data()
{
    QTest::addColumn<int>("row"); // -1: below the last row
    QTest::newRow("on a row") << 1;
    QTest::newRow("below the last row") << -1;
}

void ListBoxExEditingTest::doubleClickEditsTheRowUnderTheMouseOnly()
{
    QFETCH(int, row);
    ListForm<> f(ListBoxExRole::ProfileVariables, Abc);
    QVERIFY(f.Ready());
    const QPoint point = row == -1 ? f.RowCentre(2) + QPoint(0, 3 * f.list.GetItemHeight(0)) : f.RowCentre(row);
    QTest::mouseClick(f.Client(), Qt::LeftButton, {}, point);
    QTest::mouseDClick(f.Client(), Qt::LeftButton, {}, point);
    QTest::mouseRelease(f.Client(), Qt::LeftButton, {}, point);
    QCOMPARE(f.list.GetEditingIndex(), row);
    QCOMPARE(Edit(f.list)->isVisible(), row != -1);
    QCOMPARE(f.Rows(), Abc);
}

void ListBoxExEditingTest::f2EditsOnlyAfterARowWasClicked()
{
    ListForm<> f(ListBoxExRole::Plain, Abc);
    QVERIFY(f.Ready());
    f.list.SetCurSel(1);
    f.list.SetFocus();
    f.Key(Qt::Key_F2);
    QCOMPARE(f.list.GetEditingIndex(), -1);
    f.Click(2);
    f.Key(Qt::Key_F2);
    QCOMPARE(f.list.GetEditingIndex(), 2);
    f.Key(Qt::Key_Return);
    // The focus went to the edit and came back: no row was clicked since.
    f.Key(Qt::Key_F2);
    QCOMPARE(f.list.GetEditingIndex(), -1);
}

void ListBoxExEditingTest::insertAppendsOnlyWithATwoOrFourButtonStrip_data()
{
    QTest::addColumn<int>("buttons"); // 0: no strip
    QTest::addColumn<bool>("appends");
    QTest::newRow("no strip") << 0 << false;
    QTest::newRow("3 buttons") << 3 << false;
    QTest::newRow("2 buttons") << 2 << true;
    QTest::newRow("4 buttons") << 4 << true;
}

void ListBoxExEditingTest::insertAppendsOnlyWithATwoOrFourButtonStrip()
{
    QFETCH(int, buttons);
    QFETCH(bool, appends);
    ResourceModule module("no images");
    CStringArray tooltips;
    for (int i = 0; i < buttons; ++i)
        tooltips.Add("Button");
    CListBoxExBuddy strip(0, &module, static_cast<UINT>(buttons), tooltips);
    ListForm<> f(ListBoxExRole::ProfileVariables, Abc);
    QVERIFY(f.Ready());
    if (buttons > 0)
        f.list.SetBuddy(&strip);
    f.Click(0);
    f.Key(Qt::Key_Insert);
    QCOMPARE(f.list.GetCount(), appends ? 4 : 3);
    QCOMPARE(f.list.GetEditingIndex(), appends ? 3 : -1);
    QCOMPARE(f.Variables(), f.Rows());
}

void ListBoxExEditingTest::editStaysOpenWhileTheFocusIsOnItsOwnButton()
{
    ListForm<CListBoxEx> f(ListBoxExRole::ProfileVariables, Abc);
    f.list.SetEditStyle(InPlaceButtonEditStyle);
    QVERIFY(f.Ready());
    f.Click(1);
    f.Key(Qt::Key_F2);
    f.Type("x");
    QWidget* button = f.list.GetInPlaceButton()->GetSafeHwnd();
    QVERIFY(button->isVisible());
    // The button sits right of the edit, in the same row.
    QCOMPARE(button->geometry().left(), Edit(f.list)->geometry().right() + 1);
    QTest::mouseClick(button, Qt::LeftButton);
    QCOMPARE(QApplication::focusWidget(), button);
    QCOMPARE(f.list.GetEditingIndex(), 1);
    QVERIFY(Edit(f.list)->isVisible());
    // Somewhere else ends the edit, keeping what was typed and the focus there.
    f.other->setFocus();
    QCOMPARE(f.list.GetEditingIndex(), -1);
    QVERIFY(!Edit(f.list)->isVisible());
    QVERIFY(!button->isVisible());
    QCOMPARE(f.Rows(), (QStringList {"a", "x", "c"}));
    QCOMPARE(f.Variables(), f.Rows());
    QCOMPARE(QApplication::focusWidget(), f.other);
}

void ListBoxExEditingTest::keysInTheEditDoNotReachTheList()
{
    ListForm<> f(ListBoxExRole::ProfileVariables, Abc);
    QVERIFY(f.Ready());
    f.Click(1);
    f.Key(Qt::Key_F2);
    f.Key(Qt::Key_Up, Qt::AltModifier);
    f.Key(Qt::Key_Insert);
    QCOMPARE(f.Rows(), Abc);
    QCOMPARE(f.list.GetEditingIndex(), 1);
    QVERIFY(Edit(f.list)->isVisible());
}

void ListBoxExEditingTest::noDragStartsWhileARowIsEdited()
{
    ListForm<> f(ListBoxExRole::ProfileVariables, Abc);
    QVERIFY(f.Ready());
    f.Click(0);
    f.Key(Qt::Key_F2);
    const QPoint centre = f.Client()->mapToGlobal(f.RowCentre(2));
    DRAGLISTINFO info {DL_BEGINDRAG, f.list.GetSafeHwnd(), POINT {centre.x(), centre.y()}};
    QCOMPARE(f.view.SendMessage(DragListMessage(), 1004, reinterpret_cast<LPARAM>(&info)), LRESULT(0));
    info.uNotification = DL_DRAGGING;
    QCOMPARE(f.view.SendMessage(DragListMessage(), 1004, reinterpret_cast<LPARAM>(&info)), LRESULT(0));
    QCOMPARE(f.list.GetCount(), 3);
    QCOMPARE(f.list.GetEditingIndex(), 0);
}

void ListBoxExEditingTest::editOfARowThatWentAwayIsReported()
{
    ScriptedMessageBoxResponder boxes;
    ListForm<> f(ListBoxExRole::Plain, Abc);
    QVERIFY(f.Ready());
    f.Click(2);
    f.Key(Qt::Key_F2);
    // The view empties the list while the edit is open.
    f.list.DeleteString(2);
    f.list.DeleteString(1);
    f.Type("x");
    f.Key(Qt::Key_Return);
    QCOMPARE(f.Rows(), QStringList {"a"});
    QCOMPARE(f.list.GetEditingIndex(), -1);
    QVERIFY(!Edit(f.list)->isVisible());
    QCOMPARE(boxes.boxes().size(), size_t(1));
    QCOMPARE(boxes.boxes().front().title, CString("Profile Editor"));
    QCOMPARE(boxes.boxes().front().style, MB_OK | MB_ICONEXCLAMATION);
    QVERIFY(boxes.boxes().front().text.Find("no row 2") >= 0);
}

QTEST_MAIN(ListBoxExEditingTest)
#include "tst_listboxexediting.moc"
