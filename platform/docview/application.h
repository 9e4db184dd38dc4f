#pragma once

// The application object: its document templates, main window and MDI area.

#include "platform/windows/wnd.h"

#include <memory>
#include <vector>

class CDocTemplate;
class QMdiArea;

class CWinApp : public CCmdTarget {
public:
    CWinApp();
    ~CWinApp() override;
    CWinApp(const CWinApp&) = delete;
    CWinApp& operator=(const CWinApp&) = delete;

    // Takes ownership of the template.
    void AddDocTemplate(CDocTemplate* docTemplate);
    const std::vector<std::unique_ptr<CDocTemplate>>& GetDocTemplates() const { return m_templates; }

    // The area in which MDI child frames open; null opens them as top-level windows.
    QMdiArea* GetMdiArea() const { return m_mdiArea; }
    void SetMdiArea(QMdiArea* area) { m_mdiArea = area; }

    CWnd* m_pMainWnd = nullptr;

private:
    std::vector<std::unique_ptr<CDocTemplate>> m_templates;
    QMdiArea* m_mdiArea = nullptr;
};

// The one application object of the process, or null.
CWinApp* AfxGetApp();
CWnd* AfxGetMainWnd();
