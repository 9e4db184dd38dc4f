// Editing rows in place as a person does it: double-click, F2 and the strip's
// add button open the edit; Enter stores the trimmed text; Escape cancels; an
// empty row is never kept; focus moving to the edit's own button keeps the edit
// open, anywhere else ends it. And the in-place edit and button on their own.

#include "listboxextestview.h"
#include "support/projecttest.h"

#include "controls/inplacebutton.h"
#include "controls/inplaceedit.h"
#include "controls/inplacenotify.h"
#include "host/sharedids/sharedids.h"

#include <QDialog>
#include <QLineEdit>
#include <QPushButton>

#include <functional>
#include <memory>
#include <vector>

namespace {

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

const QStringList Abc {"a", "b", "c"};

class ListBoxExEditingTest : public QObject {
    Q_OBJECT
private slots:
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
            QCOMPARE(f.list.GetEditingIndex(), 3);
            // A profile-variables list adds the row's variable at once, empty.
            QCOMPARE(f.Variables(), role == int(ListBoxExRole::Plain) ? Abc : Abc + QStringList {""});
        } else {
            f.Click(row);
            f.Key(Qt::Key_F2);
            QCOMPARE(f.list.GetEditingIndex(), row);
            QCOMPARE(Edit(f.list)->selectedText(), Abc[row]);
            f.Key(Qt::Key_Backspace);
        }
        QCOMPARE(QApplication::focusWidget(), Edit(f.list));
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

    void editStaysOpenWhileTheFocusIsOnItsOwnButton()
    {
        ListForm<CListBoxEx> f(ListBoxExRole::ProfileVariables, Abc);
        f.list.SetEditStyle(InPlaceButtonEditStyle);
        QWidget other(f.form.get()); // somewhere else for the focus to go
        other.setGeometry(230, 20, 40, 20);
        other.show();
        f.Click(1);
        f.Key(Qt::Key_F2);
        f.Type("x");
        QWidget* button = f.list.GetInPlaceButton()->GetSafeHwnd();
        // The button sits right of the edit, in the same row.
        QVERIFY(button->isVisible());
        QCOMPARE(button->geometry().left(), Edit(f.list)->geometry().right() + 1);
        QTest::mouseClick(button, Qt::LeftButton);
        QCOMPARE(QApplication::focusWidget(), button);
        QCOMPARE(f.list.GetEditingIndex(), 1);
        // Somewhere else ends the edit, keeping what was typed and the focus there.
        other.setFocus();
        QCOMPARE(f.list.GetEditingIndex(), -1);
        QVERIFY(!Edit(f.list)->isVisible());
        QVERIFY(!button->isVisible());
        QCOMPARE(f.Rows(), (QStringList {"a", "x", "c"}));
        QCOMPARE(f.Variables(), f.Rows());
        QCOMPARE(QApplication::focusWidget(), &other);
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
    static QLineEdit* Edit(const CListBoxEx& list)
    {
        return qobject_cast<QLineEdit*>(list.GetInPlaceEdit()->GetSafeHwnd());
    }
};

PE_TEST_MAIN(ListBoxExEditingTest)
#include "tst_listboxexediting.moc"
