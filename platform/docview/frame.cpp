#include "platform/docview/frame.h"

#include "platform/docview/application.h"
#include "platform/docview/document.h"
#include "platform/docview/view.h"

#include <QCloseEvent>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QResizeEvent>

IMPLEMENT_DYNAMIC(CFrameWnd, CWnd)
IMPLEMENT_DYNAMIC(CMDIChildWnd, CFrameWnd)

namespace {

// Gives a frame's window the frame's close handling and size limits: Qt's
// close becomes WM_CLOSE, and every resize is offered as WM_SIZING first.
template <class Base> class FrameWidget : public Base {
public:
    using Base::Base;

protected:
    void closeEvent(QCloseEvent* event) override
    {
        // The frame decides; its close handling destroys the window itself.
        event->ignore();
        ::SendMessage(this, WM_CLOSE);
    }

    void resizeEvent(QResizeEvent* event) override
    {
        Base::resizeEvent(event);
        if (m_clamping)
            return;
        const QPoint topLeft = this->mapToGlobal(QPoint(0, 0));
        RECT proposed {topLeft.x(), topLeft.y(), topLeft.x() + this->width(), topLeft.y() + this->height()};
        ::SendMessage(this, WM_SIZING, WMSZ_BOTTOMRIGHT, reinterpret_cast<LPARAM>(&proposed));
        const int width = proposed.right - proposed.left;
        const int height = proposed.bottom - proposed.top;
        if (width > 0 && height > 0 && (width != this->width() || height != this->height())) {
            m_clamping = true;
            this->resize(width, height);
            m_clamping = false;
        }
    }

private:
    bool m_clamping = false;
};

} // namespace

CDocument* CFrameWnd::GetActiveDocument() const
{
    return m_activeView ? m_activeView->GetDocument() : nullptr;
}

bool CFrameWnd::PreCreateWindow(CREATESTRUCT& /*cs*/)
{
    return true;
}

QWidget* CFrameWnd::CreateFrameWidget(const CREATESTRUCT& /*cs*/)
{
    return new FrameWidget<QWidget>;
}

bool CFrameWnd::LoadFrame(UINT /*resourceId*/, DWORD style, CWnd* /*parent*/, CCreateContext* context)
{
    CREATESTRUCT cs;
    cs.style = style;
    if (!PreCreateWindow(cs)) {
        PostNcDestroy();
        return false;
    }
    m_frameStyle = cs.style;
    QWidget* widget = CreateFrameWidget(cs);
    if (!widget || !Attach(widget)) {
        delete widget;
        PostNcDestroy();
        return false;
    }
    ModifyStyle(0, cs.style);
    if (auto* sub = qobject_cast<QMdiSubWindow*>(widget)) {
        sub->setAttribute(Qt::WA_DeleteOnClose, false);
        if (CWinApp* app = AfxGetApp(); app && app->GetMdiArea())
            app->GetMdiArea()->addSubWindow(sub);
    }
    m_creationContext = context;
    const LRESULT created = SendMessage(WM_CREATE, 0, reinterpret_cast<LPARAM>(&cs));
    m_creationContext = nullptr;
    if (created == -1) {
        DestroyWindow();
        return false;
    }
    return true;
}

bool CFrameWnd::OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result)
{
    switch (message) {
    case WM_CREATE:
        *result = OnCreate(reinterpret_cast<CREATESTRUCT*>(lParam));
        return true;
    case WM_CLOSE:
        OnClose();
        *result = 0;
        return true;
    default:
        return CWnd::OnWndMsg(message, wParam, lParam, result);
    }
}

int CFrameWnd::OnCreate(CREATESTRUCT* cs)
{
    return OnCreateClient(cs, m_creationContext) ? 0 : -1;
}

bool CFrameWnd::OnCreateClient(CREATESTRUCT* /*cs*/, CCreateContext* context)
{
    if (!context || !context->m_pNewViewClass)
        return true; // a frame without a view
    CObject* object = context->m_pNewViewClass->CreateObject();
    auto* view = dynamic_cast<CView*>(object);
    if (!view) {
        delete object;
        return false;
    }
    if (!view->Create(this, context->m_pCurrentDoc)) {
        delete view;
        return false;
    }
    return true;
}

void CFrameWnd::OnUpdateFrameTitle(bool addToTitle)
{
    CDocument* document = GetActiveDocument();
    if (addToTitle && (m_frameStyle & FWS_ADDTOTITLE) && document)
        SetWindowText(document->GetTitle());
}

void CFrameWnd::InitialUpdateFrame(CDocument* /*document*/, bool makeVisible)
{
    if (CView* view = GetActiveView())
        view->OnInitialUpdate();
    OnUpdateFrameTitle(true);
    if (makeVisible && GetSafeHwnd()) {
        GetSafeHwnd()->show();
        if (auto* sub = qobject_cast<QMdiSubWindow*>(GetSafeHwnd()); sub && sub->mdiArea())
            sub->mdiArea()->setActiveSubWindow(sub);
    }
}

void CFrameWnd::OnClose()
{
    CDocument* document = GetActiveDocument();
    if (document && document->m_bAutoDelete && document->GetViews().size() == 1) {
        document->OnCloseDocument();
        return;
    }
    DestroyWindow();
}

void CFrameWnd::PostNcDestroy()
{
    delete this;
}

bool CMDIChildWnd::PreCreateWindow(CREATESTRUCT& cs)
{
    return CFrameWnd::PreCreateWindow(cs);
}

QWidget* CMDIChildWnd::CreateFrameWidget(const CREATESTRUCT& /*cs*/)
{
    return new FrameWidget<QMdiSubWindow>;
}
