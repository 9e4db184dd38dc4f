// The form for assistive tools and the keyboard: every control has a name
// (buttons and radios their captions, others as the form lists them) and can
// be reached with Tab, and the form answers the accessibility queries from
// its child controls.

#include "view/accessibleformview.h"

#include <QAccessible>
#include <QRadioButton>
#include <QWidget>

namespace {

// The caption of `control` as assistive tools read it (a group box's title,
// a label's text, a strip's caption), without outer blanks.
QString CaptionOf(QWidget* control)
{
    QAccessibleInterface* caption = control ? QAccessible::queryAccessibleInterface(control) : nullptr;
    return caption ? caption->text(QAccessible::Name).trimmed() : QString();
}

} // namespace

IMPLEMENT_DYNAMIC(CAccessibleFormView, CFormView)

void CAccessibleFormView::NameControlsForAccessibility(const AccessibleNameSource* names, size_t count)
{
    for (size_t i = 0; i < count; ++i) {
        const AccessibleNameSource& entry = names[i];
        QWidget* control = GetDlgItemHandle(static_cast<int>(entry.control));
        if (!control)
            continue;
        control->setAccessibleName(entry.captionOf ? CaptionOf(GetDlgItemHandle(static_cast<int>(entry.captionOf)))
                                                   : QString::fromLatin1(entry.fixedName));
    }
    // Not every radio has a mnemonic ("Specify times"): each is a tab stop,
    // so that the keyboard alone reaches every control.
    for (QRadioButton* radio : GetSafeHwnd()->findChildren<QRadioButton*>(Qt::FindDirectChildrenOnly))
        radio->setFocusPolicy(Qt::StrongFocus);
}

namespace {

QAccessibleInterface* ChildOf(QAccessibleInterface* form, long child)
{
    if (!form)
        return nullptr;
    if (child == 0)
        return form;
    return child > 0 && child <= form->childCount() ? form->child(static_cast<int>(child - 1)) : nullptr;
}

} // namespace

HRESULT CAccessibleFormView::get_accChildCount(long* count) const
{
    if (!count)
        return E_POINTER;
    QAccessibleInterface* form = QAccessible::queryAccessibleInterface(GetSafeHwnd());
    *count = form ? form->childCount() : 0;
    return S_OK;
}

HRESULT CAccessibleFormView::get_accChild(long child, QAccessibleInterface** out) const
{
    if (!out)
        return E_POINTER;
    *out = child == 0 ? nullptr : ChildOf(QAccessible::queryAccessibleInterface(GetSafeHwnd()), child);
    return *out ? S_OK : E_INVALIDARG;
}

HRESULT CAccessibleFormView::get_accName(long child, CString* name) const
{
    if (!name)
        return E_POINTER;
    QAccessibleInterface* target = ChildOf(QAccessible::queryAccessibleInterface(GetSafeHwnd()), child);
    if (!target)
        return E_INVALIDARG;
    *name = CString(target->text(QAccessible::Name).toLocal8Bit().toStdString());
    return S_OK;
}

HRESULT CAccessibleFormView::accLocation(long* left, long* top, long* width, long* height, long child) const
{
    if (!left || !top || !width || !height)
        return E_POINTER;
    QAccessibleInterface* target = ChildOf(QAccessible::queryAccessibleInterface(GetSafeHwnd()), child);
    if (!target)
        return E_INVALIDARG;
    const QRect rect = target->rect();
    *left = rect.left();
    *top = rect.top();
    *width = rect.width();
    *height = rect.height();
    return S_OK;
}

HRESULT CAccessibleFormView::accHitTest(long screenX, long screenY, long* child) const
{
    if (!child)
        return E_POINTER;
    QAccessibleInterface* form = QAccessible::queryAccessibleInterface(GetSafeHwnd());
    if (!form || !form->rect().contains(static_cast<int>(screenX), static_cast<int>(screenY))) {
        *child = -1;
        return S_FALSE;
    }
    QAccessibleInterface* hit = form->childAt(static_cast<int>(screenX), static_cast<int>(screenY));
    *child = hit ? form->indexOfChild(hit) + 1 : 0;
    return S_OK;
}
