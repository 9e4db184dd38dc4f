#pragma once

// The editor's view: a form view on the editor's form inside a
// CSUProfileEditorFrame.

#include "platform/docview/formview.h"

class CSUProfileEditorFrame;

class CSUProfileEditorView : public CFormView {
    DECLARE_DYNCREATE(CSUProfileEditorView)
public:
    CSUProfileEditorView();

    void OnInitialUpdate() override;

private:
    CSUProfileEditorFrame* ParentFrame() const;
    // Fits the frame to the form and makes the fitted size its largest.
    void FitFrameToForm();

    CString m_contextName;
};
