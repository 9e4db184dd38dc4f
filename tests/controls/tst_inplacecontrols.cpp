// The in-place edit and button on their own: what they report to their owner
// ("ipc_CtrlMsg" with an InPlaceNotify), when they hide, and that Enter and
// Escape stop at the edit instead of reaching the dialog around it.

#include "controls/inplacebutton.h"
#include "controls/inplaceedit.h"
#include "controls/inplacenotify.h"
#include "host/sharedids.h"

#include <QApplication>
#include <QDialog>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <algorithm>
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
        edit.SetWindowText("Reactor.T");
        dialog->resize(300, 120);
        dialog->show();
        QApplication::setActiveWindow(dialog.get());
    }

    bool Ready() { return QTest::qWaitForWindowActive(dialog.get()); }
    QLineEdit* Edit() const { return qobject_cast<QLineEdit*>(edit.GetSafeHwnd()); }
    QWidget* Button() const { return button.GetSafeHwnd(); }
    // Shows the edit with the button beside it, gives the focus to one of
    // them and forgets the reports that caused. The widget with the focus, or
    // null when the focus did not get there.
    QWidget* ShowWithFocusOn(bool onButton)
    {
        edit.ShowAt(CRect(10, 10, 150, 32));
        button.ShowAt(CRect(150, 10, 175, 32));
        QWidget* control = onButton ? Button() : static_cast<QWidget*>(Edit());
        control->setFocus();
        owner.reports.clear();
        return QApplication::focusWidget() == control ? control : nullptr;
    }
    int Count(UINT reason, HWND from) const
    {
        return static_cast<int>(std::count_if(owner.reports.begin(), owner.reports.end(),
            [&](const InPlaceNotify& r) { return r.reason == reason && r.Window() == from; }));
    }

    std::unique_ptr<QDialog> dialog = std::make_unique<QDialog>();
    RecordingOwner owner;
    CInPlaceEdit edit;
    CInPlaceButton button;
    QLineEdit* other = nullptr;
};

} // namespace

class InPlaceControlsTest : public QObject {
    Q_OBJECT
private slots:
    void enterAndEscapeStopAtTheEdit_data();
    void enterAndEscapeStopAtTheEdit();
    void buttonClickIsReportedWithoutItsOwnFocusLoss();
    void focusLossIsReportedAndHidesOnANonZeroAnswer_data();
    void focusLossIsReportedAndHidesOnANonZeroAnswer();
    void hidingGivesTheFocusBackToTheOwnerUnreported_data();
    void hidingGivesTheFocusBackToTheOwnerUnreported();
};

void InPlaceControlsTest::enterAndEscapeStopAtTheEdit_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<UINT>("virtualKey");
    QTest::addColumn<int>("answer");
    QTest::newRow("Enter, owner hides") << int(Qt::Key_Return) << VK_RETURN << 1;
    QTest::newRow("Enter, owner keeps") << int(Qt::Key_Return) << VK_RETURN << 0;
    QTest::newRow("Escape, owner hides") << int(Qt::Key_Escape) << VK_ESCAPE << 1;
    QTest::newRow("Escape, owner keeps") << int(Qt::Key_Escape) << VK_ESCAPE << 0;
}

void InPlaceControlsTest::enterAndEscapeStopAtTheEdit()
{
    QFETCH(int, key);
    QFETCH(UINT, virtualKey);
    QFETCH(int, answer);
    DialogWithEdit d;
    QVERIFY(d.Ready());
    d.owner.answer = answer;
    d.edit.ShowAt(CRect(10, 10, 150, 32));
    QCOMPARE(QApplication::focusWidget(), d.Edit());
    QCOMPARE(d.Edit()->selectedText(), QStringLiteral("Reactor.T"));
    QTest::keyClick(d.Edit(), static_cast<Qt::Key>(key));
    QCOMPARE(d.owner.reports.size(), size_t(1));
    QCOMPARE(d.Count(InPlaceNotify::Key, d.Edit()), 1);
    QCOMPARE(d.owner.reports.front().KeyCode(), virtualKey);
    QCOMPARE(d.Edit()->isVisible(), answer == 0);
    // Neither accepted nor rejected: the dialog never saw the key.
    QVERIFY(d.dialog->isVisible());
    QCOMPARE(d.dialog->result(), 0);
    QCOMPARE(d.Edit()->text(), QStringLiteral("Reactor.T"));
}

