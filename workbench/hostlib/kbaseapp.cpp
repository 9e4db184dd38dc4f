#include "host/services/kbaseapp.h"

CDocument* CKBaseApp::GetCurrentDocument()
{
    // The document the host made current, not the active window's: while a
    // second editor is being made the first one is still the active window.
    auto* app = dynamic_cast<CKBaseApp*>(AfxGetApp());
    return app ? app->m_currentDocument : nullptr;
}

void CKBaseApp::ForgetDocument(CDocument* document)
{
    if (m_currentDocument == document)
        m_currentDocument = nullptr;
}
