#include "host/frame/profileeditorframe.h"

#include "host/frame/editorviewlink.h"
#include "resources/editorresources.h"

IMPLEMENT_DYNCREATE(CSUProfileEditorFrame, CKSUMDIChildFrame)

namespace {
constexpr UINT TitleStringId = 1;
constexpr int MinimumFrameSize = 100;
} // namespace

// The module's resources are current while any editor frame lives. The module
// that was current before the first frame opened is current again when the last
// one closes, whatever the order in which they close.
namespace {
int g_liveFrames = 0;
HINSTANCE g_resourceModuleBeforeEditors = nullptr;
} // namespace

CSUProfileEditorFrame::CSUProfileEditorFrame()
{
    if (g_liveFrames++ == 0)
        g_resourceModuleBeforeEditors = AfxGetResourceHandle();
    AfxSetResourceHandle(&EditorResourceModule());
    m_title.LoadString(TitleStringId);
}

CSUProfileEditorFrame::~CSUProfileEditorFrame()
{
    if (--g_liveFrames == 0)
        AfxSetResourceHandle(g_resourceModuleBeforeEditors);
}

void CSUProfileEditorFrame::SetSizeLimits(int maxWidth, int maxHeight)
{
    m_minWidth = MinimumFrameSize;
    m_minHeight = MinimumFrameSize;
    m_maxWidth = maxWidth;
    m_maxHeight = maxHeight;
}

void CSUProfileEditorFrame::SetTitleSuffix(const char* text)
{
    SetWindowText(m_title + " - " + text);
}

int CSUProfileEditorFrame::QueryHostFrameState()
{
    return 0;
}

bool CSUProfileEditorFrame::PreCreateWindow(CREATESTRUCT& cs)
{
    // The caption is the frame's own; the framework must not append the document title.
    cs.style &= ~FWS_ADDTOTITLE;
    return CKSUMDIChildFrame::PreCreateWindow(cs);
}

void CSUProfileEditorFrame::ClampSizing(RECT& rect) const
{
    if (rect.right - rect.left < m_minWidth)
        rect.right = rect.left + m_minWidth;
    if (rect.right - rect.left > m_maxWidth)
        rect.right = rect.left + m_maxWidth;
    if (rect.bottom - rect.top < m_minHeight)
        rect.bottom = rect.top + m_minHeight;
    if (rect.bottom - rect.top > m_maxHeight)
        rect.bottom = rect.top + m_maxHeight;
}

bool CSUProfileEditorFrame::OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result)
{
    switch (message) {
    case WM_CREATE:
        if (CKSUMDIChildFrame::OnCreate(reinterpret_cast<CREATESTRUCT*>(lParam)) == -1) {
            *result = -1;
            return true;
        }
        SetTitleSuffix("");
        *result = 0;
        return true;
    case WM_SIZING:
        if (lParam)
            ClampSizing(*reinterpret_cast<RECT*>(lParam));
        *result = TRUE;
        return true;
    case WM_CLOSE:
        m_closing = 1;
        CKSUMDIChildFrame::OnClose();
        *result = 0;
        return true;
    case WM_PE_RECEIVE_PROFILE:
        if (m_view && lParam)
            m_view->ReceiveProfile(reinterpret_cast<const CSUPEProfile*>(lParam));
        *result = 0;
        return true;
    case WM_PE_CLOSE_EDITOR:
        CKSUMDIChildFrame::OnClose();
        *result = 0;
        return true;
    case WM_PE_RELOAD_DEFINITION:
        if (m_view)
            m_view->ReloadDefinition();
        *result = 0;
        return true;
    default:
        return CKSUMDIChildFrame::OnWndMsg(message, wParam, lParam, result);
    }
}
