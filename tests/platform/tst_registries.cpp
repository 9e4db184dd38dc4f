// The process-wide registries: one name, one id.

#include "platform/core/registry.h"
#include "support/projecttest.h"

#include <QTest>

class RegistriesTest : public QObject {
    Q_OBJECT
private slots:
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
};

PE_TEST_APPLESS_MAIN(RegistriesTest)
#include "tst_registries.moc"
