// Popup menus from menu resources: the popup of a loaded menu shown by the
// service in use, the command returned or sent to the owner, and Qt's menu as
// a person meets it.

#include "platform/windows/popupmenu.h"
#include "platform/windows/wnd.h"
#include "support/projecttest.h"
#include "support/scriptedpopupmenu.h"

#include <QApplication>
#include <QMenu>
#include <QTest>
#include <QTimer>

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

class PopupMenuTest : public QObject {
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
    }

    void missingMenuShowsNothing()
    {
        ScriptedPopupMenu menus;
        CMenu menu;
        QTest::ignoreMessage(QtWarningMsg, "LoadMenu: no resource module has menu 701.");
        QVERIFY(!menu.LoadMenu(MenuId + 1));
        QCOMPARE(menu.GetSubMenu(0), nullptr);
        QTest::ignoreMessage(QtWarningMsg, "TrackPopupMenu: the menu holds no items.");
        QCOMPARE(menu.TrackPopupMenu(TPM_RETURNCMD, 0, 0, &m_owner), UINT(0));
        QVERIFY(menus.shown().empty());
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

private:
    ResourceModule m_module {"popup test"};
    QWidget m_widget;
    CommandOwner m_owner;
};

PE_TEST_MAIN(PopupMenuTest)
#include "tst_popupmenu.moc"
