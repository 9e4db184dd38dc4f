#include "view/profileeditorview.h"

#include "host/frame/profileeditorframe.h"
#include "host/services/kdocument.h"
#include "resources/editorform.h"

IMPLEMENT_DYNCREATE(CSUProfileEditorView, CFormView)

CSUProfileEditorView::CSUProfileEditorView() : CFormView(EditorFormId)
{
}

CSUProfileEditorFrame* CSUProfileEditorView::ParentFrame() const
{
    return dynamic_cast<CSUProfileEditorFrame*>(GetParentFrame());
}

void CSUProfileEditorView::FitFrameToForm()
{
    CSUProfileEditorFrame* frame = ParentFrame();
    if (!frame)
        return;
    frame->RecalcLayout();
    ResizeParentToFit(false);
    RECT window;
    frame->GetWindowRect(&window);
    frame->SetSizeLimits(window.right - window.left, window.bottom - window.top);
}

void CSUProfileEditorView::OnInitialUpdate()
{
    CFormView::OnInitialUpdate();
    FitFrameToForm();
    if (const tag_VarnelViewContext* context = CKDocument::GetViewContext(GetDocument()))
        m_contextName = context->contextName;
    if (CSUProfileEditorFrame* frame = ParentFrame())
        frame->SetTitleSuffix(m_contextName);
}
