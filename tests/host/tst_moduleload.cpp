// The module as the host loads it: dlopen, the exact export list, KDInitDll.

#include "host/services/kbaseapp.h"
#include "host/services/kdoctemplate.h"
#include "support/projecttest.h"

#include "platform/core/registry.h"

#include <QProcess>
#include <QTest>

#include <dlfcn.h>

namespace {

// Every name registered so far, read back id by id from the first one.
QStringList RegisteredNames(CString (*nameOf)(UINT))
{
    QStringList names;
    for (UINT id = 0xC000; id <= 0xFFFF; ++id) {
        const CString name = nameOf(id);
        if (name.IsEmpty())
            break;
        names << name.ToQString();
    }
    return names;
}

const QStringList ModuleMessages {"commctrl_DragListMsg", "ipc_CtrlMsg", "SHOW_VARNELVIEW"};
const QStringList SomeModuleFormats {
    "Lumen Model Format", "Lumen Variable Path Format", "Profile Variable Name Format", "Lumen Control Link Format"};

} // namespace

class ModuleLoadTest : public QObject {
    Q_OBJECT
private slots:
    void exportsExactlyTheEntryAndTheTwoOperators()
    {
        QProcess nm;
        nm.start(QStringLiteral(PE_NM),
            {QStringLiteral("-D"), QStringLiteral("--defined-only"), QStringLiteral(PE_MODULE_PATH)});
        QVERIFY(nm.waitForFinished(30000));
        QCOMPARE(nm.exitCode(), 0);
        QStringList symbols;
        const auto lines
            = QString::fromLocal8Bit(nm.readAllStandardOutput()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
        for (const QString& line : lines)
            symbols << line.section(QLatin1Char(' '), 2);
        symbols.sort();
        QCOMPARE(symbols, (QStringList {"KDInitDll", "_ZN14CSUGeneralUtilaSEOS_", "_ZN14CSUGeneralUtilaSERKS_"}));
    }

    void loadsAndRegistersItsTemplateWithTheHost()
    {
        CKBaseApp app;
        for (const QString& name : ModuleMessages)
            QVERIFY2(!RegisteredNames(GetWindowMessageName).contains(name), qPrintable(name));
        for (const QString& name : SomeModuleFormats)
            QVERIFY2(!RegisteredNames(GetClipboardFormatName).contains(name), qPrintable(name));
        void* module = dlopen(PE_MODULE_PATH, RTLD_NOW | RTLD_LOCAL);
        QVERIFY2(module, dlerror());
        using InitDll = int (*)(uint32_t);
        auto init = reinterpret_cast<InitDll>(dlsym(module, "KDInitDll"));
        QVERIFY(init);
        QVERIFY(!dlsym(module, "_Z20EditorResourceModulev"));
        QCOMPARE(init(0), 1);
        QCOMPARE(app.GetDocTemplates().size(), size_t(1));
        auto* docTemplate = dynamic_cast<CKDocTemplate*>(app.GetDocTemplates().front().get());
        QCOMPARE(
            QString::fromLatin1(docTemplate->GetViewClass()->m_lpszClassName), QStringLiteral("CSUProfileEditorView"));
        // Loading registered the module's names in the process's one registry,
        // where this program finds them under the same ids.
        const QStringList messages = RegisteredNames(GetWindowMessageName);
        const QStringList formats = RegisteredNames(GetClipboardFormatName);
        for (const QString& name : ModuleMessages) {
            QVERIFY2(messages.contains(name), qPrintable(name));
            QCOMPARE(
                GetWindowMessageName(RegisterWindowMessage(name.toLatin1().constData())), CString::FromQString(name));
        }
        for (const QString& name : SomeModuleFormats) {
            QVERIFY2(formats.contains(name), qPrintable(name));
            QCOMPARE(GetClipboardFormatName(RegisterClipboardFormat(name.toLatin1().constData())),
                CString::FromQString(name));
        }
        QCOMPARE(formats.size(), 30);
        // The module stays loaded: the application owns objects made by its code.
    }
};

PE_TEST_MAIN(ModuleLoadTest)
#include "tst_moduleload.moc"
