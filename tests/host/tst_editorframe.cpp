// The module entry and what loading the module registers: the document
// template, the shared ids and the module's resources. And the editor frame:
// caption, resize clamp, closing flag, the host's messages routed to the view,
// and the module's resources current while it lives.

#include "host/entry/moduleentry.h"
#include "host/frame/editorviewlink.h"
#include "host/frame/profileeditorframe.h"
#include "host/services/kbaseapp.h"
#include "host/services/kdoctemplate.h"
#include "host/services/ksudocument.h"
#include "resources/editorresources.h"
#include "support/projecttest.h"
#include "view/profileeditorview.h"

#include <QKeySequence>

#include <QMdiArea>
#include <QTest>

namespace {

// Records what the frame tells it, and whether the frame was closing when
// the view went away.
class LinkedTestView : public CSUProfileEditorView {
    DECLARE_DYNCREATE(LinkedTestView)
public:
    // The view goes before its frame, so the frame can still be asked.
    ~LinkedTestView() override { s_closingAtDestruction = m_frame ? (m_frame->IsClosing() ? 1 : 0) : -2; }
    void OnInitialUpdate() override
    {
        // What WM_CREATE left, before the view names the context.
        if (CWnd* frame = GetParentFrame())
            captionBeforeUpdate = frame->GetWindowText();
        CSUProfileEditorView::OnInitialUpdate();
        m_frame = dynamic_cast<CSUProfileEditorFrame*>(GetParentFrame());
        currentDocumentAtUpdate = CKBaseApp::GetCurrentDocument();
        if (m_frame)
            m_frame->SetViewLink(this);
    }
    void ReceiveProfile(const CSUPEProfile* profile) override { received.push_back(profile); }
    void ReloadDefinition() override { ++reloads; }

    std::vector<const CSUPEProfile*> received;
    int reloads = 0;
    CDocument* currentDocumentAtUpdate = nullptr;
    CString captionBeforeUpdate;
    CSUProfileEditorFrame* m_frame = nullptr;
    static int s_closingAtDestruction;
};
IMPLEMENT_DYNCREATE(LinkedTestView, CSUProfileEditorView)
int LinkedTestView::s_closingAtDestruction = -1;

} // namespace

class EditorFrameTest : public QObject {
    Q_OBJECT
private slots:
    void init()
    {
        m_hostResources.AddString(1, "Host Application");
        AfxAddResourceModule(&m_hostResources);
        AfxSetResourceHandle(&m_hostResources);
        m_app = std::make_unique<CKBaseApp>();
        m_area = std::make_unique<QMdiArea>();
        m_area->resize(1600, 1200);
        m_area->show();
        m_app->SetMdiArea(m_area.get());
        m_template = std::make_unique<CKDocTemplate>(ProfileEditorDocumentType, ProfileEditorResourceId,
            RUNTIME_CLASS(CKSUDocument), RUNTIME_CLASS(CSUProfileEditorFrame), RUNTIME_CLASS(LinkedTestView), nullptr);
        LinkedTestView::s_closingAtDestruction = -1;
    }

    void cleanup()
    {
        m_area.reset();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        m_template.reset();
        m_app.reset();
        AfxRemoveResourceModule(&m_hostResources);
        AfxSetResourceHandle(nullptr);
    }

    void templateNamesTheEditorsTypeAndClasses()
    {
        QCOMPARE(KDInitDll(0xFFFFFFFFu), 1); // whatever its argument
        QCOMPARE(m_app->GetDocTemplates().size(), size_t(1));
        auto* docTemplate = dynamic_cast<CKDocTemplate*>(m_app->GetDocTemplates().front().get());
        QCOMPARE(QString::fromStdString(GuidToString(docTemplate->GetDocumentType())),
            QStringLiteral("{DD21FFC0-23A9-11D1-997A-00609733460C}"));
        QCOMPARE(docTemplate->GetResourceId(), 13302u);
        QCOMPARE(docTemplate->GetDocClass(), RUNTIME_CLASS(CKSUDocument));
        QCOMPARE(docTemplate->GetFrameClass(), RUNTIME_CLASS(CSUProfileEditorFrame));
        QCOMPARE(docTemplate->GetViewClass(), RUNTIME_CLASS(CSUProfileEditorView));

        // Without an application the template is not leaked (the sanitizer build
        // reports a leak if it is dropped).
        m_app.reset();
        QCOMPARE(AfxGetApp(), nullptr);
        QCOMPARE(KDInitDll(7), 1);
    }

