#pragma once

// A view: the window inside a frame that shows a document.

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

    // Views delete themselves with their window.
    void PostNcDestroy() override;

protected:
    friend class CDocument;
    // The widget of the view; a plain widget unless a class needs another.
    virtual QWidget* CreateViewWidget(QWidget* parent);

    CDocument* m_pDocument = nullptr;
};
