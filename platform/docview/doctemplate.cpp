#include "platform/docview/doctemplate.h"

#include "platform/docview/document.h"
#include "platform/docview/frame.h"

IMPLEMENT_DYNAMIC(CDocTemplate, CCmdTarget)

CDocTemplate::CDocTemplate(UINT resourceId, const CRuntimeClass* documentClass, const CRuntimeClass* frameClass,
    const CRuntimeClass* viewClass)
    : m_resourceId(resourceId), m_documentClass(documentClass), m_frameClass(frameClass), m_viewClass(viewClass)
{
}

CDocument* CDocTemplate::CreateNewDocument()
{
    if (!m_documentClass)
        return nullptr;
    CObject* object = m_documentClass->CreateObject();
    auto* document = dynamic_cast<CDocument*>(object);
    if (!document) {
        delete object;
        return nullptr;
    }
    document->SetDocTemplate(this);
    return document;
}

CFrameWnd* CDocTemplate::CreateNewFrame(CDocument* document)
{
    if (!m_frameClass)
        return nullptr;
    CObject* object = m_frameClass->CreateObject();
    auto* frame = dynamic_cast<CFrameWnd*>(object);
    if (!frame) {
        delete object;
        return nullptr;
    }
    CCreateContext context;
    context.m_pNewViewClass = m_viewClass;
    context.m_pCurrentDoc = document;
    context.m_pNewDocTemplate = this;
    // A frame that fails to load has destroyed itself.
    if (!frame->LoadFrame(m_resourceId, WS_OVERLAPPEDWINDOW | FWS_ADDTOTITLE, nullptr, &context))
        return nullptr;
    return frame;
}

void CDocTemplate::InitialUpdateFrame(CFrameWnd* frame, CDocument* document, bool makeVisible)
{
    if (frame)
        frame->InitialUpdateFrame(document, makeVisible);
}

CFrameWnd* CDocTemplate::OpenDocument(CDocument* document)
{
    CFrameWnd* frame = CreateNewFrame(document);
    if (frame)
        InitialUpdateFrame(frame, document, true);
    return frame;
}