    void moduleResourcesHoldStringsAndKeys()
    {
        const HINSTANCE module = &EditorResourceModule();
        QCOMPARE(CString(module->FindString(1)), CString("Profile Editor"));
        QCOMPARE(CString(module->FindString(50229)),
            CString("Create a profile table\nNew Profile Table\nNew Profile Table"));
        QVERIFY(module->FindString(50265) && module->FindString(50266) && module->FindString(50268));

        // The menu and F5's command reach the workbench's menu bar (tst_workbenchwindow).
        const auto* keys = module->FindAccelerators(13302);
        QCOMPARE(keys->size(), size_t(32));
        QSet<QKeySequence> sequences;
        for (const AcceleratorResource& key : *keys) {
            const QKeySequence sequence(QString::fromStdString(key.keys));
            QVERIFY2(!sequence.isEmpty(), key.keys.c_str());
            sequences.insert(sequence);
        }
        QCOMPARE(sequences.size(), 32);
        QVERIFY(!sequences.contains(QKeySequence(Qt::CTRL | Qt::Key_D)));
    }

    void captionNamesTheContext_data()
    {
        QTest::addColumn<QByteArray>("contextName");
        QTest::addColumn<QString>("caption");
        QTest::newRow("with a context") << QByteArray("A.B") << QStringLiteral("Profile Editor - A.B");
        QTest::newRow("empty context") << QByteArray("") << QStringLiteral("Profile Editor - ");
    }

    void captionNamesTheContext()
    {
        QFETCH(QByteArray, contextName);
        QFETCH(QString, caption);
        CSUProfileEditorFrame* frame = Open(contextName.constData());
        QCOMPARE(
            dynamic_cast<LinkedTestView*>(frame->GetActiveView())->captionBeforeUpdate, CString("Profile Editor - "));
        QCOMPARE(frame->GetWindowText(), CString::FromQString(caption));
        QVERIFY(!(frame->GetFrameStyle() & FWS_ADDTOTITLE));
        QCOMPARE(frame->QueryHostFrameState(), 0);
    }

    void sizingIsClampedBetween100AndTheFormSize_data()
    {
        QTest::addColumn<int>("width");
        QTest::addColumn<int>("height");
        QTest::addColumn<int>("expectedWidth");
        QTest::addColumn<int>("expectedHeight");
        // -1 stands for the fitted form size.
        QTest::newRow("too narrow") << 50 << 300 << 100 << 300;
        QTest::newRow("too low") << 300 << 20 << 300 << 100;
        QTest::newRow("too wide") << 5000 << 300 << -1 << 300;
        QTest::newRow("too high") << 300 << 5000 << 300 << -1;
        QTest::newRow("inside the limits") << 300 << 300 << 300 << 300;
    }

    void sizingIsClampedBetween100AndTheFormSize()
    {
        QFETCH(int, width);
        QFETCH(int, height);
        QFETCH(int, expectedWidth);
        QFETCH(int, expectedHeight);
        CSUProfileEditorFrame* frame = Open("B1.Plot");
        RECT fitted;
        frame->GetWindowRect(&fitted);
        if (expectedWidth < 0)
            expectedWidth = fitted.right - fitted.left;
        if (expectedHeight < 0)
            expectedHeight = fitted.bottom - fitted.top;
        QVERIFY(expectedWidth >= 100 && expectedHeight >= 100);

        RECT proposed {-40, 70, -40 + width, 70 + height};
        QCOMPARE(frame->SendMessage(WM_SIZING, WMSZ_BOTTOMRIGHT, reinterpret_cast<LPARAM>(&proposed)), LRESULT(TRUE));
        QCOMPARE(proposed.left, -40);
        QCOMPARE(proposed.top, 70);
        QCOMPARE(proposed.right - proposed.left, expectedWidth);
        QCOMPARE(proposed.bottom - proposed.top, expectedHeight);
    }

    void qtResizingIsClampedTooAndUnsetLimitsClampNothing()
    {
        CSUProfileEditorFrame* frame = Open("B1.Plot");
        QWidget* window = frame->GetSafeHwnd();
        const QSize fitted = window->size();
        QVERIFY(fitted.width() > 100 && fitted.height() > 100);
        window->resize(fitted.width() + 300, fitted.height() + 300);
        QCOMPARE(window->size(), fitted);
        window->resize(30, 30);
        QCOMPARE(window->size(), QSize(100, 100));

        // A frame whose view has not measured its form yet clamps nothing.
        auto* document = dynamic_cast<CKSUDocument*>(m_template->CreateNewDocument());
        document->m_bAutoDelete = false;
        auto* unmeasured = dynamic_cast<CSUProfileEditorFrame*>(m_template->CreateNewFrame(document));
        RECT proposed {0, 0, 0, 0};
        unmeasured->SendMessage(WM_SIZING, WMSZ_BOTTOMRIGHT, reinterpret_cast<LPARAM>(&proposed));
        QCOMPARE(proposed.right, 0);
        RECT large {10, 10, 3010, 2010};
        unmeasured->SendMessage(WM_SIZING, WMSZ_BOTTOMRIGHT, reinterpret_cast<LPARAM>(&large));
        QCOMPARE(large.right, 3010);
        QCOMPARE(large.bottom, 2010);
        unmeasured->DestroyWindow();
        delete document;
    }

