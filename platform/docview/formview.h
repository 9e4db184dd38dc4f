#pragma once

// A view whose content is a form built from a dialog template.

#include "platform/docview/view.h"

class CFormView;

// The data exchange of a form; the editor only binds controls with it.
class CDataExchange {
public:
    CDataExchange(CFormView* form, bool saveAndValidate) : m_pDlgWnd(form), m_bSaveAndValidate(saveAndValidate) { }
    CFormView* m_pDlgWnd;
    bool m_bSaveAndValidate;
};

// Binds `control` to the form's child with `id` the first time (subclassing it).
void DDX_Control(CDataExchange* pDX, int id, CWnd& control);

class CFormView : public CView {
    DECLARE_DYNAMIC(CFormView)
public:
    explicit CFormView(UINT templateId);

    UINT GetTemplateId() const { return m_templateId; }
    // The form's size in pixels (the template's size in dialog units converted).
    CSize GetFormSize() const { return m_formSize; }

    void OnInitialUpdate() override;
    virtual void DoDataExchange(CDataExchange* pDX);
    bool UpdateData(bool saveAndValidate = true);
    // Sizes the parent frame so that its client area shows the whole form.
    void ResizeParentToFit(bool shrinkOnly = true);

protected:
    QWidget* CreateViewWidget(QWidget* parent) override;

private:
    UINT m_templateId;
    CSize m_formSize;
};
