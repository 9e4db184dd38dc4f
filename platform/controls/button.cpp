#include "platform/controls/button.h"

#include "platform/controls/childcontrol.h"

#include <QPushButton>

IMPLEMENT_DYNAMIC(CButton, CWnd)

bool CButton::PreCreateWindow(CREATESTRUCT& /*cs*/)
{
    return true;
}

bool CButton::Create(const char* caption, DWORD style, const RECT& rect, CWnd* parent, UINT id)
{
    CREATESTRUCT cs = MakeChildCreateStruct(style, rect, caption);
    if (!PreCreateWindow(cs))
        return false;
    auto* button = new QPushButton(cs.lpszName.ToQString());
    button->setAutoDefault(false);
    m_notifyParent = parent ? parent->GetSafeHwnd() : nullptr;
    // The connection lives with the widget, whatever becomes of this object.
    const QPointer<QWidget> notify = m_notifyParent;
    QObject::connect(button, &QPushButton::clicked, button, [button, notify] {
        ::SendMessage(notify, WM_COMMAND, MAKEWPARAM(CWnd::GetDlgCtrlID(button), static_cast<int>(BN_CLICKED)),
            reinterpret_cast<LPARAM>(button));
    });
    return CreateChildControl(this, button, cs, 0, parent, id);
}

HWND CButton::GetNotifyParent() const
{
    if (m_notifyParent)
        return m_notifyParent;
    return GetSafeHwnd() ? GetSafeHwnd()->parentWidget() : nullptr;
}
