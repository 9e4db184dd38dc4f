#pragma once

// A document template: creates a document, its frame and its view by class.

#include "platform/core/object.h"
#include "platform/windows/wnd.h"

class CDocument;
class CFrameWnd;

class CDocTemplate : public CCmdTarget {
    DECLARE_DYNAMIC(CDocTemplate)
public:
    CDocTemplate(UINT resourceId, const CRuntimeClass* documentClass, const CRuntimeClass* frameClass,
        const CRuntimeClass* viewClass);

    UINT GetResourceId() const { return m_resourceId; }
    const CRuntimeClass* GetDocClass() const { return m_documentClass; }
    const CRuntimeClass* GetFrameClass() const { return m_frameClass; }
    const CRuntimeClass* GetViewClass() const { return m_viewClass; }

    // Null when the class cannot be created by class or is not a document.
    virtual CDocument* CreateNewDocument();
    // Creates the frame by class and the view inside it; null on failure.
    virtual CFrameWnd* CreateNewFrame(CDocument* document);
    // Runs the view's initial update and shows the frame.
    virtual void InitialUpdateFrame(CFrameWnd* frame, CDocument* document, bool makeVisible = true);
    // The three steps together, as opening a document does.
    CFrameWnd* OpenDocument(CDocument* document);

private:
    UINT m_resourceId;
    const CRuntimeClass* m_documentClass;
    const CRuntimeClass* m_frameClass;
    const CRuntimeClass* m_viewClass;
};
