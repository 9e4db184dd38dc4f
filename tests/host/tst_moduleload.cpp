// The module as the host loads it: dlopen, the exact export list, KDInitDll.

#include "host/services/kbaseapp.h"
#include "host/services/kdoctemplate.h"
#include "support/projecttest.h"

#include "platform/core/registry.h"

#include <QProcess>
#include <QTest>

#include <dlfcn.h>

class ModuleLoadTest : public QObject {
    Q_OBJECT
private slots:
    void exportsExactlyTheEntryAndTheTwoOperators();
    void loadsAndRegistersItsTemplateWithTheHost();
};

void ModuleLoadTest::exportsExactlyTheEntryAndTheTwoOperators()
{
    QProcess nm;
    nm.start(QStringLiteral(PE_NM),
        {QStringLiteral("-D"), QStringLiteral("--defined-only"), QStringLiteral(PE_MODULE_PATH)});
    QVERIFY(nm.waitForFinished(30000));
    QCOMPARE(nm.exitCode(), 0);
    QStringList symbols;
    const auto lines = QString::fromLocal8Bit(nm.readAllStandardOutput()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    for (const QString& line : lines)
        symbols << line.section(QLatin1Char(' '), 2);
    symbols.sort();
    QCOMPARE(symbols, (QStringList {"KDInitDll", "_ZN14CSUGeneralUtilaSEOS_", "_ZN14CSUGeneralUtilaSERKS_"}));
}

void ModuleLoadTest::loadsAndRegistersItsTemplateWithTheHost()
{
    CKBaseApp app;
    void* module = dlopen(PE_MODULE_PATH, RTLD_NOW | RTLD_LOCAL);
    QVERIFY2(module, dlerror());
    using InitDll = int (*)(uint32_t);
    auto init = reinterpret_cast<InitDll>(dlsym(module, "KDInitDll"));
    QVERIFY(init);
    QVERIFY(!dlsym(module, "_Z20EditorResourceModulev"));
    QCOMPARE(init(0), 1);
    QCOMPARE(app.GetDocTemplates().size(), size_t(1));
    auto* docTemplate = dynamic_cast<CKDocTemplate*>(app.GetDocTemplates().front().get());
    QVERIFY(docTemplate);
    QCOMPARE(QString::fromStdString(GuidToString(docTemplate->GetDocumentType())),
        QStringLiteral("{DD21FFC0-23A9-11D1-997A-00609733460C}"));
    QCOMPARE(QString::fromLatin1(docTemplate->GetViewClass()->m_lpszClassName), QStringLiteral("CSUProfileEditorView"));
    // One registry for the process, filled by the module's load in its own
    // order: asked here in another order, the names still give those ids.
    const UINT lastFormat = RegisterClipboardFormat("Lumen Control Link Format");
    const UINT modelFormat = RegisterClipboardFormat("Lumen Model Format");
    QCOMPARE(lastFormat - modelFormat, 27u);
    const UINT show = RegisterWindowMessage("SHOW_VARNELVIEW");
    const UINT dragList = RegisterWindowMessage("commctrl_DragListMsg");
    QCOMPARE(show - dragList, 2u);
    QCOMPARE(RegisterWindowMessage("ipc_CtrlMsg"), dragList + 1);
    // The module stays loaded: the application owns objects made by its code.
}

PE_TEST_MAIN(ModuleLoadTest)
#include "tst_moduleload.moc"