    void closeSetsTheClosingFlagButTheHostsCloseDoesNot()
    {
        CSUProfileEditorFrame* frame = Open("B1.Plot");
        QVERIFY(!frame->IsClosing());
        frame->SendMessage(WM_PE_CLOSE_EDITOR);
        QCOMPARE(LinkedTestView::s_closingAtDestruction, 0);
        QVERIFY(m_area->subWindowList().isEmpty());

        frame = Open("B1.Plot");
        frame->SendMessage(WM_CLOSE);
        QCOMPARE(LinkedTestView::s_closingAtDestruction, 1);
        QVERIFY(m_area->subWindowList().isEmpty());
    }

    void hostMessagesReachTheView()
    {
        CSUProfileEditorFrame* frame = Open("B1.Plot");
        auto* view = dynamic_cast<LinkedTestView*>(frame->GetActiveView());
        QCOMPARE(frame->GetViewLink(), static_cast<IEditorViewLink*>(view));
        const auto* profile = reinterpret_cast<const CSUPEProfile*>(0x1000);
        QCOMPARE(frame->SendMessage(WM_PE_RECEIVE_PROFILE, 0, reinterpret_cast<LPARAM>(profile)), 0);
        QCOMPARE(frame->SendMessage(WM_PE_RELOAD_DEFINITION), 0);
        QCOMPARE(view->received, (std::vector<const CSUPEProfile*> {profile}));
        QCOMPARE(view->reloads, 1);
        // A message without a profile is not passed on.
        frame->SendMessage(WM_PE_RECEIVE_PROFILE, 0, 0);
        QCOMPARE(view->received.size(), size_t(1));
    }

    void moduleResourcesStayCurrentUntilTheLastFrameCloses_data()
    {
        QTest::addColumn<QList<int>>("closeOrder"); // indexes of the frames in the order opened
        QTest::newRow("one frame") << QList<int> {0};
        QTest::newRow("first opened closes first") << QList<int> {0, 1};
        QTest::newRow("last opened closes first") << QList<int> {1, 0};
    }

    void moduleResourcesStayCurrentUntilTheLastFrameCloses()
    {
        QFETCH(QList<int>, closeOrder);
        QCOMPARE(CString(AfxFindString(1)), CString("Host Application"));
        QList<CSUProfileEditorFrame*> frames;
        for (const char* context : {"A.Plot", "B.Plot"}) {
            if (frames.size() < closeOrder.size())
                frames << Open(context);
        }
        for (int frame : closeOrder) {
            QCOMPARE(AfxGetResourceHandle(), &EditorResourceModule());
            QCOMPARE(CString(AfxFindString(1)), CString("Profile Editor"));
            frames[frame]->SendMessage(WM_CLOSE);
        }
        QCOMPARE(AfxGetResourceHandle(), &m_hostResources);
        QCOMPARE(CString(AfxFindString(1)), CString("Host Application"));
    }

    void eachEditorReadsTheDocumentTheHostMadeCurrent()
    {
        // While the second editor is made, the first is the active window; its
        // document must not stand in for the one the host made current.
        CSUProfileEditorFrame* a = Open("A.Plot");
        CSUProfileEditorFrame* b = Open("B.Plot");
        for (CSUProfileEditorFrame* frame : {a, b}) {
            auto* view = dynamic_cast<LinkedTestView*>(frame->GetActiveView());
            QCOMPARE(view->currentDocumentAtUpdate, view->GetDocument());
        }
    }

private:
    CSUProfileEditorFrame* Open(const char* contextName)
    {
        auto* document = dynamic_cast<CKSUDocument*>(m_template->CreateNewDocument());
        document->SetViewContext(contextName, nullptr);
        m_app->SetCurrentDocument(document);
        return dynamic_cast<CSUProfileEditorFrame*>(m_template->OpenDocument(document));
    }

    std::unique_ptr<CKBaseApp> m_app;
    std::unique_ptr<QMdiArea> m_area;
    std::unique_ptr<CKDocTemplate> m_template;
    ResourceModule m_hostResources {"host"};
};

PE_TEST_MAIN(EditorFrameTest)
#include "tst_editorframe.moc"
