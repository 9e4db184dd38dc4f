#pragma once

// The MDI child frame holding one editor view. It keeps the module's resources
// current while it lives, clamps resizing to the form's size, and forwards the
// host's messages to the view.

#include "host/interfaces/editorcontract.h"
#include "host/services/ksumdichildframe.h"
#include "platform/core/resources.h"

class IEditorViewLink;

class CSUProfileEditorFrame : public CKSUMDIChildFrame {
    DECLARE_DYNCREATE(CSUProfileEditorFrame)
public:
    CSUProfileEditorFrame();
    ~CSUProfileEditorFrame() override;

    // Set by the view during its initial update; not owned.
    void SetViewLink(IEditorViewLink* view) { m_view = view; }
    IEditorViewLink* GetViewLink() const { return m_view; }
    // The frame may shrink to 100 x 100 pixels and never grow past this size.
    void SetSizeLimits(int maxWidth, int maxHeight);
    // Caption: "Profile Editor" + " - " + text.
    void SetTitleSuffix(const char* text);

    bool IsClosing() const { return m_closing != 0; }
    void SetClosing() { m_closing = 1; }

    int QueryHostFrameState() override;
    bool PreCreateWindow(CREATESTRUCT& cs) override;
    bool OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) override;

private:
    // The resize clamp, on a proposed window rectangle: only the right and
    // bottom edges move.
    void ClampSizing(RECT& proposed) const;

    CString m_title;
    IEditorViewLink* m_view = nullptr;
    int32_t m_closing = 0;
    // Unset limits are no limits, so that nothing clamps before the view has
    // measured its form.
    int32_t m_minHeight = 0;
    int32_t m_maxHeight = INT32_MAX;
    int32_t m_minWidth = 0;
    int32_t m_maxWidth = INT32_MAX;
};
