#include "platform/docview/document.h"

#include "platform/docview/frame.h"
#include "platform/docview/view.h"

#include <QCoreApplication>
#include <QObject>

#include <algorithm>

namespace {

// Deletes a document when Qt deletes it: posted with deleteLater, once
// control is back in the event loop that was running when it was posted.
class DocumentDeleter : public QObject {
public:
    explicit DocumentDeleter(CDocument* document) : m_document(document) { }
    ~DocumentDeleter() override { delete m_document; }
    DocumentDeleter(const DocumentDeleter&) = delete;
    DocumentDeleter& operator=(const DocumentDeleter&) = delete;

private:
    CDocument* m_document;
};

} // namespace

IMPLEMENT_DYNCREATE(CDocument, CCmdTarget)

CDocument::~CDocument()
{
    // Views outliving their document must not call back into it.
    for (CView* view : m_views)
        view->m_pDocument = nullptr;
}

void CDocument::AddView(CView* view)
{
    if (std::find(m_views.begin(), m_views.end(), view) == m_views.end())
        m_views.push_back(view);
}

void CDocument::RemoveView(CView* view)
{
    m_views.erase(std::remove(m_views.begin(), m_views.end(), view), m_views.end());
    OnChangedViewList();
}

void CDocument::UpdateAllViews(CView* sender, LPARAM hint, CObject* hintObject)
{
    // A view may close while it is told; work on a copy and skip the gone.
    const std::vector<CView*> views = m_views;
    for (CView* view : views) {
        if (view != sender && std::find(m_views.begin(), m_views.end(), view) != m_views.end())
            view->OnUpdate(sender, hint, hintObject);
    }
}

void CDocument::OnChangedViewList()
{
    if (m_views.empty() && m_bAutoDelete && !m_closing)
        OnCloseDocument();
}

void CDocument::OnCloseDocument()
{
    const bool autoDelete = m_bAutoDelete;
    m_closing = true;
    const std::vector<CView*> views = m_views;
    for (CView* view : views) {
        if (std::find(m_views.begin(), m_views.end(), view) == m_views.end())
            continue;
        if (CWnd* frame = view->GetParentFrame())
            frame->DestroyWindow();
        else
            view->DestroyWindow();
    }
    m_closing = false;
    if (autoDelete)
        DeleteAfterCurrentMessage();
}

void CDocument::DeleteAfterCurrentMessage()
{
    if (m_deletePending)
        return;
    m_deletePending = true;
    if (!QCoreApplication::instance()) {
        delete this;
        return;
    }
    (new DocumentDeleter(this))->deleteLater();
}
