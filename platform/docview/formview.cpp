#include "platform/docview/formview.h"

#include "platform/core/logging.h"

#include "platform/core/resources.h"
#include "platform/windows/dialogtemplate.h"

#include <QMdiSubWindow>
#include <QWidget>

IMPLEMENT_DYNAMIC(CFormView, CView)

namespace {

// The form's widget reports the form's size as its size hint, so that a frame
// can fit itself to the form.
class FormWidget : public QWidget {
public:
    explicit FormWidget(QWidget* parent) : QWidget(parent) { }
    void setFormSize(QSize size) { m_size = size; }
    QSize sizeHint() const override { return m_size; }

private:
    QSize m_size;
};

} // namespace

void DDX_Control(CDataExchange* pDX, int id, CWnd& control)
{
    if (control.GetSafeHwnd() || !pDX->m_pDlgWnd)
        return;
    HWND item = pDX->m_pDlgWnd->GetDlgItemHandle(id);
    if (!item) {
        qCWarning(lcPlatformDocView, "DDX_Control: the form (template %u) has no control with id %d.",
            pDX->m_pDlgWnd->GetTemplateId(), id);
        return;
    }
    if (!control.SubclassWindow(item))
        qCWarning(lcPlatformDocView, "DDX_Control: the control with id %d has a window object already.", id);
}

CFormView::CFormView(UINT templateId) : m_templateId(templateId)
{
}

QWidget* CFormView::CreateViewWidget(QWidget* parent)
{
    auto* form = new FormWidget(parent);
    if (const DialogTemplate* dialog = AfxFindDialog(m_templateId)) {
        const SIZE size = CreateDialogControls(*dialog, form);
        m_formSize = CSize(size.cx, size.cy);
        form->setFormSize(QSize(size.cx, size.cy));
        form->resize(size.cx, size.cy);
    } else {
        qCWarning(lcPlatformDocView, "Form view: no resource module has the dialog template %u; the form is empty.",
            m_templateId);
    }
    return form;
}

void CFormView::DoDataExchange(CDataExchange* /*pDX*/)
{
}

bool CFormView::UpdateData(bool saveAndValidate)
{
    CDataExchange exchange(this, saveAndValidate);
    DoDataExchange(&exchange);
    return true;
}

void CFormView::OnInitialUpdate()
{
    UpdateData(false);
    CView::OnInitialUpdate();
}

void CFormView::ResizeParentToFit(bool shrinkOnly)
{
    CWnd* frame = GetParentFrame();
    QWidget* frameWidget = frame ? frame->GetSafeHwnd() : nullptr;
    QWidget* form = GetSafeHwnd();
    if (!frameWidget || !form)
        return;
    // The frame's decoration is what the frame adds around its client.
    QSize decoration = frameWidget->size() - form->size();
    if (auto* sub = qobject_cast<QMdiSubWindow*>(frameWidget); sub && !sub->isVisible())
        decoration = sub->sizeHint() - form->sizeHint();
    QSize target = QSize(m_formSize.cx, m_formSize.cy) + decoration;
    if (shrinkOnly)
        target = target.boundedTo(frameWidget->size());
    frameWidget->resize(target);
    form->resize(m_formSize.cx, m_formSize.cy);
}
