#pragma once

// A view: the window inside a frame that shows a document.

#include "platform/ole/oledataobject.h"
#include "platform/windows/wnd.h"

class CDocument;
class CFrameWnd;

class CView : public CWnd {
    DECLARE_DYNAMIC(CView)
public:
    ~CView() override;

    CDocument* GetDocument() const { return m_pDocument; }
    // Creates the view's window as the frame's client and joins the document.
    virtual bool Create(CFrameWnd* frame, CDocument* document);

    virtual void OnInitialUpdate();
    // Told by the document's UpdateAllViews; the default repaints.
    virtual void OnUpdate(CView* sender, LPARAM hint, CObject* hintObject);

    // A drag over the view's window, once the view is registered with a
    // COleDropTarget: the effect the drop would have at `point` (window
    // coordinates), then the drop itself; the defaults refuse.
    virtual DROPEFFECT OnDragEnter(const COleDataObject* data, DWORD keyState, CPoint point);
    virtual DROPEFFECT OnDragOver(const COleDataObject* data, DWORD keyState, CPoint point);
    virtual void OnDragLeave() { }
    virtual bool OnDrop(const COleDataObject* data, DROPEFFECT effect, CPoint point);

    // Views delete themselves with their window.
    void PostNcDestroy() override;

protected:
    friend class CDocument;
    // The widget of the view; a plain widget unless a class needs another.
    virtual QWidget* CreateViewWidget(QWidget* parent);

    CDocument* m_pDocument = nullptr;
};
