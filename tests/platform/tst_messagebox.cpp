// The message-box and popup-menu services as tests use them: every box
// recorded, answers scripted, a menu resource's popup shown, its command
// returned or sent to the owner; and Qt's boxes and menus as people meet them.

#include "platform/windows/popupmenu.h"
#include "platform/windows/wnd.h"
#include "support/projecttest.h"
#include "support/scriptedmessageboxresponder.h"
#include "support/scriptedpopupmenu.h"

#include <QApplication>
#include <QLabel>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTextDocument>
#include <QTimer>
#include <QWidget>

namespace {

// Records the commands it receives.
class CommandOwner : public CWnd {
public:
    std::vector<UINT> commands;
    bool OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) override
    {
        if (message == WM_COMMAND)
            commands.push_back(LOWORD(static_cast<uint64_t>(wParam)));
        return CWnd::OnWndMsg(message, wParam, lParam, result);
    }
};

constexpr UINT MenuId = 700;

} // namespace

class MessageBoxTest : public QObject {
    Q_OBJECT
private slots:
    void init()
    {
        m_module.AddMenu(MenuId,
            {MenuItemResource::Popup("Popup",
                {MenuItemResource::Command(11, "&Eleven\tCtrl+E"), MenuItemResource::Separator(),
                    MenuItemResource::Command(12, "T&welve")})});
        AfxSetResourceHandle(&m_module);
        if (!m_owner.GetSafeHwnd())
            m_owner.Attach(&m_widget);
        m_owner.commands.clear();
    }

    void cleanup() { AfxSetResourceHandle(nullptr); }

    void returnedOrSentToTheOwner()
    {
        ScriptedPopupMenu menus;
        CMenu menu;
        QVERIFY(menu.LoadMenu(MenuId));
        QCOMPARE(menu.GetSubMenu(1), nullptr);
        CMenu* popup = menu.GetSubMenu(0);
        QCOMPARE(popup->GetSubMenu(0), nullptr); // a command, not a popup
        menus.Answer(12);
        QCOMPARE(popup->TrackPopupMenu(TPM_RETURNCMD | TPM_NONOTIFY, 30, 40, &m_owner), UINT(12));
        QCOMPARE(menus.shown()[0].texts, (QStringList {"&Eleven\tCtrl+E", "", "T&welve"}));
        QCOMPARE(menus.shown()[0].at.x, 30);
        QCOMPARE(menus.shown()[0].at.y, 40);
        QCOMPARE(menus.shown()[0].owner, &m_widget);
        QVERIFY(m_owner.commands.empty());
        // Without TPM_RETURNCMD the owner gets the command.
        menus.Answer(11);
        QCOMPARE(popup->TrackPopupMenu(TPM_LEFTALIGN, 0, 0, &m_owner), UINT(TRUE));
        QCOMPARE(m_owner.commands, std::vector<UINT> {11});
        // Dismissed: nothing chosen, nothing sent.
        QCOMPARE(popup->TrackPopupMenu(TPM_LEFTALIGN, 0, 0, &m_owner), UINT(FALSE));
        QCOMPARE(m_owner.commands.size(), size_t(1));

        // A menu that is missing shows nothing.
        CMenu missing;
        QTest::ignoreMessage(QtWarningMsg, "LoadMenu: no resource module has menu 701.");
        QVERIFY(!missing.LoadMenu(MenuId + 1));
        QCOMPARE(missing.GetSubMenu(0), nullptr);
        QTest::ignoreMessage(QtWarningMsg, "TrackPopupMenu: the menu holds no items.");
        QCOMPARE(missing.TrackPopupMenu(TPM_RETURNCMD, 0, 0, &m_owner), UINT(0));
        QCOMPARE(menus.shown().size(), size_t(3));
    }

    void qtMenuAnswersTheChosenItem()
    {
        m_widget.show();
        CMenu menu;
        QVERIFY(menu.LoadMenu(MenuId));
        QStringList seen;
        // The menu runs modally: a person picks the second command with the keys.
        QTimer::singleShot(0, [&seen] {
            auto* shown = qobject_cast<QMenu*>(QApplication::activePopupWidget());
            if (!shown)
                return;
            for (const QAction* action : shown->actions())
                seen << action->text();
            QTest::keyClick(shown, Qt::Key_Down);
            QTest::keyClick(shown, Qt::Key_Down);
            QTest::keyClick(shown, Qt::Key_Return);
        });
        QCOMPARE(menu.GetSubMenu(0)->TrackPopupMenu(TPM_RETURNCMD, 10, 10, &m_owner), UINT(12));
        QCOMPARE(seen, (QStringList {"&Eleven\tCtrl+E", "", "T&welve"}));
        QVERIFY(m_owner.commands.empty());
    }

    void answersComeFromTheScriptThenTheDefaultButton()
    {
        ScriptedMessageBoxResponder responder;
        responder.Answer(IDNO);
        QCOMPARE(MessageBox(nullptr, "Delete?", "Profile Editor", MB_YESNO | MB_ICONQUESTION | MB_TOPMOST), IDNO);
        QCOMPARE(MessageBox(nullptr, "Delete?", "Profile Editor", MB_YESNO | MB_ICONQUESTION | MB_TOPMOST), IDYES);
        QCOMPARE(MessageBox(nullptr, "Note", "Profile Editor", MB_OK), IDOK);
    }

    void aBoxWithoutAResponderFailsTheTestAtOnce()
    {
        QEXPECT_FAIL("", "the box below is the failure this test expects", Continue);
        QCOMPARE(MessageBox(nullptr, "Nobody scripted this", "Profile Editor", MB_YESNO), IDNO);
    }

    void qtBoxesShowTheirTextAsWritten_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<uint>("style");
        QTest::addColumn<int>("answer");
        QTest::newRow("profile without variables")
            << "The profile <b>x</b> contains no variables." << (MB_ICONEXCLAMATION | MB_TOPMOST) << IDOK;
        QTest::newRow("delete question") << "Delete the profile <i>y</i>&amp;<br>z?"
                                         << (MB_YESNO | MB_ICONQUESTION | MB_TOPMOST) << IDNO;
    }

    void qtBoxesShowTheirTextAsWritten()
    {
        QFETCH(QString, text);
        QFETCH(uint, style);
        QFETCH(int, answer);
        QString shown;
        Qt::TextFormat format = Qt::AutoText;
        QtMessageBoxService qtBoxes;
        MessageBoxService* const previous = MessageBoxService::Install(&qtBoxes);
        // The box runs its own loop: read it and answer from inside that loop.
        QTimer::singleShot(0, [&] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            const auto* label = box->findChild<QLabel*>(QStringLiteral("qt_msgbox_label"));
            shown = label->text();
            format = label->textFormat();
            box->button(answer == IDNO ? QMessageBox::No : QMessageBox::Ok)->click();
        });
        const int answered = MessageBox(nullptr, text.toLatin1().constData(), "Profile Editor", style);
        MessageBoxService::Install(previous);
        QCOMPARE(answered, answer);
        QCOMPARE(shown, text);
        QCOMPARE(format, Qt::PlainText);
    }

private:
    ResourceModule m_module {"popup test"};
    QWidget m_widget;
    CommandOwner m_owner;
};

PE_TEST_MAIN(MessageBoxTest)
#include "tst_messagebox.moc"
