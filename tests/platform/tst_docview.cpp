// The document/view framework: creation by class through a template, update
// hints, and closing a frame with its view and document.

#include "platform/core/collections.h"
#include "platform/docview/application.h"
#include "platform/docview/doctemplate.h"
#include "platform/docview/document.h"
#include "platform/docview/frame.h"
#include "platform/docview/view.h"
#include "support/projecttest.h"

#include <QMdiArea>
#include <QMdiSubWindow>
#include <QTest>

namespace {

int g_documentsAlive = 0;
int g_viewsAlive = 0;
int g_framesAlive = 0;

class TestDocument : public CDocument {
    DECLARE_DYNCREATE(TestDocument)
public:
    TestDocument() { ++g_documentsAlive; }
    ~TestDocument() override { --g_documentsAlive; }
};
IMPLEMENT_DYNCREATE(TestDocument, CDocument)

class TestView : public CView {
    DECLARE_DYNCREATE(TestView)
public:
    TestView() { ++g_viewsAlive; }
    ~TestView() override { --g_viewsAlive; }
    void OnInitialUpdate() override { ++initialUpdates; }
    void OnUpdate(CView* sender, LPARAM hint, CObject* object) override { updates.push_back({sender, hint, object}); }
    struct Update {
        CView* sender;
        LPARAM hint;
        CObject* object;
    };
    int initialUpdates = 0;
    std::vector<Update> updates;
};
IMPLEMENT_DYNCREATE(TestView, CView)

class TestFrame : public CMDIChildWnd {
    DECLARE_DYNCREATE(TestFrame)
public:
    TestFrame() { ++g_framesAlive; }
    ~TestFrame() override { --g_framesAlive; }
};
IMPLEMENT_DYNCREATE(TestFrame, CMDIChildWnd)

} // namespace

class DocViewTest : public QObject {
    Q_OBJECT
private slots:
    void init()
    {
        m_app = std::make_unique<CWinApp>();
        m_area = std::make_unique<QMdiArea>();
        m_app->SetMdiArea(m_area.get());
        m_template
            = new CDocTemplate(1, RUNTIME_CLASS(TestDocument), RUNTIME_CLASS(TestFrame), RUNTIME_CLASS(TestView));
        m_app->AddDocTemplate(m_template);
    }

    void cleanup()
    {
        m_area.reset();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        m_app.reset();
        QCOMPARE(g_framesAlive, 0);
        QCOMPARE(g_viewsAlive, 0);
    }

    void updateAllViewsSkipsTheSender()
    {
        CDocument* document = m_template->CreateNewDocument();
        document->m_bAutoDelete = false;
        auto* first = dynamic_cast<TestView*>(m_template->OpenDocument(document)->GetActiveView());
        auto* second = dynamic_cast<TestView*>(m_template->OpenDocument(document)->GetActiveView());
        CStringArray object {"B1", "B1.Plot"};
        document->UpdateAllViews(first, 823, &object);
        QVERIFY(first->updates.empty());
        QCOMPARE(static_cast<int>(second->updates.size()), 1);
        QCOMPARE(second->updates[0].sender, first);
        QCOMPARE(second->updates[0].hint, LPARAM(823));
        QCOMPARE(second->updates[0].object, &object);
        document->OnCloseDocument();
        delete document;
    }

    void closingTheFrameDestroysViewAtOnceAndDocumentAfterTheMessage()
    {
        const int documentsBefore = g_documentsAlive;
        CFrameWnd* frame = m_template->OpenDocument(m_template->CreateNewDocument());
        QCOMPARE(g_viewsAlive, 1);
        frame->SendMessage(WM_CLOSE);
        // Frame and view go synchronously; the document, like the widgets, once
        // the message that closed its last frame has been handled.
        QCOMPARE(g_framesAlive, 0);
        QCOMPARE(g_viewsAlive, 0);
        QCOMPARE(g_documentsAlive, documentsBefore + 1);
        QVERIFY(m_area->subWindowList().isEmpty());
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCOMPARE(g_documentsAlive, documentsBefore);

        // Qt's own close of the sub-window goes through the frame too.
        frame = m_template->OpenDocument(m_template->CreateNewDocument());
        qobject_cast<QMdiSubWindow*>(frame->GetSafeHwnd())->close();
        QCOMPARE(g_framesAlive, 0);
        QCOMPARE(g_viewsAlive, 0);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCOMPARE(g_documentsAlive, documentsBefore);
    }

    void aViewClassThatCannotBeCreatedFailsTheFrame()
    {
        static const CRuntimeClass notCreatable = {"NotCreatable", nullptr, RUNTIME_CLASS(CObject)};
        CDocTemplate broken(2, RUNTIME_CLASS(TestDocument), RUNTIME_CLASS(TestFrame), &notCreatable);
        CDocument* document = broken.CreateNewDocument();
        document->m_bAutoDelete = false;
        QCOMPARE(broken.CreateNewFrame(document), nullptr);
        QCOMPARE(g_framesAlive, 0);
        QCOMPARE(document->GetViews().size(), size_t(0));
        delete document;
    }

private:
    std::unique_ptr<CWinApp> m_app;
    std::unique_ptr<QMdiArea> m_area;
    CDocTemplate* m_template = nullptr;
};

PE_TEST_MAIN(DocViewTest)
#include "tst_docview.moc"
