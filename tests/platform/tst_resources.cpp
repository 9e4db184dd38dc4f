// Resources by id: the current module first, then the chain in joining order;
// and the process-wide registries of names: one name, one id.

#include "platform/core/cstring.h"
#include "platform/core/registry.h"
#include "platform/core/resources.h"
#include "support/projecttest.h"

#include <QTest>

class ResourcesTest : public QObject {
    Q_OBJECT
private slots:
    void cleanup()
    {
        AfxRemoveResourceModule(&m_host);
        AfxRemoveResourceModule(&m_editor);
        AfxSetResourceHandle(nullptr);
    }

    void currentModuleIsSearchedBeforeTheChain()
    {
        m_host.AddString(1, "Host");
        m_editor.AddString(1, "Profile Editor");
        AfxAddResourceModule(&m_host);
        AfxAddResourceModule(&m_editor);
        AfxSetResourceHandle(&m_editor);
        CString text;
        QVERIFY(text.LoadString(1));
        QCOMPARE(text, CString("Profile Editor"));
        AfxSetResourceHandle(&m_host);
        QVERIFY(text.LoadString(1));
        QCOMPARE(text, CString("Host"));
    }

    void chainIsSearchedInJoiningOrderWithoutCurrent()
    {
        m_host.AddString(7, "from host");
        m_editor.AddString(7, "from editor");
        m_editor.AddString(8, "editor only");
        AfxAddResourceModule(&m_host);
        AfxAddResourceModule(&m_editor);
        AfxAddResourceModule(&m_host); // joining twice changes nothing
        QCOMPARE(CString(AfxFindString(7)), CString("from host"));
        QCOMPARE(CString(AfxFindString(8)), CString("editor only"));
    }

    void missingResourcesAreReportedAsMissing()
    {
        AfxAddResourceModule(&m_host);
        CString text("unchanged");
        QVERIFY(!text.LoadString(424242));
        QCOMPARE(text, CString("unchanged"));
        QCOMPARE(AfxFindMenu(424242), nullptr);
        QCOMPARE(AfxFindBitmap(424242), nullptr);
    }

    void sameNameGivesSameIdInEachRegistry()
    {
        const UINT first = RegisterWindowMessage("ipc_CtrlMsg");
        const UINT second = RegisterWindowMessage("ipc_CtrlMsg");
        QCOMPARE(first, second);
        QVERIFY(first >= 0xC000 && first <= 0xFFFF);
        QVERIFY(RegisterWindowMessage("commctrl_DragListMsg") != first);

        const UINT format = RegisterClipboardFormat("Lumen Variable Path Format");
        QCOMPARE(RegisterClipboardFormat("Lumen Variable Path Format"), format);
        QVERIFY(RegisterClipboardFormat("Profile Variable Name Format") != format);
    }

    void emptyNameIsRefused()
    {
        QCOMPARE(RegisterWindowMessage(""), 0u);
        QCOMPARE(RegisterClipboardFormat(nullptr), 0u);
    }

    void formatNameAndMimeTypeAreTheRegisteredName()
    {
        const UINT format = RegisterClipboardFormat("Profile Variable Name Format");
        QCOMPARE(GetClipboardFormatName(format), CString("Profile Variable Name Format"));
        QCOMPARE(ClipboardFormatMimeType(format), QStringLiteral("Profile Variable Name Format"));
        QCOMPARE(GetClipboardFormatName(0x1234), CString());
    }

private:
    ResourceModule m_host {"host"};
    ResourceModule m_editor {"editor"};
};

PE_TEST_APPLESS_MAIN(ResourcesTest)
#include "tst_resources.moc"
