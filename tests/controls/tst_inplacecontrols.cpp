// The in-place edit and button on their own: what they report to their owner
// ("ipc_CtrlMsg" with an InPlaceNotify), that the owner's answer hides them,
// and that Enter and Escape stop at the edit instead of reaching the dialog.

#include "controls/inplacebutton.h"
#include "controls/inplaceedit.h"
#include "controls/inplacenotify.h"
#include "host/sharedids/sharedids.h"
#include "support/projecttest.h"

#include <QApplication>
#include <QDialog>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

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
    }

    bool Ready() { return QTest::qWaitForWindowActive(dialog.get()); }
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

class InPlaceControlsTest : public QObject {
    Q_OBJECT
private slots:
    void reportReachesTheOwnerAndANonZeroAnswerHides_data();
    void reportReachesTheOwnerAndANonZeroAnswerHides();
    void focusLossIsNotReportedDuringAClickNorWhenHidden();
};

void InPlaceControlsTest::reportReachesTheOwnerAndANonZeroAnswerHides_data()
{
    QTest::addColumn<bool>("button");
    QTest::addColumn<int>("key"); // 0: the focus goes elsewhere instead; -1: a click on the button
    QTest::addColumn<int>("answer");
    QTest::newRow("edit, Enter, owner hides") << false << int(Qt::Key_Return) << 1;
    QTest::newRow("edit, Escape, owner keeps") << false << int(Qt::Key_Escape) << 0;
    QTest::newRow("edit, focus elsewhere, owner hides") << false << 0 << 1;
    QTest::newRow("edit, focus elsewhere, owner keeps") << false << 0 << 0;
    QTest::newRow("button, focus elsewhere, owner hides") << true << 0 << 1;
    QTest::newRow("button, focus elsewhere, owner keeps") << true << 0 << 0;
    QTest::newRow("button, Escape, owner keeps") << true << int(Qt::Key_Escape) << 0;
    QTest::newRow("button, click, owner keeps") << true << -1 << 0;
}

void InPlaceControlsTest::reportReachesTheOwnerAndANonZeroAnswerHides()
{
    QFETCH(bool, button);
    QFETCH(int, key);
    QFETCH(int, answer);
    DialogWithEdit d;
    QVERIFY(d.Ready());
    QWidget* control = d.ShowWithFocusOn(button);
    QVERIFY(control);
    d.owner.answer = answer;
    if (key > 0)
        QTest::keyClick(control, static_cast<Qt::Key>(key));
    else if (key == 0)
        d.other->setFocus();
    else
        QTest::mouseClick(control, Qt::LeftButton);
    QCOMPARE(d.owner.reports.size(), size_t(1));
    const InPlaceNotify report = d.owner.reports[0];
    // The button's click and focus reports name no window; the others name their control.
    QCOMPARE(report.Window(), button && key <= 0 ? nullptr : control);
    if (key > 0) {
        QCOMPARE(report.reason, UINT(InPlaceNotify::Key));
        QCOMPARE(report.KeyCode(), key == Qt::Key_Return ? VK_RETURN : VK_ESCAPE);
        QVERIFY(d.dialog->isVisible()); // the dialog never saw the key: neither accepted nor rejected
    } else if (key == 0) {
        QCOMPARE(report.reason, UINT(InPlaceNotify::FocusLost));
        QCOMPARE(report.FocusWindow(), static_cast<QWidget*>(d.other));
        // A focus already on its way elsewhere stays there.
        QCOMPARE(QApplication::focusWidget(), static_cast<QWidget*>(d.other));
    } else {
        QCOMPARE(report.reason, UINT(InPlaceNotify::ButtonClick));
        QCOMPARE(report.ControlId(), UINT(2));
    }
    QCOMPARE(control->isVisible(), answer == 0);
}

void InPlaceControlsTest::focusLossIsNotReportedDuringAClickNorWhenHidden()
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
}

PE_TEST_MAIN(InPlaceControlsTest)
#include "tst_inplacecontrols.moc"
