#pragma once

// The host's document: a document that carries the view context of the view
// it is opened for.

#include "host/services/viewcontext.h"
#include "platform/docview/document.h"

#include <string>

class CKDocument : public CDocument {
    DECLARE_DYNCREATE(CKDocument)
public:
    CKDocument();

    // The view context of `document`'s view; null for a null document.
    static const tag_VarnelViewContext* GetViewContext(const CDocument* document);

    // Set by the host before it opens a view: the context name and the edited
    // object (the document keeps its own copy of the name, and one reference).
    void SetViewContext(const char* contextName, IUnknown* editedObject);
    ~CKDocument() override;

    // Tells the views and writes the hint to the host's call log.
    void UpdateAllViews(CView* sender, LPARAM hint = 0, CObject* hintObject = nullptr) override;

private:
    tag_VarnelViewContext m_context {};
    std::string m_contextName;
};
