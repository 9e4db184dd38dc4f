#include "platform/docview/view.h"

#include "platform/docview/document.h"
#include "platform/docview/frame.h"

#include <QMdiSubWindow>
#include <QVBoxLayout>
#include <QWidget>

IMPLEMENT_DYNAMIC(CView, CWnd)

CView::~CView()
{
    if (m_pDocument) {
        CDocument* document = m_pDocument;
        m_pDocument = nullptr;
        document->RemoveView(this);
    }
}

QWidget* CView::CreateViewWidget(QWidget* parent)
{
    return new QWidget(parent);
}

bool CView::Create(CFrameWnd* frame, CDocument* document)
{
    QWidget* frameWidget = frame ? frame->GetSafeHwnd() : nullptr;
    QWidget* widget = CreateViewWidget(nullptr);
    if (!widget)
        return false;
    if (auto* sub = qobject_cast<QMdiSubWindow*>(frameWidget)) {
        sub->setWidget(widget);
    } else if (frameWidget) {
        auto* layout = new QVBoxLayout(frameWidget);
        layout->setContentsMargins(0, 0, 0, 0);
        layout->addWidget(widget);
    }
    if (!Attach(widget)) {
        delete widget;
        return false;
    }
    m_pDocument = document;
    if (document)
        document->AddView(this);
    if (frame)
        frame->SetActiveView(this);
    return true;
}

void CView::OnInitialUpdate()
{
    OnUpdate(nullptr, 0, nullptr);
}

void CView::OnUpdate(CView* /*sender*/, LPARAM /*hint*/, CObject* /*hintObject*/)
{
    Invalidate();
}

void CView::PostNcDestroy()
{
    delete this;
}
