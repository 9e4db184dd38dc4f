#pragma once

// A document with its views: UpdateAllViews tells every view but the sender.

#include "platform/core/cstring.h"
#include "platform/windows/wnd.h"

#include <vector>

class CView;
class CDocTemplate;

class CDocument : public CCmdTarget {
    DECLARE_DYNCREATE(CDocument)
public:
    CDocument() = default;
    ~CDocument() override;
    CDocument(const CDocument&) = delete;
    CDocument& operator=(const CDocument&) = delete;

    void AddView(CView* view);
    void RemoveView(CView* view);
    const std::vector<CView*>& GetViews() const { return m_views; }

    virtual void UpdateAllViews(CView* sender, LPARAM hint = 0, CObject* hintObject = nullptr);

    const CString& GetTitle() const { return m_title; }
    virtual void SetTitle(const char* title) { m_title = title; }
    CDocTemplate* GetDocTemplate() const { return m_template; }
    void SetDocTemplate(CDocTemplate* docTemplate) { m_template = docTemplate; }

    // Destroys every frame that shows the document, then, when it deletes
    // itself with its last view (auto-delete), deletes the document once the
    // message being handled returns: the handler that closed the last frame
    // may still tell the document's views.
    virtual void OnCloseDocument();
    // After a view joined or left: a document left without views closes.
    virtual void OnChangedViewList();

    bool m_bAutoDelete = true;

private:
    std::vector<CView*> m_views;
    CString m_title;
    CDocTemplate* m_template = nullptr;
    bool m_closing = false;
    bool m_deletePending = false;

    void DeleteAfterCurrentMessage();
};
