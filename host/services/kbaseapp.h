#pragma once

// The host's application object.

#include "platform/core/cstring.h"
#include "platform/docview/application.h"

#include <functional>

class CDocument;

class CKBaseApp : public CWinApp {
public:
    // The document the host made current.
    static CDocument* GetCurrentDocument();
    void SetCurrentDocument(CDocument* document) { m_currentDocument = document; }
    // Forgets a document that is going away.
    void ForgetDocument(CDocument* document);

    // Help (see hosthelp.h): the help file the application keeps, and the
    // topic for a context number with a help command, which the handler the
    // host installed shows. Without a handler the request is only logged.
    const CString& GetHelpFilePath() const { return m_helpFilePath; }
    void SetHelpFilePath(const CString& path) { m_helpFilePath = path; }
    using HelpHandler = std::function<void(DWORD_PTR context, UINT command)>;
    void SetHelpHandler(HelpHandler handler) { m_helpHandler = std::move(handler); }
    void WinHelp(DWORD_PTR context, UINT command);

private:
    CDocument* m_currentDocument = nullptr;
    CString m_helpFilePath = "workbench.hlp";
    HelpHandler m_helpHandler;
};
