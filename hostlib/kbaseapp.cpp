#include "host/services/kbaseapp.h"

#include <QLoggingCategory>

Q_LOGGING_CATEGORY(lcHostHelp, "pe.workbench.help")

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

void CKBaseApp::WinHelp(DWORD_PTR context, UINT command)
{
    if (m_helpHandler)
        m_helpHandler(context, command);
    else
        qCInfo(lcHostHelp, "Help asked for context %llu with command %u; no help is installed.",
            static_cast<unsigned long long>(context), command);
}
