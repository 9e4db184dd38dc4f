#include "host/services/kbaseapp.h"

#include "platform/docview/frame.h"
#include "platform/docview/view.h"

#include <QMdiArea>
#include <QMdiSubWindow>

CDocument* CKBaseApp::GetCurrentDocument()
{
    auto* app = dynamic_cast<CKBaseApp*>(AfxGetApp());
    if (!app)
        return nullptr;
    if (QMdiArea* area = app->GetMdiArea()) {
        if (QMdiSubWindow* active = area->activeSubWindow()) {
            if (auto* frame = dynamic_cast<CFrameWnd*>(CWnd::FromHandlePermanent(active))) {
                if (CDocument* document = frame->GetActiveDocument())
                    return document;
            }
        }
    }
    return app->m_currentDocument;
}

void CKBaseApp::ForgetDocument(CDocument* document)
{
    if (m_currentDocument == document)
        m_currentDocument = nullptr;
}