void InPlaceControlsTest::buttonClickIsReportedWithoutItsOwnFocusLoss()
{
    DialogWithEdit d;
    QVERIFY(d.Ready());
    d.owner.answer = 0;
    QCOMPARE(d.ShowWithFocusOn(false), d.Edit());
    // The owner moves the focus away while it handles the click.
    d.owner.onReport = [&d](const InPlaceNotify& report) {
        if (report.reason == InPlaceNotify::ButtonClick)
            d.other->setFocus();
    };
    const QPoint centre = d.Button()->rect().center();
    QTest::mouseClick(d.Button(), Qt::LeftButton, {}, centre);

    // The edit told of the focus going to its button, and stayed.
    QCOMPARE(d.Count(InPlaceNotify::FocusLost, d.Edit()), 1);
    QCOMPARE(d.owner.reports.front().FocusWindow(), d.Button());
    QVERIFY(d.Edit()->isVisible());
    QCOMPARE(d.Count(InPlaceNotify::ButtonClick, nullptr), 1);
    QCOMPARE(d.Count(InPlaceNotify::FocusLost, nullptr), 0);
    QCOMPARE(QApplication::focusWidget(), d.other);
    const InPlaceNotify click = d.owner.reports[1];
    QCOMPARE(click.ControlId(), UINT(2));
    const QPoint global = d.Button()->mapToGlobal(centre);
    QCOMPARE(click.pt.x, LONG(global.x() & 0xFFFF));
    QCOMPARE(click.pt.y, LONG(global.y() & 0xFFFF));
}

void InPlaceControlsTest::focusLossIsReportedAndHidesOnANonZeroAnswer_data()
{
    QTest::addColumn<bool>("button");
    QTest::addColumn<int>("answer");
    QTest::newRow("edit, owner hides") << false << 1;
    QTest::newRow("edit, owner keeps") << false << 0;
    QTest::newRow("button, owner hides") << true << 1;
    QTest::newRow("button, owner keeps") << true << 0;
}

void InPlaceControlsTest::focusLossIsReportedAndHidesOnANonZeroAnswer()
{
    QFETCH(bool, button);
    QFETCH(int, answer);
    DialogWithEdit d;
    QVERIFY(d.Ready());
    QWidget* control = d.ShowWithFocusOn(button);
    QVERIFY(control);
    d.owner.answer = answer;

    d.other->setFocus();
    QCOMPARE(d.owner.reports.size(), size_t(1));
    const InPlaceNotify report = d.owner.reports.front();
    QCOMPARE(report.reason, UINT(InPlaceNotify::FocusLost));
    // The button's focus report names no window; the edit's names the edit.
    QCOMPARE(report.Window(), button ? nullptr : control);
    QCOMPARE(report.FocusWindow(), static_cast<QWidget*>(d.other));
    QCOMPARE(control->isVisible(), answer == 0);
    // A focus already on its way elsewhere stays there.
    QCOMPARE(QApplication::focusWidget(), static_cast<QWidget*>(d.other));
}

void InPlaceControlsTest::hidingGivesTheFocusBackToTheOwnerUnreported_data()
{
    QTest::addColumn<bool>("button");
    QTest::newRow("edit") << false;
    QTest::newRow("button") << true;
}

void InPlaceControlsTest::hidingGivesTheFocusBackToTheOwnerUnreported()
{
    QFETCH(bool, button);
    DialogWithEdit d;
    QVERIFY(d.Ready());
    QWidget* control = d.ShowWithFocusOn(button);
    QVERIFY(control);

    if (button)
        d.button.Hide();
    else
        d.edit.Hide();
    QVERIFY(!control->isVisible());
    QCOMPARE(QApplication::focusWidget(), static_cast<QWidget*>(d.dialog.get()));
    QVERIFY(d.owner.reports.empty());
    // An empty rectangle does not show it again.
    if (button)
        d.button.ShowAt(CRect());
    else
        d.edit.ShowAt(CRect());
    QVERIFY(!control->isVisible());
}

QTEST_MAIN(InPlaceControlsTest)
#include "tst_inplacecontrols.moc"
