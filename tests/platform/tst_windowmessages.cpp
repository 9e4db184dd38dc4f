// Window messages over Qt events: results, posting, input translated into
// messages and the default handling. Reflection and the scroll areas' own
// handling of their client area are tested through the list controls.

#include "platform/windows/wnd.h"
#include "support/projecttest.h"

#include <QApplication>
#include <QLineEdit>
#include <QTest>

namespace {

// Records every message and answers WM_USER+n with n * 10.
class RecordingWnd : public CWnd {
public:
    struct Message {
        UINT message;
        WPARAM wParam;
        LPARAM lParam;
    };
    std::vector<Message> messages;
    bool callDefaultFirst = true;

    bool OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) override
    {
        messages.push_back({message, wParam, lParam});
        if (message > WM_USER && message < WM_USER + 100) {
            *result = static_cast<LRESULT>(message - WM_USER) * 10;
            return true;
        }
        if (message == WM_KEYDOWN || message == WM_SYSKEYDOWN) {
            if (callDefaultFirst)
                Default();
            *result = 0;
            return true;
        }
        return CWnd::OnWndMsg(message, wParam, lParam, result);
    }

    int count(UINT message) const
    {
        return static_cast<int>(std::count_if(
            messages.begin(), messages.end(), [message](const Message& m) { return m.message == message; }));
    }
};

// Counts the key presses a widget gets, as a filter installed before any lookup.
class KeyCounter : public QObject {
public:
    int presses = 0;

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::KeyPress)
            ++presses;
        return false;
    }
};

// Deletes its own widget when a key reaches it.
class SelfDeletingWnd : public CWnd {
public:
    bool OnWndMsg(UINT message, WPARAM, LPARAM, LRESULT* result) override
    {
        if (message != WM_KEYDOWN)
            return false;
        *result = 0;
        delete GetSafeHwnd();
        return true;
    }
};

// While handling a key, sends another key to `inner`, then reads the input state.
class OuterWnd : public CWnd {
public:
    QWidget* inner = nullptr;
    short shiftAfterInner = 0;
    DWORD positionBefore = 0;
    DWORD positionAfterInner = 0;

    bool OnWndMsg(UINT message, WPARAM wParam, LPARAM, LRESULT* result) override
    {
        if (message != WM_KEYDOWN || wParam != 'X')
            return false;
        *result = 0;
        positionBefore = GetMessagePos();
        QKeyEvent press(QEvent::KeyPress, Qt::Key_A, Qt::NoModifier);
        QApplication::sendEvent(inner, &press);
        shiftAfterInner = GetKeyState(VK_SHIFT);
        positionAfterInner = GetMessagePos();
        return true;
    }
};

} // namespace

class WindowMessagesTest : public QObject {
    Q_OBJECT
private slots:
    void sendReturnsTheResultAndPostWaitsForTheEventLoop()
    {
        QWidget widget;
        RecordingWnd wnd;
        QVERIFY(wnd.Attach(&widget));
        QCOMPARE(wnd.SendMessage(WM_USER + 3, 7, 9), 30);
        QCOMPARE(wnd.messages.back().wParam, WPARAM(7));
        QCOMPARE(wnd.messages.back().lParam, LPARAM(9));
        QCOMPARE(::SendMessage(nullptr, WM_USER + 1), 0);
        QCOMPARE(CWnd::FromHandlePermanent(&widget), &wnd);

        QVERIFY(wnd.PostMessage(WM_USER + 2));
        QCOMPARE(wnd.count(WM_USER + 2), 0);
        QTRY_COMPARE(wnd.count(WM_USER + 2), 1);
    }

