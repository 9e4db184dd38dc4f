// The module entry and what loading the module registers: the document
// template, the shared ids and the module's resources.

#include "host/entry/moduleentry.h"
#include "host/frame/profileeditorframe.h"
#include "host/services/kbaseapp.h"
#include "host/services/kdoctemplate.h"
#include "host/services/ksudocument.h"
#include "host/sharedids/sharedids.h"
#include "resources/editorresources.h"
#include "resources/hostmenu.h"
#include "support/projecttest.h"
#include "view/profileeditorview.h"

#include "platform/core/registry.h"

#include <QKeySequence>
#include <QTest>

class ModuleEntryTest : public QObject {
    Q_OBJECT
private slots:
    void templateNamesTheEditorsTypeAndClasses()
    {
        CKBaseApp app;
        QCOMPARE(KDInitDll(0xFFFFFFFFu), 1); // whatever its argument
        QCOMPARE(app.GetDocTemplates().size(), size_t(1));
        auto* docTemplate = dynamic_cast<CKDocTemplate*>(app.GetDocTemplates().front().get());
        QCOMPARE(QString::fromStdString(GuidToString(docTemplate->GetDocumentType())),
            QStringLiteral("{DD21FFC0-23A9-11D1-997A-00609733460C}"));
        QCOMPARE(docTemplate->GetResourceId(), 13302u);
        QCOMPARE(docTemplate->GetDocClass(), RUNTIME_CLASS(CKSUDocument));
        QCOMPARE(docTemplate->GetFrameClass(), RUNTIME_CLASS(CSUProfileEditorFrame));
        QCOMPARE(docTemplate->GetViewClass(), RUNTIME_CLASS(CSUProfileEditorView));
    }

    void withoutAnApplicationTheTemplateIsNotLeaked()
    {
        // The sanitizer build reports a leak if the template is dropped.
        QCOMPARE(AfxGetApp(), nullptr);
        QCOMPARE(KDInitDll(7), 1);
    }

    void sharedIdsAreRegisteredByName()
    {
        QCOMPARE(SharedIds::InPlaceControlMessage(), SharedIds::ListControlMessage());
        QCOMPARE(SharedIds::InPlaceControlMessage(), RegisterWindowMessage("ipc_CtrlMsg"));
        QCOMPARE(SharedIds::DragListMessage(), RegisterWindowMessage("commctrl_DragListMsg"));
        QCOMPARE(SharedIds::ShowVarnelViewMessage(), RegisterWindowMessage("SHOW_VARNELVIEW"));
        QCOMPARE(SharedIds::VariablePathFormat(), RegisterClipboardFormat("Lumen Variable Path Format"));
        QCOMPARE(SharedIds::ProfileVariableNameFormat(), RegisterClipboardFormat("Profile Variable Name Format"));
    }

    void moduleResourcesHoldStringsMenuAndKeys()
    {
        const HINSTANCE module = &EditorResourceModule();
        QVERIFY(AfxResourceChain().size() >= 1);
        QCOMPARE(CString(module->FindString(1)), CString("Profile Editor"));
        QCOMPARE(CString(module->FindString(50229)),
            CString("Create a profile table\nNew Profile Table\nNew Profile Table"));
        QVERIFY(module->FindString(50265) && module->FindString(50266) && module->FindString(50268));

        const auto* menu = module->FindMenu(13302);
        QStringList popups;
        for (const MenuItemResource& popup : *menu)
            popups << QString::fromStdString(popup.text).remove(QLatin1Char('&'));
        QCOMPARE(popups, (QStringList {"File", "Edit", "View", "Tools", "Run", "Window", "Help"}));

        const auto* keys = module->FindAccelerators(13302);
        QCOMPARE(keys->size(), size_t(32));
        QSet<QKeySequence> sequences;
        UINT f5Command = 0;
        for (const AcceleratorResource& key : *keys) {
            const QKeySequence sequence(QString::fromStdString(key.keys));
            QVERIFY2(!sequence.isEmpty(), key.keys.c_str());
            sequences.insert(sequence);
            if (sequence == QKeySequence(Qt::Key_F5))
                f5Command = key.command;
        }
        QCOMPARE(sequences.size(), 32);
        QCOMPARE(f5Command, HostCommandRun);
        QVERIFY(!sequences.contains(QKeySequence(Qt::CTRL | Qt::Key_D)));
    }
};

PE_TEST_MAIN(ModuleEntryTest)
#include "tst_moduleentry.moc"
