#include "platform/controls/edit.h"

#include "platform/controls/childcontrol.h"

#include <QLineEdit>

IMPLEMENT_DYNAMIC(CEdit, CWnd)

bool CEdit::PreCreateWindow(CREATESTRUCT& /*cs*/)
{
    return true;
}

bool CEdit::Create(DWORD style, const RECT& rect, CWnd* parent, UINT id)
{
    CREATESTRUCT cs = MakeChildCreateStruct(style, rect);
    if (!PreCreateWindow(cs))
        return false;
    auto* edit = new QLineEdit;
    edit->setFrame(false);
    // WS_BORDER is the classic thin line, not the style's sunken frame.
    if (cs.style & WS_BORDER)
        edit->setStyleSheet(QStringLiteral("QLineEdit { border: 1px solid palette(window-text); padding: 0px; }"));
    m_notifyParent = parent ? parent->GetSafeHwnd() : nullptr;
    return CreateChildControl(this, edit, cs, 0, parent, id);
}

QLineEdit* CEdit::lineEdit() const
{
    return qobject_cast<QLineEdit*>(GetSafeHwnd());
}

void CEdit::SetSel(int start, int end)
{
    QLineEdit* edit = lineEdit();
    if (!edit)
        return;
    if (start < 0) {
        edit->deselect();
        return;
    }
    const int length = static_cast<int>(edit->text().size());
    if (end < 0 || end > length)
        end = length;
    if (start > length)
        start = length;
    edit->setSelection(start, end - start);
}

void CEdit::SetMargins(int left, int right)
{
    if (QLineEdit* edit = lineEdit())
        edit->setTextMargins(left, 0, right, 0);
}

HWND CEdit::GetNotifyParent() const
{
    if (m_notifyParent)
        return m_notifyParent;
    return GetSafeHwnd() ? GetSafeHwnd()->parentWidget() : nullptr;
}