    void keysBecomeMessagesThatMaySkipTheDefault()
    {
        QLineEdit edit;
        RecordingWnd wnd;
        wnd.Attach(&edit);
        edit.show();
        QVERIFY(QTest::qWaitForWindowExposed(&edit));
        QTest::keyClick(&edit, Qt::Key_F2);
        QTest::keyClick(&edit, Qt::Key_Up, Qt::AltModifier);
        QCOMPARE(wnd.count(WM_KEYDOWN), 1);
        const auto keyDown = std::find_if(
            wnd.messages.begin(), wnd.messages.end(), [](const auto& m) { return m.message == WM_KEYDOWN; });
        QCOMPARE(keyDown->wParam, WPARAM(VK_F2));
        // Alt with an arrow is a system key.
        QVERIFY(std::any_of(wnd.messages.begin(), wnd.messages.end(),
            [](const auto& m) { return m.message == WM_SYSKEYDOWN && m.wParam == VK_UP; }));

        // The default handling types the key; a handler that skips it swallows it.
        QTest::keyClick(&edit, Qt::Key_A);
        QCOMPARE(edit.text(), QStringLiteral("a"));
        wnd.callDefaultFirst = false;
        QTest::keyClick(&edit, Qt::Key_B);
        QCOMPARE(edit.text(), QStringLiteral("a"));

        // A disabled window gets no input at all.
        wnd.messages.clear();
        edit.setEnabled(false);
        QTest::mouseClick(&edit, Qt::LeftButton);
        QTest::keyClick(&edit, Qt::Key_F2);
        QCOMPARE(wnd.count(WM_LBUTTONDOWN), 0);
        QCOMPARE(wnd.count(WM_KEYDOWN), 0);
    }

    void lookupsLeaveTheWidgetsEventsAlone()
    {
        QWidget form;
        auto* edit = new QLineEdit(&form);
        CWnd::SetDlgCtrlID(edit, 1014);
        form.show();
        QApplication::setActiveWindow(&form);
        QVERIFY(QTest::qWaitForWindowActive(&form));
        edit->setFocus();
        KeyCounter counter;
        edit->installEventFilter(&counter);
        QTest::keyClick(edit, Qt::Key_A);
        QCOMPARE(counter.presses, 1);
        CWnd* formWnd = CWnd::FromHandle(&form);
        QCOMPARE(CWnd::FromHandle(edit)->GetSafeHwnd(), edit);
        QCOMPARE(CWnd::GetFocus()->GetSafeHwnd(), edit);
        QCOMPARE(formWnd->GetDlgItem(1014)->GetSafeHwnd(), edit);
        QCOMPARE(CWnd::FromHandle(edit)->GetParent(), formWnd);
        QTest::keyClick(edit, Qt::Key_B);
        QCOMPARE(counter.presses, 2);
        QCOMPARE(edit->text(), QStringLiteral("ab"));
        // A real window object takes over from the wrapper the lookups made.
        RecordingWnd owner;
        QVERIFY(owner.Attach(edit));
        QCOMPARE(CWnd::FromHandle(edit), &owner);
    }

    void aWidgetMadeWhereADestroyedOneLivedStartsAfresh()
    {
        // A new widget often takes the memory of one just destroyed; it must
        // not inherit that one's id, styles or window object.
        alignas(QLineEdit) unsigned char memory[sizeof(QLineEdit)];
        auto* gone = new (memory) QLineEdit;
        CWnd::SetDlgCtrlID(gone, 1014);
        CWnd::InitStyle(gone, WS_CHILD, WS_EX_CLIENTEDGE);
        QCOMPARE(CWnd::FromHandle(gone)->GetStyle(), DWORD(WS_CHILD));
        gone->~QLineEdit();
        auto* fresh = new (memory) QLineEdit;
        QCOMPARE(CWnd::GetDlgCtrlID(fresh), 0);
        QCOMPARE(CWnd::FromHandlePermanent(fresh), nullptr);
        CWnd* wrapper = CWnd::FromHandle(fresh);
        QCOMPARE(wrapper->GetStyle(), DWORD(0));
        QCOMPARE(wrapper->GetExStyle(), DWORD(0));
        fresh->~QLineEdit();
    }

    void inputStateComesBackWhenAHandlerDeletesItsWindow()
    {
        QWidget outerWidget;
        auto* innerWidget = new QWidget;
        OuterWnd outer;
        SelfDeletingWnd inner;
        QVERIFY(outer.Attach(&outerWidget));
        QVERIFY(inner.Attach(innerWidget));
        outer.inner = innerWidget;
        QTest::keyClick(&outerWidget, Qt::Key_X, Qt::ShiftModifier);
        QCOMPARE(inner.GetSafeHwnd(), nullptr); // its widget is gone
        QVERIFY(outer.shiftAfterInner < 0); // Shift was down for the outer key
        QCOMPARE(outer.positionAfterInner, outer.positionBefore);
    }
};

PE_TEST_MAIN(WindowMessagesTest)
#include "tst_windowmessages.moc"
