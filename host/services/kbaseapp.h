#pragma once

// The host's application object.

#include "platform/docview/application.h"

class CDocument;

class CKBaseApp : public CWinApp {
public:
    // The document the host made current.
    static CDocument* GetCurrentDocument();
    void SetCurrentDocument(CDocument* document) { m_currentDocument = document; }
    // Forgets a document that is going away.
    void ForgetDocument(CDocument* document);

private:
    CDocument* m_currentDocument = nullptr;
};
